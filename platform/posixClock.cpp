// The system's local time of day on POSIX.
#include "platform/platform.h"

#include <ctime>

TimeOfDay readLocalTime() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        return TimeOfDay{0, 0, 0};
    }
    return TimeOfDay{local.tm_hour, local.tm_min, local.tm_sec};
}
