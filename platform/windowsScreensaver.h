// kronvale.scr's seam to Windows: the windows it draws in. Windows only, as
// the program is.
#pragma once

#include "platform/environment.h"

#include <cstdint>

union SDL_Event;

// The window SDL is to draw in and its size, made by the program itself.
// Showing, it covers the primary monitor, and a black cover each other
// monitor, whose input goes to judgeInput. Previewing, it is a child of the
// host window, and once the host is gone a quit request follows. Each
// returns 0 if no window could be made.
uint64_t openShowingWindows(void (*judgeInput)(const SDL_Event&), int32_t& width, int32_t& height);
uint64_t openPreviewWindow(uint64_t host, int32_t& width, int32_t& height);
