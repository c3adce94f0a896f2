// The application shell's inner wiring: start-up's steps, the command line,
// video, the display, graphics, the main loop, input and the ways out. What
// the programs around it need is in kronvale.h.
#pragma once

#include "app/kronvale.h"
#include "records/records.h"

#include <cstdint>
#include <vector>

union SDL_Event;

// The command line (app/commandLine.cpp).

// What the command line asks for.
struct DisplayRequest {
    bool fullscreen;
    int32_t width;
    int32_t height;
    bool badFirstArgument; // show firstParameterMessage, then go on full-screen
};

// What to say on standard error, status 2, of a --night that is no FROM-TO.
extern const char* const nightMessage; // a format for the value given

// A first word that asks about the program instead of running it.
enum class InformationRequest { None, Usage, Version };

extern const char* const firstParameterMessage;
extern const char* const usageText;
extern const char* const versionText; // "kronvale" and the version

// Reads a size like atoi does (leading blanks, optional sign, decimal digits,
// anything else 0), but clamped to the 32-bit range instead of overflowing.
int32_t parseDimension(const char* text);

DisplayRequest parseCommandLine(int argc, const char* const argv[]);

// --help or -h asks for the usage, --version for the version.
InformationRequest parseInformationRequest(int argc, const char* const argv[]);

// Starting video (app/video.cpp): whether this is a screensaver's run, which
// SDL runs, SDL's settings for the display asked for (its scaling, the
// monitor, the screen's blanking, the names the desktop is told), then SDL's
// video itself, on the window system it runs on; on failure says why on
// standard error and ends with status 1.
void startVideoOrQuit(const DisplayRequest& request);

// The display (app/display.cpp), the one writer of the screen's records
// (but the aspect ratio, the graphics state's), of fullscreen and of the
// caption.

extern bool fullscreen; // the display is full-screen: asked for, then F11's

// Opens the display asked for, with its caption and the window's icon; on
// failure says why on standard error and ends with status 1. Full-screen at a
// size the display cannot take, the picture is letterboxed on the whole
// monitor.
void openDisplayOrQuit(const DisplayRequest& request);

// The drawable's pixels for each of the display's points, as they are now.
void followDrawable();

// The window resized to this size, by the user or by a screensaver's host;
// the picture follows.
void resizeDisplay(int32_t width, int32_t height);

// F11: from the window to full-screen on the monitor, and back to the window
// at its last size. Not in a screensaver's run.
void switchFullscreen();

// OpenGL's state and the font (app/graphics.cpp), set up once the display is
// open and again whenever it opens anew; the aspect ratio's one writer.

// Builds the stroke font into fontBase; ends with status 1 if OpenGL has no
// display lists to give.
void buildFontOrQuit();

// The main loop (app/mainLoop.cpp).

void runLoopPass();

// Ends the program, status 1, if the display went away, however SDL told of
// it, if at all.
void endIfDisplayLost();

// While minimised, or while the window system asks for no frames, sleeps
// until an event arrives or frames are asked for again, applying each
// event; returns at once otherwise.
void sleepWhileUnseen();

[[noreturn]] void runMainLoop();

// Input (app/input.cpp).

extern bool minimised; // the display is iconified, nobody sees a frame: as its events say

enum class InputResult { Continue, Quit, SwitchFullscreen, Resize };

// Applies one event to the input state; says whether the program is to end,
// or the display to change.
InputResult handleEvent(const SDL_Event& event);

// handleEvent, then whatever it asks for: the end, or a display change.
void applyEvent(const SDL_Event& event);

// Drains the event queue; ends the process on Escape or a close request.
void pollInput();

// A screensaver's run: the tour's next stand-in pointer and buttons, in
// place of the user's.
void takeTourInput();

// One more frame without mouse activity; stops at the largest count.
void countIdleFrame();

// The ways out (app/quit.cpp), below everything that calls them.

// Shuts SDL down and ends the process through the normal exit path.
[[noreturn]] void quitProgram(int status);

// The connection to the display broke: says what went away on standard
// error and ends with status 1.
[[noreturn]] void endForLostDisplay(const char* what);
