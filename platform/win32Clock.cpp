// The system's local time of day on Windows.
#include "platform/platform.h"

#include <windows.h>

TimeOfDay readLocalTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return TimeOfDay{now.wHour, now.wMinute, now.wSecond};
}
