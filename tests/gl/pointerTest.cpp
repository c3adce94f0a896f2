// The hidden pointer on a full-screen display: invisible, yet positions stay absolute.
#include "platform/platform.h"
#include "testDisplay.h"

#include <cstdlib>
#include <string>

namespace {

class HiddenPointer : public ::testing::Test {
protected:
    void SetUp() override {
        KRONVALE_REQUIRE_DISPLAY(0, 0, SDL_OPENGL | SDL_FULLSCREEN);
        hidePointer();
        waitForThePointer();
    }

    // Waits, a few seconds at most, until the display is mapped under the
    // pointer, so that the pointer's first move reaches it.
    static void waitForThePointer() {
        for (int wait = 0; wait < 300; ++wait) {
            SDL_Event event;
            while (SDL_PollEvent(&event)) {
            }
            if (SDL_GetAppState() & SDL_APPMOUSEFOCUS) {
                return;
            }
            SDL_Delay(10);
        }
    }

    // Moves the real pointer as a device would and returns the last position SDL reports.
    static bool moveAndRead(int x, int y, int* gotX, int* gotY) {
        std::string command = "xdotool mousemove " + std::to_string(x) + " " + std::to_string(y);
        if (std::system(command.c_str()) != 0) {
            ADD_FAILURE() << "xdotool could not move the pointer";
            return false;
        }
        bool seen = false;
        for (int wait = 0; wait < 200; ++wait) {
            SDL_Event event;
            while (SDL_PollEvent(&event)) {
                if (event.type == SDL_MOUSEMOTION) {
                    *gotX = event.motion.x;
                    *gotY = event.motion.y;
                    seen = true;
                }
            }
            if (seen && *gotX == x && *gotY == y) {
                return true;
            }
            SDL_Delay(10);
        }
        return seen;
    }
};

} // namespace

TEST_F(HiddenPointer, MotionStillReportsAbsolutePositions) {
    SDL_Surface* screen = SDL_GetVideoSurface();
    ASSERT_NE(screen, nullptr);
    const int points[][2] = {{100, 200}, {screen->w - 3, screen->h - 2}, {3, 5}, {512, 1}};
    for (const auto& point : points) {
        int x = -1, y = -1;
        EXPECT_TRUE(moveAndRead(point[0], point[1], &x, &y));
        EXPECT_EQ(x, point[0]);
        EXPECT_EQ(y, point[1]);
    }
}
