// Start-up, step by step: the command line, SDL video, the display and its
// initial graphics state, then every long-lived object in a fixed order.
#include "app/app.h"

#include "app/sdlLibraries.h"
#include "camera/camera.h"
#include "clock/timeLabels.h"
#include "font/strokeFont.h"
#include "platform/platform.h"
#include "scene/scene.h"

#include <SDL.h>
#include <SDL_opengl.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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

void initVideoOrQuit(const DisplayRequest& request) {
    if (SDL_Init(SDL_INIT_VIDEO) < 0 || !settleLibrarySettings(request)) {
        std::fprintf(stderr, "Video initialization failed: %s\n", SDL_GetError());
        quitProgram(1);
    }
    if (onlyOffscreenVideo()) {
        std::fprintf(stderr, "Video initialization failed: %s\n", "No available video device");
        quitProgram(1);
    }
}

} // namespace

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
    prepareVideo(request);

    initVideoOrQuit(request);
    // The defaults (full-screen, 1024 by 768) unless the command line says otherwise.
    if (request.badFirstArgument) {
        // Shown before any display exists; start-up goes on once it is dismissed.
        showMessageBox("Error", firstParameterMessage);
    }
    fullscreen = request.fullscreen;
    if (!fullscreen) {
        SDL_WM_SetCaption(windowCaption, nullptr);
    }
    openDisplayOrQuit(request);
    allocateTimeLabels();
    initGraphicsState(screenWidth, screenHeight);
    buildFontOrQuit();
    placeCameraForStart();
    clockReading = readLocalTime();
    createLabelChains();
    hidePointer();
    runMainLoop();
}
