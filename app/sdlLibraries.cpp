// What differs between the two SDL 1.2 libraries Kronvale runs on, and what
// Kronvale does about it so that both show the same picture.
#include "app/sdlLibraries.h"

#include "platform/platform.h"

#include <SDL.h>
#include <SDL_opengl.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>

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

// A drawable of the display's own pixels where the desktop scales the
// window (Wayland at a scale of 2): without it, the desktop doubles every
// pixel of a picture drawn at the window's size.
constexpr const char* highDpiVariable = "SDL12COMPAT_HIGHDPI";

// The name Wayland desktops match to the menu entry, and so to its icon.
constexpr const char* waylandIdVariable = "SDL_VIDEO_WAYLAND_WMCLASS";

// OpenGL's GL_FRAMEBUFFER_BINDING, from beyond version 1.1: the layer's
// scaling draws into a framebuffer of its own.
constexpr GLenum framebufferBinding = 0x8CA6;

// Whether the screen may blank; SDL 2 asks the desktop to keep it awake as
// video starts, unless this says so.
constexpr const char* blankingVariable = "SDL_VIDEO_ALLOW_SCREENSAVER";

// Video started only to ask the monitor's size, and whether it holds the
// desktop's blanking meanwhile on Kronvale's own say.
bool asking = false;
bool blankingWhileAsking = false;

bool onCompatibilityLayer() {
    const SDL_version* version = SDL_Linked_Version();
    return version != nullptr && version->major == 1 && version->minor == 2 && version->patch >= 50;
}

int monitorIndex() {
    const char* chosen = std::getenv(monitorVariable);
    return chosen != nullptr ? std::max(std::atoi(chosen), 0) : 0;
}

} // namespace

void chooseLibrarySettings(const DisplayRequest& request) {
    setEnvironmentDefault(monitorVariable, "0");
    setEnvironmentDefault(highDpiVariable, "1");
    setEnvironmentDefault(waylandIdVariable, applicationId);
    if (!request.fullscreen) {
        setEnvironmentDefault(scalingVariable, "0");
        return;
    }
    // Full-screen, only the library can tell the monitor's size on every
    // desktop, once video has started: it starts first just to say, asking
    // nothing of the desktop meanwhile, and again once the scaling is chosen.
    asking = onCompatibilityLayer() && std::getenv(scalingVariable) == nullptr;
    blankingWhileAsking = asking && std::getenv(blankingVariable) == nullptr;
    if (blankingWhileAsking) {
        setEnvironment(blankingVariable, "1");
    }
}

bool settleLibrarySettings(const DisplayRequest& request) {
    if (!asking) {
        return true;
    }
    asking = false;
    // At the monitor's size the scaling would show nothing; at another it
    // letterboxes the picture, and stays.
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    const bool atMonitorSize = info != nullptr &&
                               (request.width == 0 || request.width == info->current_w) &&
                               (request.height == 0 || request.height == info->current_h);
    if (!atMonitorSize && !blankingWhileAsking) {
        return true;
    }
    if (atMonitorSize) {
        setEnvironment(scalingVariable, "0");
    }
    if (blankingWhileAsking) {
        unsetEnvironment(blankingVariable);
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}

float drawablePixelsPerPoint(DisplaySize display) {
    if (!onCompatibilityLayer() || display.width <= 0) {
        return 1.0f;
    }
    // Scaling, the layer draws at the display's points into a buffer of its
    // own, which a context without framebuffers of its own cannot do.
    static const bool framebuffers = [] {
        const auto* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
        return extensions != nullptr && std::strstr(extensions, "framebuffer_object") != nullptr;
    }();
    GLint framebuffer = 0;
    if (framebuffers) {
        glGetIntegerv(framebufferBinding, &framebuffer);
    }
    int32_t width = 0;
    int32_t height = 0;
    // While the desktop has not yet said how it shows the window, the
    // drawable may be a few pixels only.
    if (framebuffer != 0 || !drawableSize(width, height) || width < display.width) {
        return 1.0f;
    }
    return static_cast<float>(width) / static_cast<float>(display.width);
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
    // The layer leaves it to a window manager to make the window as large as
    // the desktop; with none, the window keeps the size asked for and shows a
    // magnified corner of the picture.
    if (onCompatibilityLayer()) {
        growToFullscreen(desktop.width, desktop.height);
    }
}
