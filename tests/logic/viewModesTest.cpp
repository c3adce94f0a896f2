// The Orbit and Fly steps, as plain arithmetic over the input state, on a
// display of 1024 by 768.
#include "app/app.h"
#include "camera/camera.h"
#include "camera/tour.h"
#include "savedState.h"
#include "scene/scene.h"
#include "vecChecks.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>

namespace {

class ViewModes : public ::testing::Test {
protected:
    void SetUp() override {
        setScreenSize(1024, 768);
        placeCameraForStart();
        pointAt(512, 384);
    }

    static void pointAt(int32_t x, int32_t y) {
        mouseX = x;
        mouseY = y;
    }

    SavedState saved;
};

} // namespace

TEST_F(ViewModes, OrbitFliesInFromAfar) {
    pointAt(700, 100);
    orbitStep();
    expectVec(orbitEye, -0.094, 0.142, 154.5, 1e-4);
    orbitStep();
    EXPECT_NEAR(orbitEye.z, 149.275, 1e-3);
    for (int frame = 3; frame <= 92; ++frame) {
        orbitStep();
    }
    EXPECT_LT(orbitEye.z, 51.0f);
    EXPECT_GT(orbitEye.z, 50.0f);
    // The camera holds exactly what the step handed over, looking up the y axis.
    expectSame(camera.eye, orbitEye);
    expectSame(camera.target, Vec3(0, 0, 0));
    expectSame(camera.up, Vec3(0, 1, 0));
}

TEST_F(ViewModes, OnAnOddSizeThePointersCentreIsRoundedDown) {
    setScreenSize(801, 601);
    orbitEye = Vec3(0, 0, 50);
    pointAt(400, 300);
    orbitStep();
    expectVec(orbitEye, 0, 0, 50, 0);
}

TEST_F(ViewModes, BetweenItsVisitsTheTourSwingsFarOutFromSideToSide) {
    // From the end of the first visit to the start of the next.
    tourFrame = 1180;
    int32_t lowest = INT32_MAX, highest = INT32_MIN;
    for (int frame = 1180; frame < 7600; ++frame) {
        const TourInput input = nextTourInput();
        lowest = std::min(lowest, input.x);
        highest = std::max(highest, input.x);
        ASSERT_FALSE(input.left || input.right) << frame;
    }
    EXPECT_TRUE(lowest < 0 && highest > 1024) << lowest << " to " << highest;
}

TEST_F(ViewModes, OrbitZoomsWithTheButtonsWithinSoftLimits) {
    // Everything at once: easing, a zoom past the near limit, the target drifting.
    orbitEye = Vec3(1, 2, 1.5f);
    orbitTarget = Vec3(3, 4, 5);
    zoomSpeed = -0.2f;
    leftButtonDown = true;
    pointAt(300, 500);
    orbitStep();
    expectVec(orbitEye, 1.081, 1.892, 1.3065, 1e-4);
    expectVec(orbitTarget, 2.88, 3.84, 4.8, 1e-4);
    EXPECT_NEAR(zoomSpeed, -0.1058, 1e-6);
    expectSame(camera.eye, orbitEye);
    expectSame(camera.target, orbitTarget);

    // Button 1 from rest at z = 10, then held: the eye settles just inside the near limit.
    orbitEye = Vec3(0, 0, 10);
    zoomSpeed = 0.0f;
    orbitStep();
    EXPECT_NEAR(zoomSpeed, -0.0276, 1e-6);
    EXPECT_NEAR(orbitEye.z, 9.97, 1e-5);
    for (int frame = 0; frame < 5000; ++frame) {
        orbitStep();
    }
    EXPECT_NEAR(orbitEye.z, 0.944, 2e-3);

    // Let go: it drifts back to the limit.
    leftButtonDown = false;
    for (int frame = 0; frame < 1000; ++frame) {
        orbitStep();
    }
    EXPECT_NEAR(orbitEye.z, 2.0, 1e-3);

    // Button 3 held: just beyond the far limit.
    rightButtonDown = true;
    for (int frame = 0; frame < 5000; ++frame) {
        orbitStep();
    }
    EXPECT_NEAR(orbitEye.z, 51.056, 2e-3);

    // Both held: the buttons cancel.
    leftButtonDown = true;
    orbitEye.z = 20.0f;
    zoomSpeed = 0.25f;
    orbitStep();
    EXPECT_FLOAT_EQ(orbitEye.z, 20.25f);
    EXPECT_FLOAT_EQ(zoomSpeed, 0.23f);

    // The clamp, from a speed beyond it.
    leftButtonDown = false;
    rightButtonDown = false;
    orbitEye.z = 20.0f;
    zoomSpeed = -0.9f;
    orbitStep();
    EXPECT_FLOAT_EQ(orbitEye.z, 19.5f);
}

TEST_F(ViewModes, OrbitTargetSnapsToTheOriginWhenClose) {
    orbitTarget = Vec3(0.004f, 0.003f, 0.005f);
    orbitStep();
    expectSame(orbitTarget, Vec3(0, 0, 0));
    orbitStep();
    expectSame(orbitTarget, Vec3(0, 0, 0));

    orbitTarget = Vec3(0.006f, 0.006f, 0.006f); // about 0.0104 long: shrinks instead
    orbitStep();
    expectVec(orbitTarget, 0.00576, 0.00576, 0.00576, 1e-7);
    orbitStep();
    expectSame(orbitTarget, Vec3(0, 0, 0));
}

TEST_F(ViewModes, FlySteersOnlyOffBothCentreLines) {
    struct Case {
        int32_t x, y;
        double turn; // radians to the right
        double drop; // target units
    };
    for (const Case& k :
         {Case{612, 484, 0.00625, 0.09375}, Case{612, 384, 0.0, 0.0}, Case{900, 384, 0.0, 0.0},
          Case{512, 100, 0.0, 0.0}, Case{513, 500, 0.0, 0.10875}, Case{515, 383, 0.000125, 0.0},
          Case{509, 385, -0.000125, 0.0}, Case{0, 0, -0.032, -0.36}}) {
        SetUp();
        camera.set(Vec3(0, 0, 0), Vec3(0, 0, -20), Vec3(0, 1, 0));
        pointAt(k.x, k.y);
        flyStep();
        const std::string where = std::to_string(k.x) + ", " + std::to_string(k.y);
        EXPECT_NEAR(camera.target.y, -k.drop, 1e-6) << where;
        EXPECT_NEAR(std::atan2(camera.target.x, -camera.target.z), k.turn, 1e-6) << where;
        expectSame(camera.eye, Vec3(0, 0, 0));
        expectSame(orbitEye, camera.eye);
        expectSame(orbitTarget, camera.target);
    }
}

TEST_F(ViewModes, FlyThrustHasInertia) {
    // From the start-up placement, button 1, pointer on the centre.
    leftButtonDown = true;
    flyStep();
    expectVec(camera.eye, 0, 10.455, 5.97);
    expectVec(camera.target, 0, 1.455, -0.03);
    EXPECT_FLOAT_EQ(camera.moveSpeed, 0.0046f);
    expectSame(orbitEye, camera.eye);
    expectSame(orbitTarget, camera.target);
    EXPECT_EQ(zoomSpeed, 0.0f);

    // Both buttons at the top speed: 0.045 of the way along (0, -9, -6).
    camera.moveSpeed = 0.05f;
    rightButtonDown = true;
    flyStep();
    expectVec(camera.eye, 0, 10.05, 5.7);
    EXPECT_FLOAT_EQ(camera.moveSpeed, 0.0414f);

    // Button 3 alone, from rest: backward, away from the target.
    leftButtonDown = false;
    camera.moveSpeed = 0.0f;
    flyStep();
    expectVec(camera.eye, 0, 10.095, 5.73);
}

TEST_F(ViewModes, ModesHandOverTheView) {
    // Fly leaves the eye at (0, 10.455, 5.97), looking at (0, 1.455, -0.03).
    leftButtonDown = true;
    flyStep();
    leftButtonDown = false;
    // Orbit eases on from there, toward the centre's goal, and lets the
    // target drift home; it leaves the speed Fly will find.
    orbitStep();
    expectVec(orbitEye, 0, 10.193625, 5.97);
    expectVec(camera.target, 0, 1.3968, -0.0288, 1e-6);
    EXPECT_FLOAT_EQ(camera.moveSpeed, 0.0046f);
    for (int frame = 0; frame < 400; ++frame) {
        orbitStep();
    }
    expectSame(camera.target, Vec3(0, 0, 0));
}
