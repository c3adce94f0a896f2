// How many monitors a Linux desk has, for kronvale-screensaver to cover
// each: a Wayland compositor's outputs where Kronvale would run as its
// client, else the X server's monitors.
#include "platform/launcher.h"
#include "platform/platform.h"
#include "records/names.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <cstdlib>
#include <cstring>
#include <wayland-client.h>

namespace {

void countOutput(void* outputs, wl_registry*, uint32_t, const char* interface, uint32_t) {
    if (std::strcmp(interface, wl_output_interface.name) == 0) {
        ++*static_cast<int*>(outputs);
    }
}

void ignoreRemoval(void*, wl_registry*, uint32_t) {}

const wl_registry_listener outputCounter{countOutput, ignoreRemoval};

int waylandOutputs() {
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        return 0;
    }
    int outputs = 0;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &outputCounter, &outputs);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return outputs;
}

int x11Monitors() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return 0;
    }
    int major = 0;
    int minor = 0;
    int count = 0;
    if (XRRQueryVersion(display, &major, &minor) && (major > 1 || minor >= 5)) {
        XRRMonitorInfo* monitors =
            XRRGetMonitors(display, DefaultRootWindow(display), True, &count);
        if (monitors != nullptr) {
            XRRFreeMonitors(monitors);
        }
    }
    XCloseDisplay(display);
    return count;
}

} // namespace

int countMonitors(bool& wayland) {
    const char* driver = std::getenv(videoDriverVariable);
    const int outputs = desktopVideoDriver() != nullptr &&
                                (driver == nullptr || std::strcmp(driver, "wayland") == 0)
                            ? waylandOutputs()
                            : 0;
    wayland = outputs > 0;
    return wayland ? outputs : x11Monitors();
}
