// The main loop and the one way out of the program.
#include "app/app.h"

#include "camera/camera.h"
#include "clock/timeLabels.h"
#include "scene/scene.h"

#include <SDL.h>
#include <GL/gl.h>
#include <GL/glu.h>
#include <cstdlib>

namespace {

void runViewStep() {
    // The view modes step the camera here.
}

void presentFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glViewport(0, 0, screenWidth, screenHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, aspectRatio, 1.0, 1024.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(camera.eye.x, camera.eye.y, camera.eye.z, camera.target.x, camera.target.y,
              camera.target.z, camera.up.x, camera.up.y, camera.up.z);
    buildTimeLabels();
    glTranslatef(0.0f, -5.0f, 0.0f);
    glScalef(0.3f, 0.3f, 0.3f);
    for (int32_t i = 0; i < chainCount; ++i) {
        chains[i]->update();
        chains[i]->draw();
    }
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
