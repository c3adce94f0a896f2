// Opens a real SDL OpenGL display for tests that need a GL context, and the
// fixture of every test that draws into it.
#pragma once

#include "feedback.h"
#include "savedState.h"

#include <SDL.h>
#include <gtest/gtest.h>

// Opens the display once per process; later calls with the same request reuse
// it. Without an X display the calling test is skipped when run by hand, and
// fails under CI, where the test command always provides one.
#define KRONVALE_REQUIRE_DISPLAY(width, height, flags)                                             \
    do {                                                                                           \
        const char* why = openTestDisplay(width, height, flags);                                   \
        if (why != nullptr) {                                                                      \
            if (testDisplayMandatory()) {                                                          \
                FAIL() << why;                                                                     \
            }                                                                                      \
            GTEST_SKIP() << why;                                                                   \
        }                                                                                          \
    } while (0)

// Returns null on success, or why no display could be had. A request for a
// size or kind other than the one already open is refused, not quietly
// served with the first.
const char* openTestDisplay(int width, int height, Uint32 flags);

bool testDisplayMandatory();

// A 1024 by 768 window with the font built and the labels' storage in place.
// Each test starts with a projection of one unit to the pixel (origin at the
// bottom-left, z from -1000 to 1000), an identity model-view current, list
// base 0 and no blending; the program's records are put back afterwards.
class GlTest : public ::testing::Test {
public:
    static constexpr int width = 1024;
    static constexpr int height = 768;

protected:
    void SetUp() override;

    // From model-view space to window coordinates under the starting projection.
    static Matrix toWindow(const Matrix& modelView);

    SavedState saved;
};
