// The program-wide records every part reads: the screen, the clock reading
// and the input state. The shell writes them; clock/, camera/ and scene/
// only read them.
#pragma once

#include "records/timeOfDay.h"
#include "records/vec3.h"

#include <cstdint>

// Screen state, settled by start-up and then only read.
extern int32_t screenWidth;  // pixels; 1024 unless the command line gives a size
extern int32_t screenHeight; // pixels; 768 likewise
extern int32_t halfWidth;    // screenWidth / 2, truncated
extern int32_t halfHeight;   // screenHeight / 2, truncated
extern float aspectRatio;    // width / height, for every perspective projection

// Where the picture lies in the display, in the display's pixels: all of it,
// unless full-screen at a size the display cannot take letterboxes it there.
struct PictureArea {
    int32_t left;   // from the display's left edge
    int32_t top;    // from its top edge, as the mouse counts
    int32_t bottom; // from its bottom edge, as OpenGL's viewport counts
    int32_t width;
    int32_t height;
};
extern PictureArea picture;

// A screensaver's run: nobody steers, so a stand-in pointer tours the
// bundle and no dot is drawn.
extern bool screensaverRun;

// Local time of day, read at start-up and once per frame.
extern TimeOfDay clockReading;

// Input state, written only by the input events.
extern int32_t mouseX;       // pixels from the display's left edge, as the last motion reported
extern int32_t mouseY;       // pixels from the top edge, growing downward
extern bool leftButtonDown;  // mouse button 1
extern bool rightButtonDown; // mouse button 3
extern int32_t idleFrames; // frames since the last mouse motion or button event, this one included
