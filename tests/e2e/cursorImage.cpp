// Tells what the pointer looks like where it stands: its size and how many of
// its pixels are not fully transparent, from the X server's own cursor image.
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <cstdio>

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 1;
    }
    int eventBase = 0;
    int errorBase = 0;
    XFixesCursorImage* image = nullptr;
    if (!XFixesQueryExtension(display, &eventBase, &errorBase) ||
        (image = XFixesGetCursorImage(display)) == nullptr) {
        std::fprintf(stderr, "the X server gives no cursor image\n");
        XCloseDisplay(display);
        return 1;
    }
    int opaque = 0;
    for (int i = 0; i < image->width * image->height; ++i) {
        if ((image->pixels[i] >> 24) != 0) {
            ++opaque;
        }
    }
    std::printf("%dx%d %d\n", image->width, image->height, opaque);
    XFree(image);
    XCloseDisplay(display);
    return 0;
}
