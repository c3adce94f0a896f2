// The camera's motions as plain arithmetic: placing, swinging, steering,
// gliding and its speed.
#include "camera/camera.h"
#include "vecChecks.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr float quarterTurn = 1.5707963267948966f;

Camera placedCamera(Vec3 eye, Vec3 target) {
    Camera c;
    c.set(eye, target, Vec3(0.0f, 1.0f, 0.0f));
    return c;
}

Camera startCamera() {
    return placedCamera(Vec3(0.0f, 10.5f, 6.0f), Vec3(0.0f, 1.5f, 0.0f));
}

} // namespace

TEST(Camera, RotateSwingsTheTargetAboutTheEye) {
    Camera c = placedCamera(Vec3(0, 0, 0), Vec3(0, 0, -1));
    c.rotate(0, quarterTurn, 0);
    expectVec(c.target, 1, 0, 0); // turned right
    c = placedCamera(Vec3(0, 0, 0), Vec3(0, 0, -1));
    c.rotate(quarterTurn, 0, 0);
    expectVec(c.target, 0, 1, 0); // tilted up
}

TEST(Camera, RotateByZeroAnglesWritesNothing) {
    // Coordinates that a cosine of 1 and sine of 0 would still round differently.
    const Vec3 target(0.1f, -7.3f, 1e-30f);
    for (float zero : {0.0f, -0.0f}) {
        Camera c = placedCamera(Vec3(0.3f, 0.7f, -0.2f), target);
        c.rotate(zero, zero, zero);
        expectSame(c.target, target);
    }
    // Beside a non-zero angle, a zero one still writes nothing: z is only
    // the first step's to write here.
    Camera c = placedCamera(Vec3(0.3f, 0.7f, -0.2f), target);
    c.rotate(-0.0f, 0.0f, 0.5f);
    EXPECT_EQ(c.target.z, target.z);
    EXPECT_NE(c.target.y, target.y);
}

TEST(Camera, RotateStepsAreNotChained) {
    // Quarter turns of the offsets (1, 2, 3): each step reads those, never
    // what an earlier step wrote, which would give x = -2 here.
    Camera c = placedCamera(Vec3(0, 0, 0), Vec3(1, 2, 3));
    c.rotate(quarterTurn, quarterTurn, 0.0f);
    expectVec(c.target, -3, -3, 1);
    // The turn about y writes z last, the turn about z x and y.
    c = placedCamera(Vec3(1, 1, 1), Vec3(2, 3, 4));
    c.rotate(quarterTurn, quarterTurn, quarterTurn);
    expectVec(c.target, 1 + 2, 1 - 1, 1 + 1);
}

TEST(Camera, SteerPitchesWithinTenUnitsOfTheEyeThenTurns) {
    Camera c = startCamera();
    c.steer(0, 8000);
    expectSame(c.target, Vec3(0, 16.5f, 0));

    c = startCamera();
    c.steer(0, 100000);
    EXPECT_EQ(c.target.y, 20.5f);
    c = startCamera();
    c.steer(0, -8000);
    EXPECT_EQ(c.target.y, 0.5f);

    // Exactly ten above is left alone, and so is the rest of the target.
    c = placedCamera(Vec3(0, 0, 0), Vec3(2, 10, -3));
    c.steer(0, 0);
    expectSame(c.target, Vec3(2, 10, -3));
    c.steer(0, 1);
    expectSame(c.target, Vec3(2, 10, -3));

    // Then turns: a positive turn to the left.
    c = startCamera();
    c.steer(100, 40);
    expectVec(c.target, -0.075, 1.575, 0.00047, 5e-6);
}

TEST(Camera, SteerTakesTheWholeRangeOfCounts) {
    Camera c = startCamera();
    c.steer(INT_MIN, INT_MAX);
    EXPECT_EQ(c.target.y, 20.5f);
    EXPECT_TRUE(std::isfinite(c.target.x) && std::isfinite(c.target.z));
    EXPECT_NEAR(std::hypot(c.target.x, c.target.z - 6), 6.0, 1e-4);
    c.steer(INT_MAX, INT_MIN);
    EXPECT_EQ(c.target.y, 0.5f);
}

TEST(Camera, AdvanceAndCoastGlideAlongTheLineOfSight) {
    Camera c = startCamera();
    c.advance(1.0f);
    expectSame(c.eye, Vec3(0, 1.5f, 0));
    expectSame(c.target, Vec3(0, -7.5f, -6));

    c = placedCamera(Vec3(1, 2, 3), Vec3(4, 6, 8));
    c.moveSpeed = 0.05f;
    c.coast();
    expectVec(c.eye, 1.15, 2.2, 3.25);
    expectVec(c.target, 4.15, 6.2, 8.25);
    EXPECT_FLOAT_EQ(c.moveSpeed, 0.046f);

    // Backward, and the speed shrinks without ever being cut to zero.
    c.moveSpeed = -1e-30f;
    for (int i = 0; i < 100; ++i) {
        c.coast();
    }
    EXPECT_LT(c.moveSpeed, 0.0f);
    EXPECT_GT(c.moveSpeed, -1e-33f);
}

TEST(Camera, AccelerateClampsToTheLimit) {
    struct Case {
        float from, delta, want;
    };
    for (const Case& k :
         {Case{0.048f, 0.005f, 0.05f}, Case{-0.048f, -0.005f, -0.05f}, Case{0.01f, -0.005f, 0.005f},
          Case{0.0f, 0.005f, 0.005f}, Case{0.05f, 0.005f, 0.05f}}) {
        Camera c;
        c.moveSpeed = k.from;
        c.accelerate(k.delta, 0.05f);
        EXPECT_FLOAT_EQ(c.moveSpeed, k.want) << "from " << k.from << " by " << k.delta;
    }
}

TEST(Camera, EyeOnTheTargetStaysPut) {
    Camera c = placedCamera(Vec3(2, 3, 4), Vec3(2, 3, 4));
    c.rotate(0.4f, 1.0f, -2.0f);
    c.advance(0.7f);
    c.moveSpeed = 0.05f;
    c.coast();
    expectSame(c.eye, Vec3(2, 3, 4));
    expectSame(c.target, Vec3(2, 3, 4));
}
