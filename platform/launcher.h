// kronvale-screensaver's seam to the system: an X11 window looked up,
// Kronvale run in this program's place, and a Kronvale for each monitor.
// Linux only, as the program is.
#pragma once

#include "platform/environment.h"

#include <cstdint>
#include <vector>

// An X11 window's size, on the display DISPLAY names; id 0 asks for the
// root window's and is set to its id.
enum class WindowLookup { Found, NoDisplay, NoWindow };
WindowLookup lookUpX11Window(uint64_t& id, int32_t& width, int32_t& height);

// Replaces this process with the program of that name installed beside this
// one's own file, or else found on the PATH; returns only if neither runs.
void runProgramBeside(const char* name, char* const argv[]);

// How many monitors the desk has: a Wayland compositor's outputs where
// Kronvale would run as its client (wayland then true), else the X server's
// monitors; 0 where neither can tell.
int countMonitors(bool& wayland);

// On an X server: a black window of this program's over each monitor, as
// the server lists them, for a Kronvale each to draw in, and the keyboard
// and the pointer held for this program, the pointer free to go anywhere,
// so that no display of a Kronvale's keeps it to one monitor. Held until
// the process ends.
struct MonitorCover {
    uint64_t window;
    int32_t width;
    int32_t height;
};
std::vector<MonitorCover> coverMonitors();

// Waits up to that long for the input the covers hold: a key or a button
// pressed, or the pointer moved (to x, y on the screen).
enum class CoverInput { Nothing, Press, Motion };
CoverInput awaitCoverInput(int32_t milliseconds, int32_t& x, int32_t& y);

// Where the pointer stands on the screen, while the covers stand.
bool pointerOnScreen(int32_t& x, int32_t& y);

// Runs each(index) in a process of its own for every index below count, and
// waits for them. One that ends with status 0 (its user came back) ends the
// others, as SIGTERM, SIGINT or SIGHUP to this process does, and, if given,
// userBack returning true (it may wait a tenth of a second); one that ends
// otherwise (its monitor gone, a failure) ends nothing else; none outlives
// this process. Returns 0, or where none ended with 0 the status of the
// first that failed.
int runOnEachMonitor(int count, void (*each)(int index), bool (*userBack)());
