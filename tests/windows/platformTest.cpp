// The platform seam on Windows: local time and environment defaults.
#include "platform/platform.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <string>

TEST(LocalTime, AgreesWithTheRuntimesLocalTime) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        const std::time_t before = std::time(nullptr);
        const TimeOfDay reading = readLocalTime();
        const std::time_t after = std::time(nullptr);
        if (before != after) {
            continue;
        }
        const std::tm* local = std::localtime(&before);
        ASSERT_NE(local, nullptr);
        EXPECT_EQ(reading.hour, local->tm_hour);
        EXPECT_EQ(reading.minute, local->tm_min);
        EXPECT_EQ(reading.second, local->tm_sec);
        return;
    }
    FAIL() << "the clock kept crossing second boundaries";
}

TEST(EnvironmentDefault, SetsOnlyWhatIsUnset) {
    _putenv_s("KRONVALE_TEST_DEFAULT", "");
    setEnvironmentDefault("KRONVALE_TEST_DEFAULT", "first");
    ASSERT_NE(std::getenv("KRONVALE_TEST_DEFAULT"), nullptr);
    EXPECT_EQ(std::string(std::getenv("KRONVALE_TEST_DEFAULT")), "first");
    setEnvironmentDefault("KRONVALE_TEST_DEFAULT", "second");
    EXPECT_EQ(std::string(std::getenv("KRONVALE_TEST_DEFAULT")), "first");
    _putenv_s("KRONVALE_TEST_DEFAULT", "");
}
