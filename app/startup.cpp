// Start-up: SDL video, the command line, the display and the initial graphics state.
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

int32_t screenWidth = 1024;
int32_t screenHeight = 768;
int32_t halfWidth = 512;
int32_t halfHeight = 384;
float aspectRatio = 1024.0f / 768.0f;
bool fullscreen = true;
ClockReading clockReading{0, 0, 0};

namespace {

constexpr int32_t largestDisplaySide = 32767;

// The SDL 1.2 compatibility layer draws OpenGL into an off-screen buffer and
// scales it onto the display: a few milliseconds of CPU and some 20 MiB, and
// since every animation here advances per frame, a slower clock. Classic SDL
// 1.2 knows no such thing and ignores the variable.
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

bool wantsUnscaledOpenGL(bool fullscreenDisplay, int32_t width, int32_t height,
                         int32_t desktopWidth, int32_t desktopHeight) {
    return !fullscreenDisplay || (width == desktopWidth && height == desktopHeight);
}

void runKronvale(int argc, char* argv[]) {
    // The library reads its scaling switch when video starts. A window needs
    // no scaling, so say so at once; full-screen, it depends on the desktop.
    const bool scalingChosen = std::getenv(scalingVariable) != nullptr;
    const DisplayRequest request = parseCommandLine(argc, argv);
    if (!scalingChosen && !request.fullscreen) {
        setEnvironmentDefault(scalingVariable, "0");
    }

    initVideoOrQuit();

    screenWidth = 1024;
    screenHeight = 768;
    fullscreen = true;

    if (argc >= 2) {
        if (request.badFirstArgument) {
            // Shown before any display exists; start-up goes on once it is dismissed.
            showMessageBox("Error", firstParameterMessage);
        }
        fullscreen = request.fullscreen;
        screenWidth = request.width;
        screenHeight = request.height;
        if (!fullscreen) {
            SDL_WM_SetCaption(windowCaption, nullptr);
        }
    }

    // SDL takes a zero size to mean the desktop's; ask for that size outright,
    // since full-screen a zero would otherwise open a display one pixel wide.
    const SDL_VideoInfo* desktop = SDL_GetVideoInfo();
    if (desktop != nullptr) {
        if (screenWidth == 0) {
            screenWidth = desktop->current_w;
        }
        if (screenHeight == 0) {
            screenHeight = desktop->current_h;
        }
    }

    // No X11 window is larger than 32767 either way. Asked for far more, the
    // library's own size check can overflow and the first frame crashes; asked
    // for 32767, it refuses plainly.
    setScreenSize(std::min(screenWidth, largestDisplaySide),
                  std::min(screenHeight, largestDisplaySide));

    // Full-screen at the desktop's own size, scaling would show nothing
    // either: start video again without it. At any other size it letterboxes,
    // so it stays.
    if (fullscreen && !scalingChosen && desktop != nullptr && onCompatibilityLayer() &&
        wantsUnscaledOpenGL(fullscreen, screenWidth, screenHeight, desktop->current_w,
                            desktop->current_h)) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        setEnvironmentDefault(scalingVariable, "0");
        initVideoOrQuit();
    }

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

    allocateTimeLabels();

    initGraphicsState(screenWidth, screenHeight);

    buildFontOrQuit();

    placeCameraForStart();

    clockReading = readLocalTime();

    createLabelChains();

    hidePointer();

    runMainLoop();
}
