// Opens a real SDL OpenGL display for tests that need a GL context, and the
// fixture of every test that draws into it.
#pragma once

#include "feedback.h"
#include "openDisplay.h"
#include "savedState.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Opens the display once per process; later calls with the same request reuse
// it. Without an X display the calling test is skipped when run by hand, and
// fails under CI, where the test command always provides one.
#define KRONVALE_REQUIRE_DISPLAY(width, height, flags)                                             \
    do {                                                                                           \
        const char* why = openDisplayOnce(width, height, flags);                                   \
        if (why != nullptr) {                                                                      \
            if (testDisplayMandatory()) {                                                          \
                FAIL() << why;                                                                     \
            }                                                                                      \
            GTEST_SKIP() << why;                                                                   \
        }                                                                                          \
    } while (0)

bool testDisplayMandatory();

// A 1024 by 768 window with the font built and the labels' storage in place.
// Each test starts with a projection of one unit to the pixel (origin at the
// bottom-left, z from -1000 to 1000), an identity model-view current, list
// base 0, points of one pixel and no blending; the program's records are put
// back afterwards.
class GlTest : public ::testing::Test {
public:
    static constexpr int width = 1024;
    static constexpr int height = 768;

protected:
    void SetUp() final;
    // A fixture's own preparation, run only once the display is there.
    virtual void prepare() {}

    // From model-view space to window coordinates under the starting projection.
    static Matrix toWindow(const Matrix& modelView);

    SavedState saved;
};

// What a frame is to draw, seen through scene: the window, the frame's
// 60 degree projection and the camera's view from eye to target, y up.
Matrix sceneSeenBy(int width, int height, const Vec3& eye, const Vec3& target);

// First the floor: cyan, corner after corner and back, five units below the root.
void expectFloor(const Feedback& drawn, const Matrix& scene);

// Then the forty-five chains as they stand while nothing sways yet: each label
// of the clock upright on the one before, 7.05 apart, at three tenths of the
// size. Returns the index after them.
size_t expectStraightChains(const Feedback& drawn, const Matrix& scene,
                            const std::vector<std::string>& labels);
