// kronvale-screensaver's X11: a window looked up by its id on the display
// DISPLAY names, and the covers of every monitor that it holds the input
// for while a Kronvale draws in each.
#include "platform/launcher.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <poll.h>

namespace {

bool badWindow = false;

int noteError(Display*, XErrorEvent* error) {
    badWindow = error->error_code == BadWindow || error->error_code == BadDrawable;
    return 0;
}

} // namespace

WindowLookup lookUpX11Window(uint64_t& id, int32_t& width, int32_t& height) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return WindowLookup::NoDisplay;
    }
    if (id == 0) {
        id = DefaultRootWindow(display);
    }
    badWindow = false;
    XSetErrorHandler(noteError);
    XWindowAttributes attributes{};
    const Status found = XGetWindowAttributes(display, static_cast<Window>(id), &attributes);
    XSync(display, False);
    XCloseDisplay(display);
    if (found == 0 || badWindow || attributes.width <= 0 || attributes.height <= 0) {
        return WindowLookup::NoWindow;
    }
    width = attributes.width;
    height = attributes.height;
    return WindowLookup::Found;
}

namespace {

// The covers' connection, kept for as long as they are to stand.
Display* coverDisplay = nullptr;

} // namespace

std::vector<MonitorCover> coverMonitors() {
    std::vector<MonitorCover> covers;
    coverDisplay = XOpenDisplay(nullptr);
    if (coverDisplay == nullptr) {
        return covers;
    }
    const Window root = DefaultRootWindow(coverDisplay);
    int count = 0;
    int major = 0;
    int minor = 0;
    XRRMonitorInfo* monitors = nullptr;
    if (XRRQueryVersion(coverDisplay, &major, &minor) && (major > 1 || minor >= 5)) {
        monitors = XRRGetMonitors(coverDisplay, root, True, &count);
    }
    // Above every window, and no window manager's to place or frame.
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.background_pixel = BlackPixel(coverDisplay, DefaultScreen(coverDisplay));
    for (int i = 0; i < count; ++i) {
        const XRRMonitorInfo& m = monitors[i];
        const Window window =
            XCreateWindow(coverDisplay, root, m.x, m.y, static_cast<unsigned>(m.width),
                          static_cast<unsigned>(m.height), 0, CopyFromParent, InputOutput,
                          CopyFromParent, CWOverrideRedirect | CWBackPixel, &attributes);
        XSelectInput(coverDisplay, window, KeyPressMask | ButtonPressMask | PointerMotionMask);
        XMapRaised(coverDisplay, window);
        covers.push_back(MonitorCover{window, m.width, m.height});
    }
    if (monitors != nullptr) {
        XRRFreeMonitors(monitors);
    }
    // The keyboard and the pointer are the screensaver's, the pointer free
    // to go anywhere; a grab held elsewhere (an open menu) leaves the
    // pointer's motion to the covers and the keys to whoever has them.
    XGrabKeyboard(coverDisplay, root, False, GrabModeAsync, GrabModeAsync, CurrentTime);
    XGrabPointer(coverDisplay, root, False, ButtonPressMask | PointerMotionMask, GrabModeAsync,
                 GrabModeAsync, None, None, CurrentTime);
    XSync(coverDisplay, False);
    return covers;
}

CoverInput awaitCoverInput(int32_t milliseconds, int32_t& x, int32_t& y) {
    if (coverDisplay == nullptr) {
        return CoverInput::Nothing;
    }
    if (XPending(coverDisplay) == 0) {
        pollfd connection{ConnectionNumber(coverDisplay), POLLIN, 0};
        poll(&connection, 1, milliseconds);
    }
    while (XPending(coverDisplay) > 0) {
        XEvent event;
        XNextEvent(coverDisplay, &event);
        switch (event.type) {
        case KeyPress:
        case ButtonPress:
            return CoverInput::Press;
        case MotionNotify:
            x = event.xmotion.x_root;
            y = event.xmotion.y_root;
            return CoverInput::Motion;
        default:
            break;
        }
    }
    return CoverInput::Nothing;
}

bool pointerOnScreen(int32_t& x, int32_t& y) {
    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int windowX = 0;
    int windowY = 0;
    unsigned int buttons = 0;
    if (coverDisplay == nullptr ||
        !XQueryPointer(coverDisplay, DefaultRootWindow(coverDisplay), &root, &child, &rootX, &rootY,
                       &windowX, &windowY, &buttons)) {
        return false;
    }
    x = rootX;
    y = rootY;
    return true;
}
