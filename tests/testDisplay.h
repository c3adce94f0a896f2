// Opens a real SDL OpenGL display for tests that need a GL context.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

// Opens the display once per process; later calls reuse it. Without an X
// display the calling test is skipped when run by hand, and fails under CI,
// where the test command always provides one.
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

// Returns null on success, or why no display could be had.
const char* openTestDisplay(int width, int height, Uint32 flags);

bool testDisplayMandatory();
