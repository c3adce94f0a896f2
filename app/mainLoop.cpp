// The main loop and the one way out of the program.
#include "app/app.h"

#include "camera/camera.h"
#include "platform/platform.h"
#include "scene/scene.h"

#include <SDL.h>
#include <cstdlib>

void runLoopPass() {
    pollInput();
    if (screensaverRun) {
        tourInput();
    }
    runViewStep();
    clockReading = readLocalTime();
    countIdleFrame();
    followDrawable();
    drawFrame();
    SDL_Delay(5);
}

void waitWhileMinimised() {
    // Nobody sees the frames of an iconified display: sleep until something happens.
    SDL_Event event;
    while (minimised && SDL_WaitEvent(&event)) {
        applyEvent(event);
    }
}

void runMainLoop() {
    for (;;) {
        waitWhileMinimised();
        runLoopPass();
    }
}

void quitProgram(int status) {
    SDL_Quit();
    std::exit(status);
}
