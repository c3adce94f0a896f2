// The program's names, each spelt here once: what desktops show of it, and
// the environment variables it reads or sets, its own and its libraries'.
#pragma once

// What the window is captioned, and the name the desktop is told.
constexpr const char* windowCaption = "Kronvale";
// The menu entry's name, which Wayland desktops match the window to.
constexpr const char* applicationId = KRONVALE_APP_ID;
// Why the screen stays awake, as the desktop lists it beside the name.
constexpr const char* screenAwakeReason = "Showing the clock full-screen";

// Set by the screensavers' programs: the run is a screensaver's; and, for
// each of kronvale.scr's processes, the monitor it covers.
constexpr const char* screensaverVariable = "KRONVALE_SCREENSAVER";
constexpr const char* screensaverMonitorVariable = "KRONVALE_SCREENSAVER_MONITOR";

// Read by SDL, both libraries: whether the screen may blank; the monitor
// full-screen goes to; the video driver; a window SDL is to draw in that it
// did not make.
constexpr const char* blankingVariable = "SDL_VIDEO_ALLOW_SCREENSAVER";
constexpr const char* monitorVariable = "SDL_VIDEO_FULLSCREEN_DISPLAY";
constexpr const char* videoDriverVariable = "SDL_VIDEODRIVER";
constexpr const char* foreignWindowVariable = "SDL_WINDOWID";

// Read by the compatibility layer and the SDL 2 under it: its OpenGL
// scaling, a drawable of the display's own pixels, that a foreign window
// takes OpenGL, the Wayland app id, the name and reason the desktop is told.
constexpr const char* scalingVariable = "SDL12COMPAT_OPENGL_SCALING";
constexpr const char* highDpiVariable = "SDL12COMPAT_HIGHDPI";
constexpr const char* foreignOpenGlVariable = "SDL_VIDEO_FOREIGN_WINDOW_OPENGL";
constexpr const char* waylandIdVariable = "SDL_VIDEO_WAYLAND_WMCLASS";
constexpr const char* appNameVariable = "SDL_APP_NAME";
constexpr const char* awakeReasonVariable = "SDL_SCREENSAVER_INHIBIT_ACTIVITY_NAME";

// Where the dialog tools are found.
constexpr const char* pathVariable = "PATH";

// The displays a Linux desktop names, the kind of session it runs, and the
// window XScreenSaver gives.
constexpr const char* x11DisplayVariable = "DISPLAY";
constexpr const char* waylandDisplayVariable = "WAYLAND_DISPLAY";
constexpr const char* sessionTypeVariable = "XDG_SESSION_TYPE";
constexpr const char* xscreensaverWindowVariable = "XSCREENSAVER_WINDOW";
