// The application shell: start-up, command line, video, the display, the
// main loop, input and the ways out.
#pragma once

#include "records/records.h"

#include <cstdint>
#include <vector>

union SDL_Event;

// The whole program: start-up, then the main loop. Never returns.
[[noreturn]] void runKronvale(int argc, char* argv[]);

// The command line (app/commandLine.cpp).

// What the command line asks for.
struct DisplayRequest {
    bool fullscreen;
    int32_t width;
    int32_t height;
    bool badFirstArgument; // show firstParameterMessage, then go on full-screen
};

// The options a user may add anywhere on the command line, each taken out of
// it before the rest is read, as it would be without them.
struct Options {
    bool twelveHour;            // --12-hour: the labels' hours 1 to 12
    bool drift;                 // --drift: the picture drifts, for screens left on
    int32_t nightFrom, nightTo; // --night FROM-TO: drawn dim from hour FROM to TO; equal: never
    // The value --night was given that is no FROM-TO (empty if none was
    // given), for nightMessage; nullptr when all is well.
    const char* badNight;
};

// Takes the options out of the command line; rest gets the words that
// remain, the program's name first, in their order, and a null at the end.
Options takeOptions(int argc, const char* const argv[], std::vector<const char*>& rest);

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

// Called once video has started, before the display opens, by a program
// that hands over to Kronvale (a screensaver's) for what must see every
// event: its input filter. Null otherwise.
extern void (*onVideoStarted)();

// The display (app/display.cpp), the one writer of the screen's records, of
// fullscreen and of the caption.

extern bool fullscreen; // the display is full-screen: asked for, then F11's

// Opens the display asked for, with its caption and the window's icon; on
// failure says why on standard error and ends with status 1. Full-screen at a
// size the display cannot take, the picture is letterboxed on the whole
// monitor.
void openDisplayOrQuit(const DisplayRequest& request);

// Sets the screen size and its halves, each truncated toward zero; the
// picture fills the display.
void setScreenSize(int32_t width, int32_t height);

// The drawable's pixels for each of the display's points, as they are now.
void followDrawable();

// The window resized to this size, by the user or by a screensaver's host;
// the picture follows.
void resizeDisplay(int32_t width, int32_t height);

// F11: from the window to full-screen on the monitor, and back to the window
// at its last size. Not in a screensaver's run.
void switchFullscreen();

// OpenGL's state and the font (app/graphics.cpp), set up once the display is
// open and again whenever it opens anew.

// The initial graphics state for a display of that size, its view set as
// every frame sets it, from the records of the display as it opened (so
// after setScreenSize).
void initGraphicsState(int32_t width, int32_t height);

// Builds the stroke font into fontBase; ends with status 1 if OpenGL has no
// display lists to give.
void buildFontOrQuit();

// The main loop (app/mainLoop.cpp).

void runLoopPass();

// While minimised, or while the window system asks for no frames, sleeps
// until an event arrives or frames are asked for again, applying each
// event; returns at once otherwise.
void waitWhileUnseen();

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

// One more frame without mouse activity; stops at the largest count.
void countIdleFrame();

// A screensaver's tour (app/tour.cpp): the next frame of the stand-in
// pointer and buttons that a run nobody steers gives the Orbit step,
// swinging the eye round the bundle and now and then bringing it in close
// enough to read the labels.
constexpr int32_t tourLength =
    21600;                // frames until the tour starts over: six minutes at 60 a second
extern int32_t tourFrame; // how far into it, 0 to tourLength - 1
void tourInput();

// Where the tour starts on monitor `index` of `count`, each at a place of
// its own, so that no two show the same frame by chance.
void startTourOn(int32_t index, int32_t count);

// The ways out (app/quit.cpp), below everything that calls them.

// Shuts SDL down and ends the process through the normal exit path.
[[noreturn]] void quitProgram(int status);

// The connection to the display broke: says what went away on standard
// error and ends with status 1.
[[noreturn]] void endForLostDisplay(const char* what);
