// The main loop and the one way out of the program.
#include "app/app.h"

#include "clock/timeLabels.h"

#include <SDL.h>
#include <GL/gl.h>
#include <cstdlib>

namespace {

void runViewStep() {
    // The view modes step the camera here.
}

void presentFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    buildTimeLabels();
    SDL_GL_SwapBuffers();
}

} // namespace

void runMainLoop() {
    for (;;) {
        pollInput();
        runViewStep();
        clockReading = readLocalTime();
        countIdleFrame();
        presentFrame();
        SDL_Delay(5);
    }
}

void quitProgram(int status) {
    SDL_Quit();
    std::exit(status);
}
