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
// full-screen goes to, and whether the compatibility layer is to scale.
void chooseLibrarySettings(const DisplayRequest& request);

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
