// The SDL 2 under the SDL 1.2 compatibility layer, the one place it is
// reached: the layer names its SDL 2 window, and SDL 2, which the layer
// loaded, tells that window's drawable and, on Wayland, its surface.
// Neither is there with classic SDL.
#include "platform/linuxWindowSystems.h"

#include <SDL.h>
#include <dlfcn.h>

namespace {

// SDL 2's description of its window, as far as it goes on Wayland; asked as
// of version 2.0.6, it fills no more than these fields.
struct Sdl2WindowInfo {
    struct {
        Uint8 major, minor, patch;
    } version;
    int subsystem;
    union {
        struct {
            wl_display* display;
            wl_surface* surface;
        } wl;
        Uint8 dummy[64];
    } info;
};
constexpr int sdl2Wayland = 6; // SDL_SYSWM_WAYLAND

// What SDL 2, which the layer loaded, has of that name.
void* sdl2Function(const char* name) {
    void* sdl2 = dlopen("libSDL2-2.0.so.0", RTLD_LAZY | RTLD_NOLOAD);
    return sdl2 != nullptr ? dlsym(sdl2, name) : nullptr;
}

void* sdl2Window() {
    using GetWindow = void* (*)();
    static const auto getWindow =
        reinterpret_cast<GetWindow>(dlsym(RTLD_DEFAULT, "SDL12COMPAT_GetWindow"));
    return getWindow != nullptr ? getWindow() : nullptr;
}

} // namespace

bool sdl2DrawableSize(int32_t& width, int32_t& height) {
    using GetDrawableSize = void (*)(void*, int*, int*);
    static const auto getSize =
        reinterpret_cast<GetDrawableSize>(sdl2Function("SDL_GL_GetDrawableSize"));
    void* window = getSize != nullptr ? sdl2Window() : nullptr;
    if (window == nullptr) {
        return false;
    }
    int w = 0;
    int h = 0;
    getSize(window, &w, &h);
    width = w;
    height = h;
    return w > 0 && h > 0;
}

bool sdl2WaylandSurface(wl_display*& display, wl_surface*& surface) {
    using GetWindowInfo = int (*)(void*, Sdl2WindowInfo*);
    static const auto getInfo =
        reinterpret_cast<GetWindowInfo>(sdl2Function("SDL_GetWindowWMInfo"));
    void* window = getInfo != nullptr ? sdl2Window() : nullptr;
    Sdl2WindowInfo info{};
    info.version = {2, 0, 6};
    if (window == nullptr || getInfo(window, &info) == 0 || info.subsystem != sdl2Wayland ||
        info.info.wl.display == nullptr || info.info.wl.surface == nullptr) {
        return false;
    }
    display = info.info.wl.display;
    surface = info.info.wl.surface;
    return true;
}
