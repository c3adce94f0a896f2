// SDL events made by hand, as the library would report them, and its queue.
#pragma once

#include "savedState.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

inline SDL_Event keyDown(SDLKey key) {
    SDL_Event event{};
    event.type = event.key.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    return event;
}

inline SDL_Event keyUp(SDLKey key) {
    SDL_Event event = keyDown(key);
    event.type = event.key.type = SDL_KEYUP;
    event.key.state = SDL_RELEASED;
    return event;
}

inline SDL_Event motion(Uint16 x, Uint16 y) {
    SDL_Event event{};
    event.type = event.motion.type = SDL_MOUSEMOTION;
    event.motion.x = x;
    event.motion.y = y;
    return event;
}

// Button events carry a position too, which the program is not to take.
inline SDL_Event button(Uint8 type, Uint8 which, Uint16 x = 7, Uint16 y = 9) {
    SDL_Event event{};
    event.type = event.button.type = type;
    event.button.button = which;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = x;
    event.button.y = y;
    return event;
}

// Gaining or losing what state names: SDL_APPACTIVE (iconified or not),
// SDL_APPINPUTFOCUS, SDL_APPMOUSEFOCUS.
inline SDL_Event activation(Uint8 state, Uint8 gain) {
    SDL_Event event{};
    event.type = event.active.type = SDL_ACTIVEEVENT;
    event.active.state = state;
    event.active.gain = gain;
    return event;
}

inline SDL_Event ofType(Uint8 type) {
    SDL_Event event{};
    event.type = type;
    return event;
}

inline void push(SDL_Event event) {
    if (SDL_PushEvent(&event) != 0) {
        ADD_FAILURE() << "could not queue an event: " << SDL_GetError();
    }
}

// SDL's real queue, with its event-only driver, and the records put back
// afterwards. A wait that never ends fails within seconds, not at ctest's timeout.
class EventQueue : public ::testing::Test {
protected:
    void SetUp() override {
        alarm(20);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    }
    void TearDown() override {
        SDL_Quit();
        alarm(0);
    }

    SavedState saved;
    ScopedEnv driver{"SDL_VIDEODRIVER", "dummy"};
};
