// Input events: the mouse state, the view mode, minimising and the requests to quit.
#include "app/app.h"

#include <SDL.h>
#include <cstdint>

bool minimised = false;

InputResult handleEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN:
        if (event.key.keysym.sym == SDLK_ESCAPE) {
            return InputResult::Quit;
        }
        if (event.key.keysym.sym == SDLK_SPACE) {
            viewMode = viewMode == Orbit ? Fly : Orbit;
        }
        break;
    case SDL_MOUSEMOTION:
        mouseX = event.motion.x;
        mouseY = event.motion.y;
        idleFrames = 0;
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        const bool down = event.type == SDL_MOUSEBUTTONDOWN;
        if (event.button.button == SDL_BUTTON_LEFT) {
            leftButtonDown = down;
        } else if (event.button.button == SDL_BUTTON_RIGHT) {
            rightButtonDown = down;
        }
        idleFrames = 0;
        break;
    }
    case SDL_ACTIVEEVENT:
        // Only iconifying counts; losing the focus or the pointer does not.
        if (event.active.state & SDL_APPACTIVE) {
            minimised = event.active.gain == 0;
        }
        break;
    case SDL_QUIT:
        return InputResult::Quit;
    default:
        break;
    }
    return InputResult::Continue;
}

void pollInput() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (handleEvent(event) == InputResult::Quit) {
            quitProgram(0);
        }
    }
}

void countIdleFrame() {
    // A screen left alone for a year must not wrap the count into negatives.
    if (idleFrames < INT32_MAX) {
        ++idleFrames;
    }
}
