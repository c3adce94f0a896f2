// A real GL context for the benchmarks, opened once per process.
#include "benchDisplay.h"

#include "platform/platform.h"

#include <string>

bool openBenchDisplay(int width, int height, const char** why) {
    static bool opened = false;
    static std::string failure;
    if (!opened && failure.empty()) {
        // As the program does for a window: no scaling buffer in between.
        setEnvironmentDefault("SDL12COMPAT_OPENGL_SCALING", "0");
        if (SDL_Init(SDL_INIT_VIDEO) < 0 ||
            SDL_SetVideoMode(width, height, 32, SDL_OPENGL) == nullptr) {
            failure = std::string("no display for the benchmark: ") + SDL_GetError();
        } else {
            opened = true;
        }
    }
    *why = failure.c_str();
    return opened;
}
