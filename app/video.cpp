// Starting video, up to and including SDL_Init: whether the run is a
// screensaver's, which of the two SDL 1.2 libraries runs (the maintained
// compatibility layer over SDL 2, or classic SDL 1.2), the settings the
// libraries read as video starts, the driver asked for, and the window
// system video runs on.
#include "app/app.h"

#include "platform/platform.h"
#include "records/names.h"

#include <SDL.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

void (*onVideoStarted)() = nullptr;

namespace {

bool linkedToCompatibilityLayer() {
    const SDL_version* version = SDL_Linked_Version();
    return version != nullptr && version->major == 1 && version->minor == 2 && version->patch >= 50;
}

[[noreturn]] void videoFailed(const char* why) {
    std::fprintf(stderr, "Video initialization failed: %s\n", why);
    quitProgram(1);
}

// On a Wayland desk the compatibility layer's SDL 2 would take the X server
// offered beside it, and never hear that nobody sees the clock: it is asked
// for Wayland, unless the user chose a driver or the run draws into an X
// window it was given. Classic SDL knows no Wayland.
bool askForDesktopDriver() {
    const char* driver = desktopVideoDriver();
    const char* window = std::getenv(foreignWindowVariable);
    if (driver == nullptr || sdlLibrary != SdlLibrary::CompatibilityLayer ||
        std::getenv(videoDriverVariable) != nullptr || (window != nullptr && *window != '\0')) {
        return false;
    }
    setEnvironment(videoDriverVariable, driver);
    return true;
}

// SDL's video, with the desktop's own driver where it is asked for, and else,
// or where that cannot start, whatever SDL picks.
void initVideoOrQuit(bool desktopDriver) {
    if (SDL_Init(SDL_INIT_VIDEO) >= 0) {
        return;
    }
    if (!desktopDriver) {
        videoFailed(SDL_GetError());
    }
    unsetEnvironment(videoDriverVariable);
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        videoFailed(SDL_GetError());
    }
}

// With no display to reach, SDL 2 underneath falls back to drawing off-screen,
// where nobody could see the clock or press Escape. Unless asked for by name,
// that counts as no video device at all.
bool onlyOffscreenVideo() {
    char name[32] = "";
    if (SDL_VideoDriverName(name, sizeof name) == nullptr || std::strcmp(name, "offscreen") != 0) {
        return false;
    }
    const char* requested = std::getenv(videoDriverVariable);
    return requested == nullptr || std::strcmp(requested, "offscreen") != 0;
}

// Whether the display asked for is the whole monitor, as started video tells.
bool atMonitorSize(const DisplayRequest& request) {
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    return info != nullptr && (request.width == 0 || request.width == info->current_w) &&
           (request.height == 0 || request.height == info->current_h);
}

} // namespace

void startVideoOrQuit(const DisplayRequest& request) {
    const char* asked = std::getenv(screensaverVariable);
    screensaverRun = asked != nullptr && std::strcmp(asked, "1") == 0;
    sdlLibrary =
        linkedToCompatibilityLayer() ? SdlLibrary::CompatibilityLayer : SdlLibrary::Classic;

    // A window or a screensaver leaves the user's blanking and lock alone;
    // full-screen keeps the screen awake like a clock on the wall, and says so
    // in Kronvale's name.
    if (screensaverRun || !request.fullscreen) {
        setEnvironmentDefault(blankingVariable, "1");
    }
    // Classic SDL would otherwise take the whole X screen, across every monitor.
    setEnvironmentDefault(monitorVariable, "0");
    // Without it, a desktop that scales doubles every pixel of the picture.
    setEnvironmentDefault(highDpiVariable, "1");
    setEnvironmentDefault(waylandIdVariable, applicationId);
    setEnvironmentDefault(appNameVariable, windowCaption);
    setEnvironmentDefault(awakeReasonVariable, screenAwakeReason);

    // The compatibility layer draws OpenGL into an off-screen buffer and
    // scales it onto the display: a few milliseconds of CPU and some 20 MiB,
    // and since every animation here advances per frame, a slower clock. It
    // is only worth it full-screen at a size other than the monitor's, where
    // it letterboxes; only the library can tell the monitor's size on every
    // desktop, once video has started. So full-screen, video starts first
    // just to say, asking nothing of the desktop meanwhile, and again once
    // the scaling is chosen.
    if (!request.fullscreen) {
        setEnvironmentDefault(scalingVariable, "0");
    }
    const bool askMonitor = request.fullscreen && sdlLibrary == SdlLibrary::CompatibilityLayer &&
                            std::getenv(scalingVariable) == nullptr;
    const bool blankingMeanwhile = askMonitor && std::getenv(blankingVariable) == nullptr;
    if (blankingMeanwhile) {
        setEnvironment(blankingVariable, "1");
    }
    initVideoOrQuit(askForDesktopDriver());
    if (askMonitor) {
        const bool scalingShowsNothing = atMonitorSize(request);
        if (scalingShowsNothing) {
            setEnvironment(scalingVariable, "0");
        }
        if (blankingMeanwhile) {
            unsetEnvironment(blankingVariable);
        }
        if (scalingShowsNothing || blankingMeanwhile) {
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
            if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
                videoFailed(SDL_GetError());
            }
        }
    }
    if (onlyOffscreenVideo()) {
        videoFailed("No available video device");
    }
    chooseWindowSystem();
    if (onVideoStarted != nullptr) {
        onVideoStarted();
    }
}
