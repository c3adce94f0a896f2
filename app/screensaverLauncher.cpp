// kronvale-screensaver: runs Kronvale inside a window it is given, the way
// XScreenSaver hands a display mode its window.
//
//   kronvale-screensaver [-window-id ID | --window-id ID | -root | --root]
//
// The window comes from -window-id, else from XSCREENSAVER_WINDOW, else with
// -root it is the root window; without any, Kronvale simply opens a window of
// its own. Kronvale replaces this process, so the signals that stop a
// screensaver reach it directly and nothing is left behind.
#include "platform/platform.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char* const name = "kronvale-screensaver";

bool parseWindowId(const char* text, uint64_t* id) {
    if (text == nullptr || *text == '\0') {
        return false;
    }
    errno = 0;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 0);
    if (errno != 0 || *end != '\0' || value == 0 || value > 0xFFFFFFFFull || text[0] == '-') {
        return false;
    }
    *id = value;
    return true;
}

[[noreturn]] void runKronvale(const char* width, const char* height) {
    // A screensaver's run (the program's KRONVALE_SCREENSAVER): the eye tours
    // on its own, and the screensaver that started it is never held off.
    setEnvironment("KRONVALE_SCREENSAVER", "1");
    setEnvironment("SDL_VIDEO_ALLOW_SCREENSAVER", "1");
    const char* argv[] = {"kronvale", "window", width, height, nullptr};
    if (width == nullptr) {
        argv[2] = nullptr;
    }
    runProgramBeside("kronvale", const_cast<char* const*>(argv));
    std::fprintf(stderr, "%s: cannot run kronvale: %s\n", name, std::strerror(errno));
    std::exit(127);
}

} // namespace

int main(int argc, char* argv[]) {
    const char* given = nullptr;
    bool root = false;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "-window-id") == 0 || std::strcmp(arg, "--window-id") == 0) {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "%s: %s needs a window id\n", name, arg);
                return 2;
            }
            given = argv[++i];
        } else if (std::strncmp(arg, "-window-id=", 11) == 0) {
            given = arg + 11;
        } else if (std::strncmp(arg, "--window-id=", 12) == 0) {
            given = arg + 12;
        } else if (std::strcmp(arg, "-root") == 0 || std::strcmp(arg, "--root") == 0) {
            root = true;
        }
        // Anything else a screensaver passes along is of no use here.
    }
    // The screensaver's own window beats the root window it may also ask for.
    if (given == nullptr) {
        const char* fromScreensaver = std::getenv("XSCREENSAVER_WINDOW");
        if (fromScreensaver != nullptr && *fromScreensaver != '\0') {
            given = fromScreensaver;
        }
    }
    if (given == nullptr && !root) {
        runKronvale(nullptr, nullptr);
    }

    uint64_t window = 0;
    if (given != nullptr && !parseWindowId(given, &window)) {
        std::fprintf(stderr, "%s: not a window id: %s\n", name, given);
        return 2;
    }
    int32_t width = 0;
    int32_t height = 0;
    switch (lookUpX11Window(window, width, height)) {
    case WindowLookup::NoDisplay:
        std::fprintf(stderr, "%s: cannot open the X display\n", name);
        return 1;
    case WindowLookup::NoWindow:
        std::fprintf(stderr, "%s: no such window: 0x%llx\n", name,
                     static_cast<unsigned long long>(window));
        return 1;
    case WindowLookup::Found:
        break;
    }

    // SDL draws into an existing window named by SDL_WINDOWID; the SDL 2 under
    // the compatibility layer also needs to be told that window takes OpenGL.
    setEnvironment("SDL_WINDOWID", std::to_string(window).c_str());
    setEnvironment("SDL_VIDEO_FOREIGN_WINDOW_OPENGL", "1");
    runKronvale(std::to_string(width).c_str(), std::to_string(height).c_str());
}
