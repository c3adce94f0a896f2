// Input events: the mouse state, the view mode's switch, minimising, the
// display's changes and the requests to quit; and in a screensaver's run the
// tour's stand-in for the mouse. The one writer of the pointer's records.
#include "app/app.h"

#include "camera/camera.h"
#include "camera/tour.h"
#include "platform/platform.h"

#include <SDL.h>
#include <algorithm>
#include <cstdint>

bool minimised = false;

namespace {

// From the display's points to the picture's: the same unless it is letterboxed.
int32_t inPicture(int32_t at, int32_t start, int32_t shown, int32_t size) {
    if (shown == size) {
        return at - start;
    }
    return static_cast<int32_t>(int64_t{at - start} * size / std::max(shown, 1));
}

} // namespace

InputResult handleEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN:
        if (event.key.keysym.sym == SDLK_ESCAPE) {
            return InputResult::Quit;
        }
        if (event.key.keysym.sym == SDLK_SPACE) {
            switchViewMode();
        }
        if (event.key.keysym.sym == SDLK_F11) {
            return InputResult::SwitchFullscreen;
        }
        break;
    case SDL_MOUSEMOTION:
        mouseX = inPicture(event.motion.x, picture.left, picture.width, screenWidth);
        mouseY = inPicture(event.motion.y, picture.top, picture.height, screenHeight);
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
    case SDL_VIDEOEXPOSE:
        // However a window manager shows the window again, it is seen.
        minimised = false;
        break;
    case SDL_VIDEORESIZE:
        minimised = false;
        return InputResult::Resize;
    case SDL_QUIT:
        return InputResult::Quit;
    default:
        break;
    }
    return InputResult::Continue;
}

void applyEvent(const SDL_Event& event) {
    switch (handleEvent(event)) {
    case InputResult::Quit:
        // SDL tells of a Wayland compositor's end as a request to quit.
        if (const char* what = lostDisplay()) {
            endForLostDisplay(what);
        }
        quitProgram(0);
    case InputResult::SwitchFullscreen:
        switchFullscreen();
        break;
    case InputResult::Resize:
        resizeDisplay(event.resize.w, event.resize.h);
        break;
    case InputResult::Continue:
        break;
    }
}

void pollInput() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        applyEvent(event);
    }
}

void takeTourInput() {
    const TourInput tour = nextTourInput();
    mouseX = tour.x;
    mouseY = tour.y;
    leftButtonDown = tour.left;
    rightButtonDown = tour.right;
}

void countIdleFrame() {
    // A screen left alone for a year must not wrap the count into negatives.
    if (idleFrames < INT32_MAX) {
        ++idleFrames;
    }
}
