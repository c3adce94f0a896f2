// Start-up, step by step: read the command line, start video, open the
// display, set up OpenGL and the font, create the scene, then loop.
#include "app/app.h"

#include "camera/camera.h"
#include "clock/timeLabels.h"
#include "platform/platform.h"
#include "scene/scene.h"

#include <SDL.h>
#include <cstdio>

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

} // namespace

void runKronvale(int argc, char* argv[]) {
    openStandardStreams();
    answerInformationRequest(argc, argv);
    const DisplayRequest request = parseCommandLine(argc, argv);

    startVideoOrQuit(request);
    if (request.badFirstArgument) {
        // Shown before any display exists; start-up goes on once it is dismissed.
        showMessageBox("Error", firstParameterMessage);
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
