// The main loop and the one way out of the program.
#include "app/app.h"

#include "camera/camera.h"
#include "scene/scene.h"

#include <SDL.h>
#include <cstdlib>

namespace {

void runViewStep() {
    if (viewMode == Orbit) {
        orbitStep();
    } else if (viewMode == Fly) {
        flyStep();
    }
}

} // namespace

void runMainLoop() {
    for (;;) {
        pollInput();
        runViewStep();
        clockReading = readLocalTime();
        countIdleFrame();
        drawFrame();
        SDL_Delay(5);
    }
}

void quitProgram(int status) {
    SDL_Quit();
    std::exit(status);
}
