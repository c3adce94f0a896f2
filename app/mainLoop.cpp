// The main loop: one pass a frame, and a sleep while nobody sees them.
#include "app/app.h"

#include "camera/camera.h"
#include "platform/platform.h"
#include "scene/scene.h"

#include <SDL.h>

void runLoopPass() {
    // Each step reads what the one before it wrote: the input the view, the
    // view and the clock the frame, and the frame is counted before it is drawn.
    pollInput();
    if (screensaverRun) {
        takeTourInput();
    }
    runViewStep();
    clockReading = readLocalTime();
    countIdleFrame();
    followDrawable();
    if (drifting) {
        advanceDrift();
    }
    drawFrame();
    noteFramePresented();
    SDL_Delay(5);
}

void endIfDisplayLost() {
    if (const char* what = lostDisplay()) {
        endForLostDisplay(what);
    }
}

void sleepWhileUnseen() {
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
        endIfDisplayLost();
        sleepWhileUnseen();
        runLoopPass();
    }
}
