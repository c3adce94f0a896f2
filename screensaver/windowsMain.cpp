// kronvale.scr: Kronvale with the command line Windows gives a screensaver,
// turned into the program's own before handing over to it.
#include "app/app.h"
#include "platform/platform.h"
#include "platform/windowsScreensaver.h"
#include "records/names.h"
#include "screensaver/screensaver.h"

#include <SDL.h>
#include <cstdio>
#include <string>

namespace {

// SDL draws into the given window, and the run is a screensaver's: the eye
// tours by itself and SDL holds off no screensaver, this one least of all.
void drawInto(uint64_t window) {
    setEnvironment(foreignWindowVariable, std::to_string(window).c_str());
    setEnvironment(screensaverVariable, "1");
    setEnvironment(blankingVariable, "1");
}

ScreensaverAction running = ScreensaverAction::Show;

// In place as soon as video has started, before the first event.
void filterInput() {
    installScreensaverInputFilter(running);
}

[[noreturn]] void runWith(const char* program, int32_t width, int32_t height) {
    static std::string widthText, heightText;
    widthText = std::to_string(width);
    heightText = std::to_string(height);
    static char* argv[5];
    argv[0] = const_cast<char*>(program);
    argv[1] = const_cast<char*>("window");
    argv[2] = const_cast<char*>(widthText.c_str());
    argv[3] = const_cast<char*>(heightText.c_str());
    argv[4] = nullptr;
    runKronvale(4, argv);
}

} // namespace

int main(int argc, char* argv[]) {
    const ScreensaverRequest request = parseScreensaverCommandLine(argc, argv);
    int32_t width = 0;
    int32_t height = 0;
    switch (request.action) {
    case ScreensaverAction::Configure:
        showMessageBox(screensaverTitle, screensaverNothingToSet);
        return 0;
    case ScreensaverAction::Unknown:
        showMessageBox(screensaverTitle, screensaverUsage);
        return 1;
    case ScreensaverAction::Show: {
        // Windows of its own rather than a full-screen mode: no mode change,
        // nothing that confines or moves the pointer, and every monitor covered.
        const uint64_t screen = openShowingWindows(judgeOutsideInput, width, height);
        if (screen == 0) {
            std::fprintf(stderr, "No window for the screensaver\n");
            return 1;
        }
        drawInto(screen);
        running = request.action;
        onVideoStarted = filterInput;
        runWith(argv[0], width, height);
    }
    case ScreensaverAction::Preview: {
        const uint64_t preview = openPreviewWindow(request.window, width, height);
        if (preview == 0) {
            std::fprintf(stderr, "No window %llu to show the preview in\n",
                         static_cast<unsigned long long>(request.window));
            return 1;
        }
        drawInto(preview);
        running = request.action;
        onVideoStarted = filterInput;
        runWith(argv[0], width, height);
    }
    }
    return 1;
}
