// The main loop: one pass a frame, and a sleep while nobody sees them.
#include "app/app.h"

#include "camera/camera.h"
#include "platform/platform.h"
#include "scene/scene.h"

#include <SDL.h>

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
    noteFramePresented();
    SDL_Delay(5);
}

void waitWhileUnseen() {
    // However SDL tells of it, if at all.
    if (const char* what = lostDisplay()) {
        endForLostDisplay(what);
    }
    // Nobody sees the frames of an iconified display: sleep until something happens.
    SDL_Event event;
    while (minimised && SDL_WaitEvent(&event)) {
        applyEvent(event);
    }
    // Nor those of a display the window system asks no frames of; input
    // still counts, Escape above all.
    while (!minimised && framesUnasked()) {
        awaitFrameRequest(100);
        pollInput();
    }
}

void runMainLoop() {
    for (;;) {
        waitWhileUnseen();
        runLoopPass();
    }
}
