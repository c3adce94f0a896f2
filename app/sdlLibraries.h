// What differs between the two SDL 1.2 libraries Kronvale runs on: the
// maintained compatibility layer over SDL 2, and classic SDL 1.2. The
// display (app/display.cpp) asks; the answers are the same picture on both.
#pragma once

#include "app/app.h"

#include <cstdint>

struct DisplaySize {
    int32_t width;
    int32_t height;
};

// Before video starts, which is when the libraries read them: the monitor
// full-screen goes to, a drawable of the display's own pixels on a desktop
// that scales, and whether the compatibility layer is to scale: not in a
// window.
void chooseLibrarySettings(const DisplayRequest& request);

// Once video has started: full-screen at the monitor's size, where the
// compatibility layer's scaling would show nothing, video is started again
// without it (only the library can tell the monitor's size on every desktop).
// False if it does not start again.
bool settleLibrarySettings(const DisplayRequest& request);

// Pixels of the display's drawable for each of its points, once it is open:
// more than 1 where a desktop that scales gives the window more pixels than
// it has points (the compatibility layer on Wayland), else 1. It may change
// while the display is open: the desktop tells the window its scale once it
// shows it, and again on an output of another scale.
float drawablePixelsPerPoint(DisplaySize display);

// The monitor's size, as found before any display opened.
DisplaySize readDesktopSize();

// Whether full-screen at this size is Kronvale's own to letterbox: on classic
// SDL, at a size the display cannot switch to (the compatibility layer
// letterboxes by itself).
bool letterboxedByKronvale(DisplaySize asked, DisplaySize desktop);

// Once a full-screen display is open: where no window manager makes the
// compatibility layer's window as large as the desktop its picture is
// scaled to, make it so.
void coverDesktop(DisplaySize desktop);
