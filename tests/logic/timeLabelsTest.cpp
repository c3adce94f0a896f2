// Time labels: shifting across minutes, hours and midnight, and the label format.
#include "app/app.h"
#include "clock/timeLabels.h"
#include "savedState.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::string format(int32_t h, int32_t m, int32_t s) {
    char out[timeLabelLength + 1];
    out[timeLabelLength] = '#'; // must stay untouched: labels carry no terminator
    formatTimeLabel(h, m, s, out);
    EXPECT_EQ(out[timeLabelLength], '#');
    return std::string(out, timeLabelLength);
}

std::vector<std::string> labelsAt(uint16_t h, uint16_t m, uint16_t s) {
    if (TimeLabels == nullptr) {
        allocateTimeLabels();
    }
    clockReading = TimeOfDay{h, m, s};
    buildTimeLabels();
    std::vector<std::string> labels;
    for (int i = 0; i < timeLabelCount; ++i) {
        labels.emplace_back(TimeLabels[i], timeLabelLength);
    }
    return labels;
}

using ClockLabels = RestoringTest;

} // namespace

TEST_F(ClockLabels, TenSecondsEndingNow) {
    const std::vector<std::string> expected = {"|09:59:56", "|09:59:57", "|09:59:58", "|09:59:59",
                                               "|10:00:00", "|10:00:01", "|10:00:02", "|10:00:03",
                                               "|10:00:04", "|10:00:05"};
    EXPECT_EQ(labelsAt(10, 0, 5), expected);
    EXPECT_EQ(labelsAt(14, 5, 3)[9], "|14:05:03");
    EXPECT_EQ(labelsAt(14, 5, 3)[0], "|14:04:54");
}

TEST_F(ClockLabels, TwelveHoursRunFromOneToTwelveEachShiftedFirst) {
    twelveHourClock = true;
    // The oldest label and the newest, at 00:05:03, 12:00:00, 13:00:04 and 00:00:03.
    EXPECT_EQ(labelsAt(0, 5, 3)[0] + labelsAt(0, 5, 3)[9], "|12:04:54|12:05:03");
    EXPECT_EQ(labelsAt(12, 0, 0)[0] + labelsAt(12, 0, 0)[9], "|11:59:51|12:00:00");
    EXPECT_EQ(labelsAt(13, 0, 4)[0] + labelsAt(13, 0, 4)[9], "|12:59:55|01:00:04");
    EXPECT_EQ(labelsAt(0, 0, 3)[0] + labelsAt(0, 0, 3)[9], "|11:59:54|12:00:03");
}

TEST_F(ClockLabels, MidnightAndTheEndOfTheDay) {
    std::vector<std::string> labels = labelsAt(0, 0, 3);
    EXPECT_EQ(labels[0], "|23:59:54");
    EXPECT_EQ(labels[9], "|00:00:03");
    labels = labelsAt(23, 59, 59);
    EXPECT_EQ(labels[9], "|23:59:59");
    EXPECT_EQ(labels[0], "|23:59:50");
}

TEST_F(ClockLabels, SingleDigitsGetALeadingZero) {
    EXPECT_EQ(labelsAt(7, 8, 9)[9], "|07:08:09");
    EXPECT_EQ(format(0, 0, 0), "|00:00:00");
    EXPECT_EQ(format(9, 9, 9), "|09:09:09");
}

TEST_F(ClockLabels, ShiftCarriesOnceEachWay) {
    struct Case {
        int32_t h, m, s, offset, wantH, wantM, wantS;
    };
    const Case cases[] = {{0, 0, 3, -9, 23, 59, 54},  {23, 59, 59, 1, 0, 0, 0},
                          {10, 0, 0, -59, 9, 59, 1},  {10, 30, 59, 59, 10, 31, 58},
                          {4, 5, 6, 0, 4, 5, 6},      {0, 59, 0, -1, 0, 58, 59},
                          {22, 59, 30, 45, 23, 0, 15}};
    for (const Case& c : cases) {
        const TimeOfDay t = shiftTime(c.h, c.m, c.s, c.offset);
        EXPECT_EQ((std::vector<int32_t>{t.hour, t.minute, t.second}),
                  (std::vector<int32_t>{c.wantH, c.wantM, c.wantS}))
            << c.h << ":" << c.m << ":" << c.s << " shifted by " << c.offset;
    }
}

TEST_F(ClockLabels, ValuesFromTenUpKeepTheirFirstTwoDigits) {
    EXPECT_EQ(format(10, 59, 23), "|10:59:23");
    EXPECT_EQ(format(123, 456, 789), "|12:45:78");
    EXPECT_EQ(format(2147483647, 100, 60), "|21:10:60");
}
