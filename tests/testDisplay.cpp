// Opens a real SDL OpenGL display for tests that need a GL context.
#include "testDisplay.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string failure;
bool opened = false;

} // namespace

const char* openTestDisplay(int width, int height, Uint32 flags) {
    if (opened) {
        return nullptr;
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
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        failure = std::string("SDL video could not start: ") + SDL_GetError();
        return failure.c_str();
    }
    // Zero means the desktop's size, as the program itself reads it.
    const SDL_VideoInfo* desktop = SDL_GetVideoInfo();
    if (width == 0 && desktop != nullptr) {
        width = desktop->current_w;
    }
    if (height == 0 && desktop != nullptr) {
        height = desktop->current_h;
    }
    if (SDL_SetVideoMode(width, height, 32, flags) == nullptr) {
        failure = std::string("the test display could not open: ") + SDL_GetError();
        return failure.c_str();
    }
    opened = true;
    return nullptr;
}

bool testDisplayMandatory() {
    const char* ci = std::getenv("CI");
    return ci != nullptr && *ci != '\0' && std::strcmp(ci, "false") != 0;
}
