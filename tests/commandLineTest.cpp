// Command-line reading: display mode, size and the bad first word.
#include "app/app.h"
#include "arguments.h"
#include "savedState.h"

#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace {

DisplayRequest parse(const std::vector<std::string>& words) {
    const Arguments line("kronvale", words);
    return parseCommandLine(line.argc(), line.argv());
}

void expectRequest(const DisplayRequest& got, bool fullscreen, int32_t width, int32_t height,
                   bool bad) {
    EXPECT_EQ(got.fullscreen, fullscreen);
    EXPECT_EQ(got.width, width);
    EXPECT_EQ(got.height, height);
    EXPECT_EQ(got.badFirstArgument, bad);
}

using ScreenSize = RestoringTest;

} // namespace

TEST(CommandLine, ModesAndSizesFollowTheTable) {
    expectRequest(parse({}), true, 1024, 768, false);
    expectRequest(parse({"fullscreen"}), true, 1024, 768, false);
    expectRequest(parse({"window"}), false, 1024, 768, false);
    expectRequest(parse({"window", "800", "600"}), false, 800, 600, false);
    expectRequest(parse({"fullscreen", "640", "480"}), true, 640, 480, false);
    // The size only with exactly three arguments.
    expectRequest(parse({"window", "800"}), false, 1024, 768, false);
    expectRequest(parse({"fullscreen", "640", "480", "x"}), true, 1024, 768, false);
}

TEST(CommandLine, WordsAreCaseSensitiveAndTheSizeCountsAnyway) {
    expectRequest(parse({"Window"}), true, 1024, 768, true);
    expectRequest(parse({"Window", "800", "600"}), true, 800, 600, true);
    expectRequest(parse({"FULLSCREEN"}), true, 1024, 768, true);
    expectRequest(parse({""}), true, 1024, 768, true);
    expectRequest(parse({"windows"}), true, 1024, 768, true);
}

TEST(ParseDimension, ReadsLikeAtoi) {
    EXPECT_EQ(parseDimension("800"), 800);
    EXPECT_EQ(parseDimension("  42"), 42);
    EXPECT_EQ(parseDimension("\t\n+17"), 17);
    EXPECT_EQ(parseDimension("-5"), -5);
    EXPECT_EQ(parseDimension("640x480"), 640);
    EXPECT_EQ(parseDimension("007"), 7);
    EXPECT_EQ(parseDimension("x640"), 0);
    EXPECT_EQ(parseDimension(""), 0);
    EXPECT_EQ(parseDimension("-"), 0);
    EXPECT_EQ(parseDimension("+-3"), 0);
    EXPECT_EQ(parseDimension(" - 3"), 0);
    EXPECT_EQ(parseDimension("0x20"), 0);
    EXPECT_EQ(parseDimension("1e3"), 1);
    EXPECT_EQ(parseDimension(nullptr), 0);
}

TEST(ParseDimension, ClampsToThe32BitRange) {
    EXPECT_EQ(parseDimension("2147483647"), INT32_MAX);
    EXPECT_EQ(parseDimension("2147483648"), INT32_MAX);
    EXPECT_EQ(parseDimension("99999999999999999999999999"), INT32_MAX);
    EXPECT_EQ(parseDimension("-2147483648"), INT32_MIN);
    EXPECT_EQ(parseDimension("-2147483649"), INT32_MIN);
    EXPECT_EQ(parseDimension("-99999999999999999999999999"), INT32_MIN);
    EXPECT_EQ(parseDimension("00000000000000000000000012"), 12);
}

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
