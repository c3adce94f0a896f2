// The application shell: start-up, command line, main loop, input and shutdown,
// with the screen, clock and input state every other part reads.
#pragma once

#include <cstdint>

#include "platform/platform.h"

union SDL_Event;

// Screen state, settled by start-up and then only read.
extern int32_t screenWidth;  // pixels; 1024 unless the command line gives a size
extern int32_t screenHeight; // pixels; 768 likewise
extern int32_t halfWidth;    // screenWidth / 2, truncated
extern int32_t halfHeight;   // screenHeight / 2, truncated
extern float aspectRatio;    // width / height, for every perspective projection
extern bool fullscreen;

// Local time of day, read at start-up and once per frame.
extern ClockReading clockReading;

enum ViewMode : int32_t { Orbit = 0, Fly = 1 };

// Input state, written only by the input events.
extern int32_t mouseX;       // pixels from the display's left edge, as the last motion reported
extern int32_t mouseY;       // pixels from the top edge, growing downward
extern bool leftButtonDown;  // mouse button 1
extern bool rightButtonDown; // mouse button 3
extern int32_t idleFrames; // frames since the last mouse motion or button event, this one included
extern int32_t viewMode;   // a ViewMode: 0 or 1

// What the command line asks for.
struct DisplayRequest {
    bool fullscreen;
    int32_t width;
    int32_t height;
    bool badFirstArgument; // show firstParameterMessage, then go on full-screen
};

extern const char* const firstParameterMessage;
extern const char* const windowCaption;

// Reads a size like atoi does (leading blanks, optional sign, decimal digits,
// anything else 0), but clamped to the 32-bit range instead of overflowing.
int32_t parseDimension(const char* text);

DisplayRequest parseCommandLine(int argc, const char* const argv[]);

// Sets the screen size and its halves, each truncated toward zero.
void setScreenSize(int32_t width, int32_t height);

// Whether the display would gain nothing from the SDL 1.2 compatibility
// layer's OpenGL scaling: in a window, or full-screen at the desktop's size.
bool wantsUnscaledOpenGL(bool fullscreenDisplay, int32_t width, int32_t height,
                         int32_t desktopWidth, int32_t desktopHeight);

// The whole program: start-up, then the main loop. Never returns.
[[noreturn]] void runKronvale(int argc, char* argv[]);

void initGraphicsState(int32_t width, int32_t height);

// Builds the stroke font into fontBase; ends start-up with status 1 if OpenGL
// has no display lists to give.
void buildFontOrQuit();

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
