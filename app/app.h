// The application shell: start-up, command line, main loop, input and shutdown.
#pragma once

#include "app/state.h"

#include <cstdint>

union SDL_Event;

extern bool fullscreen; // the display was opened full-screen
extern bool minimised;  // the display is iconified: nobody sees a frame

// What the command line asks for.
struct DisplayRequest {
    bool fullscreen;
    int32_t width;
    int32_t height;
    bool badFirstArgument; // show firstParameterMessage, then go on full-screen
};

// A first word that asks about the program instead of running it.
enum class InformationRequest { None, Usage, Version };

extern const char* const firstParameterMessage;
extern const char* const windowCaption;
extern const char* const usageText;
extern const char* const versionText; // "kronvale" and the version

// Reads a size like atoi does (leading blanks, optional sign, decimal digits,
// anything else 0), but clamped to the 32-bit range instead of overflowing.
int32_t parseDimension(const char* text);

DisplayRequest parseCommandLine(int argc, const char* const argv[]);

// --help or -h asks for the usage, --version for the version.
InformationRequest parseInformationRequest(int argc, const char* const argv[]);

// Sets the screen size and its halves, each truncated toward zero.
void setScreenSize(int32_t width, int32_t height);

// The whole program: start-up, then the main loop. Never returns.
[[noreturn]] void runKronvale(int argc, char* argv[]);

void initGraphicsState(int32_t width, int32_t height);

// Builds the stroke font into fontBase; ends start-up with status 1 if OpenGL
// has no display lists to give.
void buildFontOrQuit();

// One pass of the main loop: input, the view step, the clock, the idle count,
// the frame, and the pause.
void runLoopPass();

// While minimised, sleeps until an event arrives, applying each; returns at
// once otherwise.
void waitWhileMinimised();

[[noreturn]] void runMainLoop();

enum class InputResult { Continue, Quit };

// Applies one event to the input state; says whether the program is to end.
InputResult handleEvent(const SDL_Event& event);

// Drains the event queue; ends the process on Escape or a close request.
void pollInput();

// One more frame without mouse activity; stops at the largest count.
void countIdleFrame();

// Shuts SDL down and ends the process through the normal exit path.
[[noreturn]] void quitProgram(int status);
