// The program-wide records the lower folders read: the screen, the clock
// reading and the input state. The shell writes them; clock/, camera/ and
// scene/ only read them.
#pragma once

#include "platform/platform.h"

#include <cstdint>

// Screen state, settled by start-up and then only read.
extern int32_t screenWidth;  // pixels; 1024 unless the command line gives a size
extern int32_t screenHeight; // pixels; 768 likewise
extern int32_t halfWidth;    // screenWidth / 2, truncated
extern int32_t halfHeight;   // screenHeight / 2, truncated
extern float aspectRatio;    // width / height, for every perspective projection

// Local time of day, read at start-up and once per frame.
extern TimeOfDay clockReading;

enum ViewMode : int32_t { Orbit = 0, Fly = 1 };

// Input state, written only by the input events.
extern int32_t mouseX;       // pixels from the display's left edge, as the last motion reported
extern int32_t mouseY;       // pixels from the top edge, growing downward
extern bool leftButtonDown;  // mouse button 1
extern bool rightButtonDown; // mouse button 3
extern int32_t idleFrames; // frames since the last mouse motion or button event, this one included
extern int32_t viewMode;   // a ViewMode: 0 or 1
