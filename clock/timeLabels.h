// The ten time labels of the last ten seconds, rebuilt from the clock reading every frame.
#pragma once

#include "records/timeOfDay.h"

#include <cstdint>

constexpr int timeLabelCount = 10; // index 0 is nine seconds ago, index 9 the current second
constexpr int timeLabelLength = 9; // "|hh:mm:ss", no terminator

typedef char TimeLabel[timeLabelLength];

// Storage for the labels, allocated once by start-up and then overwritten in place.
extern TimeLabel* TimeLabels;

void allocateTimeLabels();

// Moves a time of day by -59 to +59 seconds, carrying between the fields once
// each; the hour wraps around the day.
TimeOfDay shiftTime(int32_t hour, int32_t minute, int32_t second, int32_t offsetSeconds);

// Writes exactly the nine characters of one label to out.
void formatTimeLabel(int32_t hour, int32_t minute, int32_t second, char* out);

// Fills all ten labels from the clock reading; with twelveHourClock, their
// hours run from 1 to 12 (00 is 12, 13 is 1), each shifted first.
void buildTimeLabels();
