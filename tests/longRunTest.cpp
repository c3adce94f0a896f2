// A million frames of the program's own state under random input, without
// GL: the sway, the Orbit and Fly steps and the cursor dot stay finite and in
// range, and Orbit brings the eye back within its soft limits afterwards.
#include "app/app.h"
#include "camera/camera.h"
#include "savedState.h"
#include "scene/scene.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace {

bool finite(const Vec3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

using LongRun = RestoringTest;

} // namespace

TEST_F(LongRun, AMillionFramesOfRandomInputStayFiniteAndInRange) {
    setScreenSize(1024, 768);
    placeCameraForStart();
    LabelChain chain(10, Vec3(0, 0, 0), 7.05);
    double lowest = 0.0, highest = 0.0;

    std::mt19937 input(20261207);
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_int_distribution<int> anywhere(0, 65535);
    std::uniform_int_distribution<int> acrossX(0, 1023);
    std::uniform_int_distribution<int> acrossY(0, 767);
    int flyFrames = 0;
    for (int frame = 1; frame <= 1000000; ++frame) {
        // Bursts of events, then quiet stretches: motion mostly over the
        // display, sometimes anywhere an event can report.
        if (percent(input) < 30) {
            const bool anywhereAtAll = percent(input) < 5;
            mouseX = anywhereAtAll ? anywhere(input) : acrossX(input);
            mouseY = anywhereAtAll ? anywhere(input) : acrossY(input);
            idleFrames = 0;
        }
        if (percent(input) < 2) {
            leftButtonDown = !leftButtonDown;
            idleFrames = 0;
        }
        if (percent(input) < 2) {
            rightButtonDown = !rightButtonDown;
            idleFrames = 0;
        }
        if (percent(input) == 0 && percent(input) < 20) {
            viewMode = viewMode == Orbit ? Fly : Orbit;
        }

        if (viewMode == Orbit) {
            orbitStep();
        } else {
            flyStep();
            ++flyFrames;
        }
        countIdleFrame();
        chain.update();
        updateDotLevel();

        if (!finite(camera.eye) || !finite(camera.target) || !finite(camera.up) ||
            !finite(orbitEye) || !finite(orbitTarget) || !std::isfinite(camera.moveSpeed) ||
            !std::isfinite(zoomSpeed) || !std::isfinite(dotLevel)) {
            FAIL() << "frame " << frame << ": a view value is no longer finite";
        }
        if (std::fabs(camera.moveSpeed) > 0.05f || std::fabs(zoomSpeed) > 0.5f || dotLevel < 0.0f ||
            dotLevel > 101.0f) {
            FAIL() << "frame " << frame << ": speed " << camera.moveSpeed << ", zoom " << zoomSpeed
                   << ", dot " << dotLevel;
        }
        for (int i = 0; i < 2; ++i) {
            for (int j = 0; j < 10; ++j) {
                const double v = chain.sway->currentValue[i][j];
                // Ten values of at most 6 degrees, the first twice, the last never.
                if (!(v >= -6.0 && v <= 5.9996337890625) ||
                    !(std::fabs(chain.sway->sums[i][j]) <= 60.0)) {
                    FAIL() << "frame " << frame << ": sway value " << v << ", sum "
                           << chain.sway->sums[i][j];
                }
                lowest = std::min(lowest, v);
                highest = std::max(highest, v);
            }
        }
    }
    EXPECT_GT(flyFrames, 100000) << "both modes had their share";
    EXPECT_LT(flyFrames, 900000) << "both modes had their share";
    EXPECT_LT(lowest, -5.9) << "the targets reach across their whole range";
    EXPECT_GT(highest, 5.9) << "the targets reach across their whole range";

    // Let go in Orbit: the eye comes back within the soft limits, wherever Fly left it.
    leftButtonDown = false;
    rightButtonDown = false;
    viewMode = Orbit;
    for (int frame = 0; frame < 5000; ++frame) {
        orbitStep();
    }
    EXPECT_GE(orbitEye.z, 1.99f);
    EXPECT_LE(orbitEye.z, 50.01f);
    EXPECT_EQ(orbitTarget.x, 0.0f);
    EXPECT_EQ(orbitTarget.y, 0.0f);
    EXPECT_EQ(orbitTarget.z, 0.0f);
    EXPECT_TRUE(finite(orbitEye));
}
