// Stands in for a screensaver's window: an X window of the given size at
// (100, 100), black, mapped; prints its id and lives until it is killed.
#include <X11/Xlib.h>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "%s: cannot open the X display\n", argv[0]);
        return 1;
    }
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 100, 100,
                                              static_cast<unsigned>(std::atoi(argv[1])),
                                              static_cast<unsigned>(std::atoi(argv[2])), 0, 0,
                                              BlackPixel(display, DefaultScreen(display)));
    XSelectInput(display, window, StructureNotifyMask);
    XMapWindow(display, window);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify) {
            break;
        }
    }
    std::printf("0x%lx\n", static_cast<unsigned long>(window));
    std::fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
    }
}
