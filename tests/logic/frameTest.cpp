// What a frame is drawn from, as plain arithmetic: the picture's place in the
// display, the night's hours, and the cursor dot's level.
#include "savedState.h"
#include "scene/scene.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using CursorDot = RestoringTest;

} // namespace

TEST(PicturePlace, FitsWholeAndCentredBetweenBars) {
    // Asked for, the display, then left, top, bottom, width and height.
    const int32_t rows[][9] = {{1024, 768, 1024, 768, 0, 0, 0, 1024, 768},
                               {800, 600, 1280, 1024, 0, 32, 32, 1280, 960},
                               {600, 800, 1280, 1024, 256, 0, 0, 768, 1024},
                               {640, 400, 1280, 1024, 0, 112, 112, 1280, 800},
                               {801, 601, 1920, 1080, 240, 0, 0, 1439, 1080},
                               {0, 0, 1024, 768, 0, 384, 384, 1024, 0}};
    for (const auto& row : rows) {
        const PictureArea area = placePicture(row[0], row[1], row[2], row[3]);
        EXPECT_EQ(area.left, row[4])
            << row[0] << "x" << row[1] << " in " << row[2] << "x" << row[3];
        EXPECT_EQ(area.top, row[5]) << row[0] << "x" << row[1];
        EXPECT_EQ(area.bottom, row[6]) << row[0] << "x" << row[1];
        EXPECT_EQ(area.width, row[7]) << row[0] << "x" << row[1];
        EXPECT_EQ(area.height, row[8]) << row[0] << "x" << row[1];
    }
}

TEST(Night, FromItsFirstHourUpToItsLastAcrossMidnightOrNever) {
    // From, to, then which of the hours 0 to 23 are night.
    const std::vector<std::pair<std::pair<int, int>, std::string>> rows = {
        {{22, 7}, "111111100000000000000011"},
        {{1, 5}, "011110000000000000000000"},
        {{7, 7}, "000000000000000000000000"}};
    for (const auto& row : rows) {
        std::string night;
        for (int hour = 0; hour < 24; ++hour) {
            night += nightAt(hour, row.first.first, row.first.second) ? '1' : '0';
        }
        EXPECT_EQ(night, row.second) << row.first.first << "-" << row.first.second;
    }
}

// Counting the frame that handled the last mouse event as frame 1.
TEST_F(CursorDot, FadesInWhileMovingAndOutAtRest) {
    for (int frame = 1; frame <= 10; ++frame) {
        idleFrames = 1;
        updateDotLevel();
    }
    EXPECT_NEAR(dotLevel, 65.13, 0.01);

    // From rest, a single event: a peak in frame 23, nothing from frame 110 on.
    dotLevel = 0.0f;
    for (int frame = 1; frame <= 110; ++frame) {
        idleFrames = frame;
        updateDotLevel();
        if (frame == 23) {
            EXPECT_NEAR(dotLevel, 77.25, 0.01);
        }
        if (frame == 109) {
            EXPECT_GT(dotLevel, 0.0f);
        }
    }
    EXPECT_EQ(dotLevel, 0.0f);

    // A year at rest neither wraps nor wakes it.
    idleFrames = INT32_MAX;
    updateDotLevel();
    EXPECT_EQ(dotLevel, 0.0f);
    // Nothing clamps it from above: a frame that handled an event before counting aims at 101.
    dotLevel = 100.0f;
    idleFrames = 0;
    updateDotLevel();
    EXPECT_FLOAT_EQ(dotLevel, 100.1f);
    // A screensaver's stand-in pointer never shows, however fresh.
    screensaverRun = true;
    idleFrames = 1;
    updateDotLevel();
    EXPECT_EQ(dotLevel, 0.0f);
}
