// The platform seam on POSIX: local time and the message dialog.
#include "platform/platform.h"
#include "savedState.h"

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Reads the clock under a given zone, retrying if a second boundary passes meanwhile.
void expectLocalTime(const char* zone, long offsetSeconds) {
    ScopedEnv tz("TZ", zone);
    tzset();
    for (int attempt = 0; attempt < 5; ++attempt) {
        std::time_t before = std::time(nullptr);
        TimeOfDay reading = readLocalTime();
        std::time_t after = std::time(nullptr);
        if (before != after) {
            continue;
        }
        std::time_t shifted = before + offsetSeconds;
        std::tm utc{};
        gmtime_r(&shifted, &utc);
        EXPECT_EQ(reading.hour, utc.tm_hour) << zone;
        EXPECT_EQ(reading.minute, utc.tm_min) << zone;
        EXPECT_EQ(reading.second, utc.tm_sec) << zone;
        return;
    }
    FAIL() << "the clock kept crossing second boundaries";
}

// A folder of stand-in dialog tools that record how they were called.
class DialogTools : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/kronvale-dialogs-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        for (const char* name : {"zenity", "kdialog", "xmessage", "called"}) {
            unlink((dir_ + "/" + name).c_str());
        }
        rmdir(dir_.c_str());
    }

    void addTool(const char* name) {
        const std::string path = dir_ + "/" + name;
        std::ofstream script(path);
        // It chatters on stderr, takes a moment like a person would, then records its arguments.
        script << "#!/bin/sh\necho 'dialog noise' >&2\n/bin/sleep 0.2\n"
                  "{ printf '%s\\n' \"${0##*/}\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; "
                  "} > '"
               << dir_ << "/called'\n";
        script.close();
        chmod(path.c_str(), 0755);
    }

    std::string called() const {
        std::stringstream text;
        text << std::ifstream(dir_ + "/called").rdbuf();
        return text.str();
    }

    // Shows the message with only the stand-ins on the PATH; returns what reached stderr.
    std::string show(const char* display, const char* waylandDisplay = nullptr) {
        ScopedEnv path("PATH", dir_.c_str());
        ScopedEnv x11("DISPLAY", display);
        ScopedEnv wayland("WAYLAND_DISPLAY", waylandDisplay);
        ::testing::internal::CaptureStderr();
        showMessageBox("Error", "Something's off (really).");
        return ::testing::internal::GetCapturedStderr();
    }

    std::string dir_;
};

} // namespace

TEST_F(DialogTools, TheFirstExecutableToolOfZenityKdialogXmessageIsWaitedFor) {
    addTool("xmessage");
    addTool("kdialog");
    addTool("zenity");
    EXPECT_EQ(show(":0"), "Something's off (really).\n");
    EXPECT_EQ(called(), "zenity\n--error\n--no-markup\n--title\nError\n--text\n"
                        "Something's off (really).\n");
    chmod((dir_ + "/zenity").c_str(), 0644);
    show(":0");
    EXPECT_EQ(called(), "kdialog\n--title\nError\n--error\nSomething's off (really).\n");
    unlink((dir_ + "/kdialog").c_str());
    show(":0");
    EXPECT_EQ(called(), "xmessage\n-title\nError\n-center\n-buttons\nOK\n-default\nOK\n"
                        "Something's off (really).\n");
}

TEST_F(DialogTools, WithoutADisplayOrAToolOnlyStandardErrorSpeaks) {
    addTool("zenity");
    EXPECT_EQ(show(nullptr), "Something's off (really).\n");
    EXPECT_EQ(show(""), "Something's off (really).\n");
    EXPECT_EQ(called(), "");
    unlink((dir_ + "/zenity").c_str());
    EXPECT_EQ(show(":0"), "Something's off (really).\n");
    EXPECT_EQ(called(), "");
    // A desk that runs Wayland alone has a display all the same.
    addTool("zenity");
    show(nullptr, "wayland-0");
    EXPECT_EQ(called().substr(0, 7), "zenity\n");
}

TEST(LocalTime, FollowsTheLocalZone) {
    expectLocalTime("UTC0", 0);
    expectLocalTime("KRV-5:30", 5 * 3600 + 30 * 60);
    expectLocalTime("KRV+11", -11 * 3600);
    tzset();
}
