// OpenGL's initial state and the stroke font, set up once the display is
// open, and again whenever it opens anew.
#include "app/app.h"

#include "font/strokeFont.h"
#include "scene/scene.h"

#include <SDL.h>
#include <SDL_opengl.h>
#include <cstdio>

void initGraphicsState(int32_t width, int32_t height) {
    aspectRatio = static_cast<float>(static_cast<double>(width) / static_cast<double>(height));
    glShadeModel(GL_SMOOTH);
    glClearColor(1.0f, 1.0f, 1.0f, 0.0f);
    glClearDepth(1.0);
    glDisable(GL_DEPTH_TEST);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
    glEnable(GL_TEXTURE_2D);
    setSceneView();
}

void buildFontOrQuit() {
    fontBase = buildStrokeFont();
    if (fontBase == 0) {
        // Every label would draw nothing at all: better to say why and stop.
        std::fprintf(stderr, "Font creation failed: %s\n", "no display lists available");
        quitProgram(1);
    }
}
