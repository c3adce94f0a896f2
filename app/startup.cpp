// Start-up, step by step: read the command line, start video, open the
// display, set up OpenGL and the font, create the scene, then loop.
#include "app/app.h"

#include "camera/camera.h"
#include "clock/timeLabels.h"
#include "platform/platform.h"
#include "scene/scene.h"

#include <SDL.h>
#include <cstdio>
#include <vector>

namespace {

// --help, -h and --version answer on standard output and open no display.
void answerInformationRequest(int argc, const char* const argv[]) {
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

// The options' records; a --night that is no FROM-TO ends the program.
void applyOptions(const Options& options) {
    if (options.badNight != nullptr) {
        std::fprintf(stderr, nightMessage, options.badNight);
        quitProgram(2);
    }
    twelveHourClock = options.twelveHour;
    drifting = options.drift;
    nightFrom = options.nightFrom;
    nightTo = options.nightTo;
}

} // namespace

void runKronvale(int argc, char* argv[]) {
    openStandardStreams();
    std::vector<const char*> words;
    const Options options = takeOptions(argc, argv, words);
    const int count = static_cast<int>(words.size()) - 1;
    answerInformationRequest(count, words.data());
    applyOptions(options);
    const DisplayRequest request = parseCommandLine(count, words.data());

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
