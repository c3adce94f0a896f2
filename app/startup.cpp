// Start-up: SDL video, the command line, the display and the initial graphics
// state, then every long-lived object in a fixed order.
#include "app/app.h"

#include "camera/camera.h"
#include "clock/timeLabels.h"
#include "font/strokeFont.h"
#include "scene/scene.h"

#include <SDL.h>
#include <SDL_opengl.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

bool fullscreen = true;

namespace {

// --help, -h and --version answer on standard output and open no display.
void answerInformationRequest(int argc, char* argv[]) {
    switch (parseInformationRequest(argc, argv)) {
    case InformationRequest::Usage:
        std::fputs(usageText, stdout);
        quitProgram(0);
    case InformationRequest::Version:
        std::fputs(versionText, stdout);
        quitProgram(0);
    case InformationRequest::None:
        break;
    }
}

// The SDL 1.2 compatibility layer draws OpenGL into an off-screen buffer and
// scales it onto the display: a few milliseconds of CPU and some 20 MiB, and
// since every animation here advances per frame, a slower clock. It is only
// worth it full-screen at a size other than the desktop's, where it
// letterboxes. Classic SDL 1.2 knows no such thing and ignores the variable.
constexpr const char* scalingVariable = "SDL12COMPAT_OPENGL_SCALING";

bool onCompatibilityLayer() {
    const SDL_version* version = SDL_Linked_Version();
    return version != nullptr && version->major == 1 && version->minor == 2 && version->patch >= 50;
}

// With no display to reach, SDL 2 underneath falls back to drawing off-screen,
// where nobody could see the clock or press Escape. Unless asked for by name,
// that counts as no video device at all.
bool onlyOffscreenVideo() {
    char name[32] = "";
    if (SDL_VideoDriverName(name, sizeof name) == nullptr || std::strcmp(name, "offscreen") != 0) {
        return false;
    }
    const char* requested = std::getenv("SDL_VIDEODRIVER");
    return requested == nullptr || std::strcmp(requested, "offscreen") != 0;
}

void initVideoOrQuit() {
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "Video initialization failed: %s\n", SDL_GetError());
        quitProgram(1);
    }
    if (onlyOffscreenVideo()) {
        std::fprintf(stderr, "Video initialization failed: %s\n", "No available video device");
        quitProgram(1);
    }
}

// A window never needs the scaling; say so before video starts, which is
// when the library reads it. The user's own setting stands.
void chooseScalingForWindow(const DisplayRequest& request) {
    if (!request.fullscreen) {
        setEnvironmentDefault(scalingVariable, "0");
    }
}

// The desktop's size, as video found it before any display was opened.
struct DesktopSize {
    int32_t width;
    int32_t height;
};

DesktopSize readDesktopSize() {
    const SDL_VideoInfo* desktop = SDL_GetVideoInfo();
    return desktop != nullptr ? DesktopSize{desktop->current_w, desktop->current_h}
                              : DesktopSize{0, 0};
}

// Full-screen at the desktop's own size the scaling would show nothing
// either, but the desktop's size is known only once video has started:
// start it again without.
void dropScalingAtDesktopSize(DesktopSize desktop) {
    if (!fullscreen || !onCompatibilityLayer() || std::getenv(scalingVariable) != nullptr ||
        screenWidth != desktop.width || screenHeight != desktop.height) {
        return;
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    setEnvironmentDefault(scalingVariable, "0");
    initVideoOrQuit();
}

// Full-screen at any other size, the layer scales its picture to the whole
// desktop, letterboxed, and leaves it to the window manager to make the
// window that large; with none, the window keeps the size asked for and shows
// a magnified corner of the picture.
void letterboxWithoutWindowManager(DesktopSize desktop) {
    if (fullscreen && onCompatibilityLayer() && desktop.width > 0 && desktop.height > 0) {
        coverDesktop(desktop.width, desktop.height);
    }
}

// No X11 window side is larger than this. Asked for far more, the library's
// own size check can overflow and the first frame crashes; asked for this
// much, it refuses plainly.
constexpr int32_t largestDisplaySide = 32767;

// SDL takes a zero side to mean the desktop's; ask for that size outright,
// since full-screen a zero would otherwise open a display one pixel wide.
int32_t displaySide(int32_t asked, int32_t desktopSide) {
    return std::min(asked == 0 ? desktopSide : asked, largestDisplaySide);
}

void openDisplayOrQuit() {
    const Uint32 flags = fullscreen ? (SDL_OPENGL | SDL_FULLSCREEN) : SDL_OPENGL;
    SDL_Surface* display = SDL_SetVideoMode(screenWidth, screenHeight, 32, flags);
    if (display == nullptr) {
        std::fprintf(stderr, "Video mode set failed: %s\n", SDL_GetError());
        quitProgram(1);
    }
    // Take what was really opened, so that neither the halves nor the aspect
    // ratio can come out as 0.
    if (display->w != screenWidth || display->h != screenHeight) {
        setScreenSize(display->w, display->h);
    }
}

} // namespace

void setScreenSize(int32_t width, int32_t height) {
    screenWidth = width;
    screenHeight = height;
    halfWidth = width / 2;
    halfHeight = height / 2;
}

void initGraphicsState(int32_t width, int32_t height) {
    aspectRatio = static_cast<float>(static_cast<double>(width) / static_cast<double>(height));
    glShadeModel(GL_SMOOTH);
    glClearColor(1.0f, 1.0f, 1.0f, 0.0f);
    glClearDepth(1.0);
    glDisable(GL_DEPTH_TEST);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
    glEnable(GL_TEXTURE_2D);
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, aspectRatio, 1.0, 1024.0);
}

void buildFontOrQuit() {
    fontBase = buildStrokeFont();
    if (fontBase == 0) {
        // Every label would draw nothing at all: better to say why and stop.
        std::fprintf(stderr, "Font creation failed: %s\n", "no display lists available");
        quitProgram(1);
    }
}

void runKronvale(int argc, char* argv[]) {
    openStandardStreams();
    answerInformationRequest(argc, argv);
    const DisplayRequest request = parseCommandLine(argc, argv);
    chooseScalingForWindow(request);

    initVideoOrQuit();
    // The defaults (full-screen, 1024 by 768) unless the command line says otherwise.
    if (request.badFirstArgument) {
        // Shown before any display exists; start-up goes on once it is dismissed.
        showMessageBox("Error", firstParameterMessage);
    }
    fullscreen = request.fullscreen;
    if (!fullscreen) {
        SDL_WM_SetCaption(windowCaption, nullptr);
    }
    const DesktopSize desktop = readDesktopSize();
    setScreenSize(displaySide(request.width, desktop.width),
                  displaySide(request.height, desktop.height));
    dropScalingAtDesktopSize(desktop);
    openDisplayOrQuit();
    letterboxWithoutWindowManager(desktop);
    allocateTimeLabels();
    initGraphicsState(screenWidth, screenHeight);
    buildFontOrQuit();
    placeCameraForStart();
    clockReading = readLocalTime();
    createLabelChains();
    hidePointer();
    runMainLoop();
}
