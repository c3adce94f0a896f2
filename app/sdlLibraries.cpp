// What differs between the two SDL 1.2 libraries Kronvale runs on, and what
// Kronvale does about it so that both show the same picture.
#include "app/sdlLibraries.h"

#include "platform/platform.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <algorithm>
#include <cstdlib>

namespace {

// The compatibility layer draws OpenGL into an off-screen buffer and scales
// it onto the display: a few milliseconds of CPU and some 20 MiB, and since
// every animation here advances per frame, a slower clock. It is only worth
// it full-screen at a size other than the monitor's, where it letterboxes.
// The layer reads the setting once, when video starts.
constexpr const char* scalingVariable = "SDL12COMPAT_OPENGL_SCALING";

// Which monitor full-screen goes to, as both libraries read it; the first
// (the primary) unless the user picks another. Classic SDL would otherwise
// take the whole X screen, across every monitor.
constexpr const char* monitorVariable = "SDL_VIDEO_FULLSCREEN_DISPLAY";

bool onCompatibilityLayer() {
    const SDL_version* version = SDL_Linked_Version();
    return version != nullptr && version->major == 1 && version->minor == 2 && version->patch >= 50;
}

int monitorIndex() {
    const char* chosen = std::getenv(monitorVariable);
    return chosen != nullptr ? std::max(std::atoi(chosen), 0) : 0;
}

// Full-screen at the monitor's own size, as far as can be told before video starts.
bool fullscreenAtMonitorSize(const DisplayRequest& request) {
    int32_t width = 0;
    int32_t height = 0;
    return request.fullscreen && monitorSize(monitorIndex(), width, height) &&
           (request.width == 0 || request.width == width) &&
           (request.height == 0 || request.height == height);
}

} // namespace

void chooseLibrarySettings(const DisplayRequest& request) {
    setEnvironmentDefault(monitorVariable, "0");
    if (!request.fullscreen || fullscreenAtMonitorSize(request)) {
        setEnvironmentDefault(scalingVariable, "0");
    }
}

DisplaySize readDesktopSize() {
    // The compatibility layer reports the chosen monitor's size; classic SDL
    // the whole X screen's, so ask the system which monitor it is.
    int32_t width = 0;
    int32_t height = 0;
    if (!onCompatibilityLayer() && monitorSize(monitorIndex(), width, height)) {
        return DisplaySize{width, height};
    }
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    return info != nullptr ? DisplaySize{info->current_w, info->current_h} : DisplaySize{0, 0};
}

bool letterboxedByKronvale(DisplaySize asked, DisplaySize desktop) {
    // Classic SDL leaves a window of a size the display cannot switch to in a
    // corner of the screen. Sizes no monitor could show are for SDL to refuse.
    if (onCompatibilityLayer() || asked.width <= 0 || asked.height <= 0 ||
        asked.width > desktop.width || asked.height > desktop.height ||
        (asked.width == desktop.width && asked.height == desktop.height)) {
        return false;
    }
    SDL_Rect** modes = SDL_ListModes(nullptr, SDL_OPENGL | SDL_FULLSCREEN);
    if (modes == reinterpret_cast<SDL_Rect**>(-1)) {
        return false;
    }
    for (int i = 0; modes != nullptr && modes[i] != nullptr; ++i) {
        if (modes[i]->w == asked.width && modes[i]->h == asked.height) {
            return false;
        }
    }
    return true;
}

void coverDesktop(DisplaySize desktop) {
#if defined(SDL_VIDEO_DRIVER_X11)
    // The layer leaves it to a window manager to make the window as large as
    // the desktop; with none, the window keeps the size asked for and shows a
    // magnified corner of the picture.
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!onCompatibilityLayer() || desktop.width <= 0 || desktop.height <= 0 ||
        SDL_GetWMInfo(&info) <= 0 || info.subsystem != SDL_SYSWM_X11 ||
        info.info.x11.display == nullptr) {
        return;
    }
    Display* display = info.info.x11.display;
    const Window window = info.info.x11.window;
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int childCount = 0;
    XWindowAttributes attributes;
    if (XQueryTree(display, window, &root, &parent, &children, &childCount) == 0 ||
        XGetWindowAttributes(display, window, &attributes) == 0) {
        return;
    }
    if (children != nullptr) {
        XFree(children);
    }
    // A window manager takes the window into a frame of its own and sizes it.
    if (parent != root ||
        (attributes.width >= desktop.width && attributes.height >= desktop.height)) {
        return;
    }
    // The layer centred the window on its monitor: keep that centre.
    const int x = attributes.x + attributes.width / 2 - desktop.width / 2;
    const int y = attributes.y + attributes.height / 2 - desktop.height / 2;
    XMoveResizeWindow(display, window, x, y, static_cast<unsigned int>(desktop.width),
                      static_cast<unsigned int>(desktop.height));
    XSync(display, False);
#else
    (void)desktop; // elsewhere the system sizes a full-screen window itself
#endif
}
