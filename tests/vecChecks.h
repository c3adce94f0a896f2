// Checks on camera vectors: near given values, or the same to the bit.
#pragma once

#include "camera/camera.h"

#include <gtest/gtest.h>

// Near enough for single-precision steps, unless told otherwise.
inline void expectVec(const Vec3& got, double x, double y, double z, double tolerance = 1e-5) {
    EXPECT_NEAR(got.x, x, tolerance);
    EXPECT_NEAR(got.y, y, tolerance);
    EXPECT_NEAR(got.z, z, tolerance);
}

inline void expectSame(const Vec3& got, const Vec3& want) {
    EXPECT_EQ(got.x, want.x);
    EXPECT_EQ(got.y, want.y);
    EXPECT_EQ(got.z, want.z);
}
