// Opens one real SDL OpenGL display per process.
#include "openDisplay.h"

#include "platform/platform.h"

#include <cstdlib>
#include <string>

namespace {

std::string failure;
bool opened = false;
int openedWidth = 0, openedHeight = 0;
Uint32 openedFlags = 0;

} // namespace

const char* openDisplayOnce(int width, int height, Uint32 flags) {
    if (opened) {
        if (width == openedWidth && height == openedHeight && flags == openedFlags) {
            return nullptr;
        }
        failure = "the display is open already, at " + std::to_string(openedWidth) + " by " +
                  std::to_string(openedHeight) + "; one display for all of a program's tests";
        return failure.c_str();
    }
    if (!failure.empty()) {
        return failure.c_str();
    }
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        failure = "no X display: run the tests with the test command (make test), "
                  "or under xvfb-run";
        return failure.c_str();
    }
    // As the program draws in a window: no scaling buffer in between.
    setEnvironmentDefault("SDL12COMPAT_OPENGL_SCALING", "0");
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        failure = std::string("SDL video could not start: ") + SDL_GetError();
        return failure.c_str();
    }
    const SDL_VideoInfo* desktop = SDL_GetVideoInfo();
    const int w = width == 0 && desktop != nullptr ? desktop->current_w : width;
    const int h = height == 0 && desktop != nullptr ? desktop->current_h : height;
    if (SDL_SetVideoMode(w, h, 32, flags) == nullptr) {
        failure = std::string("the display could not open: ") + SDL_GetError();
        return failure.c_str();
    }
    opened = true;
    openedWidth = width;
    openedHeight = height;
    openedFlags = flags;
    return nullptr;
}
