// A time of day; the date plays no part anywhere in the program.
#pragma once

#include <cstdint>

struct TimeOfDay {
    int32_t hour;   // 0 to 23
    int32_t minute; // 0 to 59
    int32_t second; // 0 to 59 (60 only if the system reports a leap second)
};
