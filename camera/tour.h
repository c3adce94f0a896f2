// A screensaver's tour: the stand-in pointer and buttons that a run nobody
// steers gives the Orbit step, swinging the eye round the bundle and now and
// then bringing it in close enough to read the labels. Motion only, like the
// view modes beside it: the shell takes it as the mouse's input.
#pragma once

#include <cstdint>

struct TourInput {
    int32_t x; // the stand-in pointer, in display points, often far beyond the edges
    int32_t y;
    bool left;  // button 1: the eye comes in
    bool right; // button 3: it goes back out
};

// Frames until the tour starts over: six minutes at 60 a second.
constexpr int32_t tourLength = 21600;
extern int32_t tourFrame; // how far into it, 0 to tourLength - 1

// The input of the tour's next frame, for the display's size as it is now.
TourInput nextTourInput();

// Where the tour starts on monitor `index` of `count`, each at a place of
// its own, so that no two show the same frame by chance.
void startTourOn(int32_t index, int32_t count);
