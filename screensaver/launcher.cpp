// kronvale-screensaver: runs Kronvale inside a window it is given, the way
// XScreenSaver hands a display mode its window; or full-screen, the way an
// idle daemon starts a screensaver on a Wayland desk.
//
//   kronvale-screensaver [-window-id ID | --window-id ID | -root | --root]
//   kronvale-screensaver --fullscreen
//
// The window comes from -window-id, else from XSCREENSAVER_WINDOW, else with
// -root it is the root window; without any, Kronvale simply opens a window of
// its own. Kronvale takes this process's place, so the signals that stop a
// screensaver reach it directly and nothing is left behind.
#include "app/app.h"
#include "platform/launcher.h"
#include "records/names.h"
#include "screensaver/screensaver.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char* const name = "kronvale-screensaver";

// Full-screen on the monitor Kronvale would go to, at its own size, touring;
// ended with status 0 by a key, a button or the pointer moving, as
// kronvale.scr /s is, or by SIGTERM; never holding the screen awake.
[[noreturn]] void runFullscreen() {
    setEnvironment(screensaverVariable, "1");
    setEnvironment(blankingVariable, "1");
    onVideoStarted = [] { installScreensaverInputFilter(ScreensaverAction::Show); };
    static char* argv[] = {const_cast<char*>("kronvale"), const_cast<char*>("fullscreen"),
                           const_cast<char*>("0"), const_cast<char*>("0"), nullptr};
    ::runKronvale(4, argv);
}

[[noreturn]] void runKronvale(const char* width, const char* height) {
    // A screensaver's run: the eye tours on its own, and the screensaver
    // that started it is never held off.
    setEnvironment(screensaverVariable, "1");
    setEnvironment(blankingVariable, "1");
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
    LauncherRequest request = parseLauncherCommandLine(argc, argv);
    if (request.lacking != nullptr) {
        std::fprintf(stderr, "%s: %s needs a window id\n", name, request.lacking);
        return 2;
    }
    if (request.fullscreen) {
        runFullscreen();
    }
    // The screensaver's own window beats the root window it may also ask for.
    if (request.window == nullptr) {
        const char* fromScreensaver = std::getenv(xscreensaverWindowVariable);
        if (fromScreensaver != nullptr && *fromScreensaver != '\0') {
            request.window = fromScreensaver;
        }
    }
    if (request.window == nullptr && !request.root) {
        runKronvale(nullptr, nullptr);
    }

    uint64_t window = 0;
    if (request.window != nullptr && !parseWindowId(request.window, window)) {
        std::fprintf(stderr, "%s: not a window id: %s\n", name, request.window);
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
    setEnvironment(foreignWindowVariable, std::to_string(window).c_str());
    setEnvironment(foreignOpenGlVariable, "1");
    runKronvale(std::to_string(width).c_str(), std::to_string(height).c_str());
}
