// Checks on the numbers the tests compute: near the values wanted, element by
// element, or the same to the bit.
#pragma once

#include "records/vec3.h"

#include <gtest/gtest.h>
#include <string>

// Each of count numbers within tolerance of the one wanted; a failure says
// what and which.
inline void expectAllNear(const double* got, const double* want, int count, double tolerance,
                          const std::string& what = "") {
    for (int i = 0; i < count; ++i) {
        EXPECT_NEAR(got[i], want[i], tolerance) << what << ", element " << i;
    }
}

// Points and vectors: anything with x, y and z.
template <typename Got, typename Want>
void expectNear(const Got& got, const Want& want, double tolerance, const std::string& what = "") {
    const double have[3] = {got.x, got.y, got.z}, wanted[3] = {want.x, want.y, want.z};
    expectAllNear(have, wanted, 3, tolerance, what);
}

struct Xyz {
    double x, y, z;
};

// Near enough for single-precision steps, unless told otherwise.
inline void expectVec(const Vec3& got, double x, double y, double z, double tolerance = 1e-5) {
    expectNear(got, Xyz{x, y, z}, tolerance);
}

inline void expectSame(const Vec3& got, const Vec3& want) {
    EXPECT_EQ(got.x, want.x);
    EXPECT_EQ(got.y, want.y);
    EXPECT_EQ(got.z, want.z);
}
