// Inside platform/: one table of what a window system can tell or do, filled
// once at start by the one SDL's video runs on. Each leaves alone what it
// has nothing to say to, which then does nothing.
#pragma once

#include <cstdint>

struct WindowSystem {
    bool (*monitorSize)(int index, int32_t& width, int32_t& height);
    void (*publishWindowIcon)(const unsigned char* rgb, int size);
    bool (*drawableSize)(int32_t& width, int32_t& height);
    void (*growToFullscreen)(int32_t width, int32_t height);
    void (*followForeignWindow)();
    bool (*systemPointer)(int32_t& x, int32_t& y);
    void (*noteFramePresented)();
    bool (*framesUnasked)();
    void (*awaitFrameRequest)(int32_t milliseconds);
    void (*watchDisplayConnection)(void (*lost)(const char* what));
    const char* (*lostDisplay)();
};

// Fill the table for SDL's video driver of that name; the system's own
// file defines it.
void connectWindowSystem(const char* driver, WindowSystem& system);
