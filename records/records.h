// The program-wide records every part reads: which SDL runs, the screen, the
// clock reading and the input state. The shell writes them (each comment
// says where); clock/, camera/, scene/ and platform/ only read them.
#pragma once

#include "records/timeOfDay.h"
#include "records/vec3.h"

#include <cstdint>

// Which SDL 1.2 runs: the maintained compatibility layer over SDL 2, or
// classic SDL 1.2. Decided once, as video starts (app/video.cpp).
enum class SdlLibrary { CompatibilityLayer, Classic };
extern SdlLibrary sdlLibrary;

// Screen state, written by the display (app/display.cpp) whenever it opens:
// at start-up, when the window is resized and when F11 switches; the aspect
// ratio by the graphics state that follows each opening (app/graphics.cpp).
// Sizes are in the display's points, the desktop's units, as the mouse
// counts them.
extern int32_t screenWidth;  // 1024 unless the command line gives a size
extern int32_t screenHeight; // 768 likewise
extern int32_t halfWidth;    // screenWidth / 2, truncated
extern int32_t halfHeight;   // screenHeight / 2, truncated
extern float aspectRatio;    // width / height, for every perspective projection

// Pixels the display draws for each of its points: 1, or 2 (say) where a
// desktop at double scale gives the window a drawable twice its size.
extern float pixelsPerPoint;

// Where the picture lies in the display, in the display's points: all of it,
// unless full-screen at a size the display cannot take letterboxes it there
// (placePicture, scene/scene.h).
struct PictureArea {
    int32_t left;   // from the display's left edge
    int32_t top;    // from its top edge, as the mouse counts
    int32_t bottom; // from its bottom edge, as OpenGL's viewport counts
    int32_t width;
    int32_t height;
};
extern PictureArea picture;
extern bool letterboxed; // the picture is smaller than the display, between bars

// A screensaver's run: nobody steers, so a stand-in pointer tours the
// bundle and no dot is drawn. Decided before video starts (app/video.cpp).
extern bool screensaverRun;

// What the options asked for, written by start-up from the command line
// (app/startup.cpp): labels of 12 hours, a drifting picture, the night.
extern bool twelveHourClock;
extern bool drifting;
extern int32_t nightFrom; // whole hours of the local clock; equal: no night
extern int32_t nightTo;

// Local time of day, read by start-up and the main loop, once per frame.
extern TimeOfDay clockReading;

// Input state, written by the input events (app/input.cpp), and in a
// screensaver's run by the tour's stand-in, which input takes in their place.
extern int32_t mouseX;       // points from the display's left edge, as the last motion reported
extern int32_t mouseY;       // points from the top edge, growing downward
extern bool leftButtonDown;  // mouse button 1
extern bool rightButtonDown; // mouse button 3
extern int32_t idleFrames; // frames since the last mouse motion or button event, this one included
