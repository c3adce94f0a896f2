// An X11 window looked up by its id on the display DISPLAY names, for
// kronvale-screensaver, which needs no more of X11 than this.
#include "platform/launcher.h"

#include <X11/Xlib.h>

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
