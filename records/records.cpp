// The program-wide records, as they stand before start-up.
#include "records/records.h"

SdlLibrary sdlLibrary = SdlLibrary::CompatibilityLayer;

int32_t screenWidth = 1024;
int32_t screenHeight = 768;
int32_t halfWidth = 512;
int32_t halfHeight = 384;
float aspectRatio = 1024.0f / 768.0f;
float pixelsPerPoint = 1.0f;
PictureArea picture{0, 0, 0, 1024, 768};
bool letterboxed = false;
bool screensaverRun = false;

bool twelveHourClock = false;
bool drifting = false;
int32_t nightFrom = 0;
int32_t nightTo = 0;

TimeOfDay clockReading{0, 0, 0};

int32_t mouseX = 0;
int32_t mouseY = 0;
bool leftButtonDown = false;
bool rightButtonDown = false;
int32_t idleFrames = 0;
