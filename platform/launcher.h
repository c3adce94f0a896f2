// kronvale-screensaver's seam to the system: an X11 window looked up, and
// Kronvale run in this program's place. Linux only, as the program is.
#pragma once

#include "platform/environment.h"

#include <cstdint>

// An X11 window's size, on the display DISPLAY names; id 0 asks for the
// root window's and is set to its id.
enum class WindowLookup { Found, NoDisplay, NoWindow };
WindowLookup lookUpX11Window(uint64_t& id, int32_t& width, int32_t& height);

// Replaces this process with the program of that name installed beside this
// one's own file, or else found on the PATH; returns only if neither runs.
void runProgramBeside(const char* name, char* const argv[]);
