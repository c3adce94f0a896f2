// The display's records, as plain code: the screen's size and its halves.
#include "app/app.h"
#include "savedState.h"

#include <gtest/gtest.h>

namespace {

using ScreenSize = RestoringTest;

} // namespace

TEST_F(ScreenSize, HalvesAreTruncatedTowardZero) {
    const int32_t sizes[][4] = {{800, 600, 400, 300},  {801, 601, 400, 300},
                                {1024, 768, 512, 384}, {1, 1, 0, 0},
                                {-5, -7, -2, -3},      {32767, 32767, 16383, 16383}};
    for (const auto& size : sizes) {
        setScreenSize(size[0], size[1]);
        EXPECT_EQ(screenWidth, size[0]);
        EXPECT_EQ(screenHeight, size[1]);
        EXPECT_EQ(halfWidth, size[2]) << size[0];
        EXPECT_EQ(halfHeight, size[3]) << size[1];
    }
}
