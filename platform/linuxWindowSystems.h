// Inside platform/ on Linux: the parts of the window systems SDL runs on
// there, and the SDL 2 under the compatibility layer that they ask.
#pragma once

#include "platform/windowSystem.h"

#include <cstdint>

struct wl_display;
struct wl_surface;

void connectX11(WindowSystem& system);
void connectWayland(WindowSystem& system);

// The SDL 2 window under the compatibility layer: its drawable's size, and
// the Wayland surface it shows; false where there is none (classic SDL).
bool sdl2DrawableSize(int32_t& width, int32_t& height);
bool sdl2WaylandSurface(wl_display*& display, wl_surface*& surface);
