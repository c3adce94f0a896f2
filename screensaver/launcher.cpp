// kronvale-screensaver: runs Kronvale inside a window it is given, the way
// XScreenSaver hands a display mode its window; or full-screen on every
// monitor, the way an idle daemon starts a screensaver on a Wayland desk.
//
//   kronvale-screensaver [-window-id ID | --window-id ID | -root | --root] [OPTION...]
//   kronvale-screensaver --fullscreen [OPTION...]
//
// Kronvale's own options (--12-hour, --drift, --night FROM-TO), which
// XScreenSaver's settings add, are passed on to it.
//
// The window comes from -window-id, else from XSCREENSAVER_WINDOW, else with
// -root it is the root window; without any, Kronvale simply opens a window of
// its own. Kronvale takes this process's place (full-screen, this program
// runs it itself, or one for each monitor while this one waits for them), so
// the signals that stop a screensaver reach it and nothing is left behind.
#include "app/kronvale.h"
#include "camera/tour.h"
#include "platform/launcher.h"
#include "records/names.h"
#include "screensaver/screensaver.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char* const name = "kronvale-screensaver";

// Kronvale's command line: the program, its display, then the options.
std::vector<const char*> kronvaleLine(std::initializer_list<const char*> display,
                                      const std::vector<const char*>& options) {
    std::vector<const char*> line{"kronvale"};
    line.insert(line.end(), display.begin(), display.end());
    line.insert(line.end(), options.begin(), options.end());
    line.push_back(nullptr);
    return line;
}

// Kronvale's options, for each monitor's Kronvale.
std::vector<const char*> fullscreenOptions;

// Full-screen on the monitor Kronvale would go to, at its own size, touring;
// ended with status 0 by a key, a button or the pointer moving, as
// kronvale.scr /s is, or by SIGTERM; never holding the screen awake.
[[noreturn]] void runFullscreen() {
    setEnvironment(screensaverVariable, "1");
    setEnvironment(blankingVariable, "1");
    onVideoStarted = [] { installScreensaverInputFilter(ScreensaverAction::Show); };
    static std::vector<const char*> line;
    line = kronvaleLine({"fullscreen", "0", "0"}, fullscreenOptions);
    runKronvale(static_cast<int>(line.size()) - 1, const_cast<char**>(line.data()));
}

[[noreturn]] void runKronvaleBeside(const char* width, const char* height,
                                    const std::vector<const char*>& options) {
    // A screensaver's run: the eye tours on its own, and the screensaver
    // that started it is never held off.
    setEnvironment(screensaverVariable, "1");
    setEnvironment(blankingVariable, "1");
    const std::vector<const char*> line = width != nullptr
                                              ? kronvaleLine({"window", width, height}, options)
                                              : kronvaleLine({"window"}, options);
    runProgramBeside("kronvale", const_cast<char* const*>(line.data()));
    std::fprintf(stderr, "%s: cannot run kronvale: %s\n", name, std::strerror(errno));
    std::exit(127);
}

// On an X server, the covers of the monitors, and where the pointer stood
// and stands over them.
std::vector<MonitorCover> covers;
PointerPosition pointer{0, 0};

PointerPosition coveredPointer() {
    return pointer;
}

// The covers hold the input while a Kronvale draws in each: the same things
// end the screensaver there as in a Kronvale's own filter.
bool userCameBack() {
    static ScreensaverInputFilter filter(ScreensaverAction::Show, coveredPointer);
    SDL_Event event{};
    switch (awaitCoverInput(100, pointer.x, pointer.y)) {
    case CoverInput::Nothing:
        return false;
    case CoverInput::Press:
        event.type = SDL_KEYDOWN;
        break;
    case CoverInput::Motion:
        event.type = SDL_MOUSEMOTION;
        break;
    }
    return filter.judge(event) == ScreensaverInput::Dismiss;
}

// Every monitor covered, each by a Kronvale of its own whose tour starts at
// a place of its own; a monitor the user named keeps it to that one. On an
// X server each draws in a cover of this program's, the input held here:
// full-screen, the libraries would keep the pointer to one monitor, and pull
// it off another, where another Kronvale takes that for the user coming back.
[[noreturn]] void runOnEveryMonitor(const std::vector<const char*>& options) {
    fullscreenOptions = options;
    static int monitors = 0;
    bool wayland = false;
    monitors = std::getenv(monitorVariable) == nullptr ? countMonitors(wayland) : 1;
    if (monitors <= 1) {
        runFullscreen();
    }
    if (wayland) {
        std::exit(runOnEachMonitor(
            monitors,
            [](int index) {
                setEnvironment(monitorVariable, std::to_string(index).c_str());
                startTourOn(index, monitors);
                runFullscreen();
            },
            nullptr));
    }
    covers = coverMonitors();
    pointerOnScreen(pointer.x, pointer.y);
    monitors = static_cast<int>(covers.size());
    std::exit(runOnEachMonitor(
        monitors,
        [](int index) {
            const MonitorCover& cover = covers[index];
            setEnvironment(screensaverVariable, "1");
            setEnvironment(blankingVariable, "1");
            setEnvironment(foreignWindowVariable, std::to_string(cover.window).c_str());
            setEnvironment(foreignOpenGlVariable, "1");
            startTourOn(index, monitors);
            static std::vector<const char*> line;
            static std::string width, height;
            width = std::to_string(cover.width);
            height = std::to_string(cover.height);
            line = kronvaleLine({"window", width.c_str(), height.c_str()}, fullscreenOptions);
            runKronvale(static_cast<int>(line.size()) - 1, const_cast<char**>(line.data()));
        },
        userCameBack));
}

} // namespace

int main(int argc, char* argv[]) {
    // Kronvale's options, found as Kronvale finds them, and the rest.
    std::vector<const char*> rest;
    takeOptions(argc, argv, rest);
    std::vector<const char*> options;
    for (int i = 1; i < argc; ++i) {
        if (std::find(rest.begin(), rest.end(), argv[i]) == rest.end()) {
            options.push_back(argv[i]);
        }
    }
    LauncherRequest request =
        parseLauncherCommandLine(static_cast<int>(rest.size()) - 1, rest.data());
    if (request.lacking != nullptr) {
        std::fprintf(stderr, "%s: %s needs a window id\n", name, request.lacking);
        return 2;
    }
    if (request.fullscreen) {
        runOnEveryMonitor(options);
    }
    // The screensaver's own window beats the root window it may also ask for.
    if (request.window == nullptr) {
        const char* fromScreensaver = std::getenv(xscreensaverWindowVariable);
        if (fromScreensaver != nullptr && *fromScreensaver != '\0') {
            request.window = fromScreensaver;
        }
    }
    if (request.window == nullptr && !request.root) {
        runKronvaleBeside(nullptr, nullptr, options);
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
    runKronvaleBeside(std::to_string(width).c_str(), std::to_string(height).c_str(), options);
}
