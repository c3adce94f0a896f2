// The screensavers' programs, kronvale-screensaver (launcher.cpp) and
// kronvale.scr (windowsMain.cpp): what their command lines ask for, the
// settings the .scr keeps, and which input ends a screensaver or is kept
// from the camera. Plain code, so that it is tested on every platform.
#pragma once

#include <SDL.h>
#include <cstdint>
#include <string>
#include <vector>

struct Options;

// kronvale-screensaver's command line, as XScreenSaver writes it:
// -window-id ID (or --window-id, either with =ID), -root (or --root); or, for
// the idle daemons of Wayland desks, --fullscreen (or -fullscreen). Anything
// else is of no use here and let pass.
struct LauncherRequest {
    const char* window; // the id given, as text; nullptr if none
    bool root;
    bool fullscreen;
    const char* lacking; // an option given without its id; nullptr if none
};
LauncherRequest parseLauncherCommandLine(int argc, const char* const argv[]);

// An X11 window id, in decimal or 0x hexadecimal, within 32 bits and not 0.
bool parseWindowId(const char* text, uint64_t& id);

enum class ScreensaverAction {
    Configure, // "/c", or no argument: the settings dialog
    Show,      // "/s": full-screen until the user comes back
    Preview,   // "/p HWND": inside that window, at its size
    Unknown,   // anything else
};

struct ScreensaverRequest {
    ScreensaverAction action;
    uint64_t window; // the window given with /p (or /c); 0 if none
};

extern const char* const screensaverTitle;
extern const char* const screensaverUsage;
// The settings dialog's line for a kept value it could not read, and one
// that is no Kronvale options (a format for the value).
extern const char* const screensaverUnreadableSettings;
extern const char* const screensaverIgnoredSettings;
extern const char* const screensaverSettingsNotKept;

// The settings kronvale.scr keeps (the registry's value), written as
// kronvale.exe's options are on its command line: "--12-hour --night 22-7".
// A value whose every word is such an option gives them, as words and as
// Options; any other is void as a whole, and false.
bool parseKeptSettings(const std::string& text, std::vector<std::string>& words, Options& options);

// The value that keeps these settings; a night from an hour to the same is none.
std::string keptSettingsText(bool twelveHour, bool drift, int32_t nightFrom, int32_t nightTo);

// Case-insensitive, with "/" or "-", the window as "/p 1234" or "/p:1234".
ScreensaverRequest parseScreensaverCommandLine(int argc, const char* const argv[]);

// Where the system pointer stands, in screen pixels.
struct PointerPosition {
    int32_t x;
    int32_t y;
};

// The pointer may drift this many pixels, either way, from where it first
// stood before the screensaver ends: a desk that shakes wakes nobody.
constexpr int32_t screensaverPointerSlack = 4;

enum class ScreensaverInput { Pass, Drop, Dismiss };

// Where the system pointer stands, asked of the system, not of SDL's motion
// events: SDL on Windows reports a made-up position while the display
// opens. Null where no system tells (Wayland has no pointer of its own
// beside the window's): then the motion events say, the first of them where
// the pointer stood.
using PointerReader = PointerPosition (*)();

// Decides over each event before the program sees it. The screensaver's
// input never steers the camera: keys, buttons and motion are dropped, and
// while showing, a press, or motion that finds the pointer past the slack
// from where it stood when the filter was made, ends it.
class ScreensaverInputFilter {
public:
    ScreensaverInputFilter(ScreensaverAction action, PointerReader pointer)
        : action_(action), pointer_(pointer),
          start_(pointer != nullptr ? pointer() : PointerPosition{0, 0}),
          placed_(pointer != nullptr) {}
    ScreensaverInput judge(const SDL_Event& event);

private:
    ScreensaverAction action_;
    PointerReader pointer_;
    PointerPosition start_;
    bool placed_; // start_ is known
};

// Puts the filter between SDL's event sources and its queue, after SDL video
// has started (starting it clears any filter); a dismissing event becomes a
// quit request, which the program answers by ending with status 0.
void installScreensaverInputFilter(ScreensaverAction action, PointerReader pointer);

// The same, with the system pointer where the window system tells it, else
// the motion events' (platform.h's systemPointer).
void installScreensaverInputFilter(ScreensaverAction action);

// Asks the program to end, as closing its window would: with status 0.
void requestQuit();
