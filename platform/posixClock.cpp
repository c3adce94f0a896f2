// The system's local time of day on POSIX.
#include "platform/platform.h"

#include <ctime>

TimeOfDay readLocalTime() {
    // localtime_r keeps the zone it loaded first; tzset looks again, so a zone
    // the system changes (/etc/localtime replaced) shows within a frame. With
    // TZ unset that costs a stat of /etc/localtime, and a read only once it
    // changed; a TZ the user set stands.
    tzset();
    std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        return TimeOfDay{0, 0, 0};
    }
    return TimeOfDay{local.tm_hour, local.tm_min, local.tm_sec};
}
