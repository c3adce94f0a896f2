// The ten time labels of the last ten seconds.
#include "clock/timeLabels.h"

#include "records/records.h"

#include <cstdio>

TimeLabel* TimeLabels = nullptr;

namespace {

// Two characters for one field: a leading zero below 10, else the first two decimal digits.
void formatField(int32_t value, char* out) {
    if (value >= 0 && value < 10) {
        out[0] = '0';
        out[1] = static_cast<char>('0' + value);
        return;
    }
    char digits[16];
    std::snprintf(digits, sizeof digits, "%d", static_cast<int>(value));
    out[0] = digits[0];
    out[1] = digits[1];
}

} // namespace

void allocateTimeLabels() {
    TimeLabels = new TimeLabel[timeLabelCount];
}

TimeOfDay shiftTime(int32_t hour, int32_t minute, int32_t second, int32_t offsetSeconds) {
    int32_t h = hour;
    int32_t m = minute;
    int32_t s = second + offsetSeconds;
    if (s < 0) {
        s += 60;
        m -= 1;
        if (m < 0) {
            m += 60;
            h -= 1;
            if (h < 0) {
                h += 24;
            }
        }
    } else if (s > 59) {
        s -= 60;
        m += 1;
        if (m > 59) {
            m -= 60;
            h += 1;
            if (h > 23) {
                h -= 24;
            }
        }
    }
    return TimeOfDay{h, m, s};
}

void formatTimeLabel(int32_t hour, int32_t minute, int32_t second, char* out) {
    out[0] = '|';
    formatField(hour, out + 1);
    out[3] = ':';
    formatField(minute, out + 4);
    out[6] = ':';
    formatField(second, out + 7);
}

void buildTimeLabels() {
    for (int i = 0; i < timeLabelCount; ++i) {
        const TimeOfDay t =
            shiftTime(clockReading.hour, clockReading.minute, clockReading.second, i - 9);
        const int32_t hour = twelveHourClock ? (t.hour + 11) % 12 + 1 : t.hour;
        formatTimeLabel(hour, t.minute, t.second, TimeLabels[i]);
    }
}
