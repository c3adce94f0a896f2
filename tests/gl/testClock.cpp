// The clock the GL tests link in place of the system's.
#include "testClock.h"

TimeOfDay testClockTime{12, 0, 0};

TimeOfDay readLocalTime() {
    return testClockTime;
}
