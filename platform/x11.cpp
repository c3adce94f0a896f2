// The window system's part where SDL's video runs on an X server (which
// Wayland may run beside; platform/ chooses once, by SDL's driver): the monitors as
// it lays them out, the window's icon where window managers look for it, a
// full-screen window made as large as the desktop where no window manager
// does it, a window SDL did not make followed as it is resized, whether the
// monitor is switched off, and the server's going away.
#include "platform/linuxWindowSystems.h"
#include "records/names.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/extensions/Xrandr.h>
#include <X11/extensions/dpms.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <vector>

namespace {

// The display's X connection and window, once SDL has opened it on X11.
bool x11Window(SDL_SysWMinfo& info) {
    SDL_VERSION(&info.version);
    return SDL_GetWMInfo(&info) > 0 && info.subsystem == SDL_SYSWM_X11 &&
           info.info.x11.display != nullptr;
}

void (*lostHandler)(const char*) = nullptr;

// Xlib's own handler would end the process with two lines of its own.
int connectionBroken(Display* display) {
    static char what[128];
    std::snprintf(what, sizeof what, "the X server %s", DisplayString(display));
    lostHandler(what);
    return 0;
}

// The monitors as the server lays them out, the primary one first; null
// where it cannot tell (before RandR 1.5).
XRRMonitorInfo* listMonitors(Display* display, int& count) {
    int major = 0;
    int minor = 0;
    count = 0;
    if (!XRRQueryVersion(display, &major, &minor) || (major == 1 && minor < 5)) {
        return nullptr;
    }
    return XRRGetMonitors(display, DefaultRootWindow(display), True, &count);
}

bool monitorSize(int index, int32_t& width, int32_t& height) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return false;
    }
    int count = 0;
    XRRMonitorInfo* monitors = listMonitors(display, count);
    const bool found = monitors != nullptr && index >= 0 && index < count;
    if (found) {
        width = monitors[index].width;
        height = monitors[index].height;
    }
    if (monitors != nullptr) {
        XRRFreeMonitors(monitors);
    }
    XCloseDisplay(display);
    return found;
}

void publishWindowIcon(const unsigned char* rgb, int size) {
    SDL_SysWMinfo info;
    if (!x11Window(info)) {
        return;
    }
    Display* display = info.info.x11.display;
    // Classic SDL draws into a child of the window the window manager sees.
    const Window window =
        info.info.x11.wmwindow != 0 ? info.info.x11.wmwindow : info.info.x11.window;
    const Atom icon = XInternAtom(display, "_NET_WM_ICON", False);
    Atom type = 0;
    int format = 0;
    unsigned long items = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, icon, 0, 2, False, XA_CARDINAL, &type, &format, &items,
                           &left, &data) == Success &&
        data != nullptr) {
        XFree(data);
        if (items > 0) {
            return; // SDL put it there itself
        }
    }
    // Width, height, then each pixel as opaque ARGB, one long each as X wants it.
    std::vector<unsigned long> property{static_cast<unsigned long>(size),
                                        static_cast<unsigned long>(size)};
    for (int i = 0; i < size * size; ++i) {
        const unsigned char* p = rgb + 3 * i;
        property.push_back(0xFF000000ul | (static_cast<unsigned long>(p[0]) << 16) |
                           (static_cast<unsigned long>(p[1]) << 8) | p[2]);
    }
    XChangeProperty(display, window, icon, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(property.data()),
                    static_cast<int>(property.size()));
    XFlush(display);
}

void growToFullscreen(int32_t width, int32_t height) {
    SDL_SysWMinfo info;
    if (width <= 0 || height <= 0 || !x11Window(info)) {
        return;
    }
    Display* display = info.info.x11.display;
    const Window window = info.info.x11.window;
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int childCount = 0;
    XWindowAttributes attributes;
    if (XQueryTree(display, window, &root, &parent, &children, &childCount) == 0) {
        return;
    }
    if (children != nullptr) {
        XFree(children);
    }
    if (XGetWindowAttributes(display, window, &attributes) == 0) {
        return;
    }
    // A window manager takes the window into a frame of its own and sizes it.
    if (parent != root || (attributes.width >= width && attributes.height >= height)) {
        return;
    }
    // Centred on the monitor the window stands on, which the library may
    // have put it in the middle of or in the corner of.
    int x = attributes.x + attributes.width / 2;
    int y = attributes.y + attributes.height / 2;
    int count = 0;
    XRRMonitorInfo* monitors = listMonitors(display, count);
    for (int i = 0; i < count; ++i) {
        const XRRMonitorInfo& m = monitors[i];
        if (x >= m.x && x < m.x + m.width && y >= m.y && y < m.y + m.height) {
            x = m.x + m.width / 2;
            y = m.y + m.height / 2;
            break;
        }
    }
    if (monitors != nullptr) {
        XRRFreeMonitors(monitors);
    }
    XMoveResizeWindow(display, window, x - width / 2, y - height / 2,
                      static_cast<unsigned int>(width), static_cast<unsigned int>(height));
    XSync(display, False);
}

void watchDisplayConnection(void (*lost)(const char* what)) {
    lostHandler = lost;
    XSetIOErrorHandler(connectionBroken);
}

void followForeignWindow() {
    // Neither library listens to a window it did not make, so neither hears
    // of its new size; listened to on SDL's own connection, it tells SDL.
    SDL_SysWMinfo info;
    const char* given = std::getenv(foreignWindowVariable);
    if (given == nullptr || *given == '\0' || !x11Window(info)) {
        return;
    }
    Display* display = info.info.x11.display;
    const Window window = info.info.x11.window;
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) != 0) {
        XSelectInput(display, window, attributes.your_event_mask | StructureNotifyMask);
        XFlush(display);
    }
}

// How often the server is asked whether its monitor is switched off: once a
// second, so that a clock switched back on draws again within one.
constexpr double powerAskedEvery = 1.0;

double now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// A monitor the server has switched off (DPMS) shows no frame, as one
// minimised would not; a server without the power extension never says so.
bool monitorOff() {
    static double askedAt = -powerAskedEvery;
    static bool off = false;
    SDL_SysWMinfo info;
    if (now() - askedAt < powerAskedEvery || !x11Window(info)) {
        return off;
    }
    askedAt = now();
    Display* display = info.info.x11.display;
    int event = 0;
    int error = 0;
    CARD16 level = DPMSModeOn;
    BOOL enabled = False;
    off = DPMSQueryExtension(display, &event, &error) && DPMSCapable(display) &&
          DPMSInfo(display, &level, &enabled) && enabled && level != DPMSModeOn;
    return off;
}

// Sleeps until the server sends something, or for at most that long.
void awaitServer(int32_t milliseconds) {
    SDL_SysWMinfo info;
    if (!x11Window(info) || XPending(info.info.x11.display) > 0) {
        return;
    }
    pollfd connection{ConnectionNumber(info.info.x11.display), POLLIN, 0};
    poll(&connection, 1, milliseconds);
}

} // namespace

void connectX11(WindowSystem& system) {
    system.monitorSize = monitorSize;
    system.publishWindowIcon = publishWindowIcon;
    system.drawableSize = sdl2DrawableSize;
    system.growToFullscreen = growToFullscreen;
    system.followForeignWindow = followForeignWindow;
    system.watchDisplayConnection = watchDisplayConnection;
    system.framesUnasked = monitorOff;
    system.awaitFrameRequest = awaitServer;
}
