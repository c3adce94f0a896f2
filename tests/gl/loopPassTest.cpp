// One pass of the main loop with a clock the test sets: what it draws follows
// the input, the view mode, the clock and the sway, each taken in its turn.
#include "app/app.h"
#include "camera/camera.h"
#include "clock/timeLabels.h"
#include "events.h"
#include "scene/scene.h"
#include "testClock.h"
#include "testDisplay.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

class LoopPass : public GlTest {
protected:
    void prepare() override {
        // As start-up leaves things, on the whole window.
        setScreenSize(width, height);
        initGraphicsState(width, height);
        placeCameraForStart();
        createLabelChains();
    }

    static Feedback pass() {
        return captureFeedback([] { runLoopPass(); }, true);
    }

    static Matrix sceneFrom(const Vec3& eye, const Vec3& target) {
        return sceneSeenBy(width, height, eye, target);
    }

    Kept<TimeOfDay> clockSet{testClockTime};
};

// The largest distance between the ends of the same lines in two drawings.
double farthestApart(const std::vector<Segment>& a, size_t from, const std::vector<Segment>& b) {
    double farthest = 0.0;
    for (size_t i = 0; i < b.size() && from + i < a.size(); ++i) {
        const Segment &s = a[from + i], &t = b[i];
        farthest = std::max({farthest, std::hypot(s.from.x - t.from.x, s.from.y - t.from.y),
                             std::hypot(s.to.x - t.to.x, s.to.y - t.to.y)});
    }
    return farthest;
}

} // namespace

TEST_F(LoopPass, EachPassDrawsTheLabelsOfTheClockAsItReadsThen) {
    testClockTime = TimeOfDay{14, 5, 3};
    Feedback drawn = pass();
    ASSERT_FALSE(drawn.unreadable);
    expectStraightChains(drawn, sceneFrom(camera.eye, camera.target),
                         {"|14:04:54", "|14:04:55", "|14:04:56", "|14:04:57", "|14:04:58",
                          "|14:04:59", "|14:05:00", "|14:05:01", "|14:05:02", "|14:05:03"});
    // A second on, the next pass reads the clock again.
    testClockTime = TimeOfDay{14, 5, 4};
    drawn = pass();
    expectStraightChains(drawn, sceneFrom(camera.eye, camera.target),
                         {"|14:04:55", "|14:04:56", "|14:04:57", "|14:04:58", "|14:04:59",
                          "|14:05:00", "|14:05:01", "|14:05:02", "|14:05:03", "|14:05:04"});
}

TEST_F(LoopPass, TakesTheInputThenStepsTheViewAndCountsTheFrameBeforeDrawing) {
    push(motion(700, 100));
    Feedback drawn = pass();
    // Orbit's first step toward that pointer, from the start-up eye.
    expectFloor(drawn, sceneFrom(Vec3(-0.094f, 0.142f, 154.5f), Vec3(0, 0, 0)));
    // The dot at the pointer, a tenth visible in the frame that took the motion.
    ASSERT_EQ(drawn.points.size(), 1u);
    EXPECT_NEAR(drawn.points[0].x, 700, 1e-3);
    EXPECT_NEAR(drawn.points[0].y, height - 100, 1e-3);
    EXPECT_NEAR(drawn.pointColours[0].a, 0.1, 1e-5);
    // One frame on, at rest: 10 + (99 - 10) / 10.
    drawn = pass();
    ASSERT_EQ(drawn.points.size(), 1u);
    EXPECT_NEAR(drawn.pointColours[0].a, 0.189, 1e-5);
}

TEST_F(LoopPass, SpaceAndButtonOneBeforeTheFirstFrameFlyFromTheStartUpPlacement) {
    push(keyDown(SDLK_SPACE));
    push(motion(512, 384));
    push(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    const Feedback drawn = pass();
    expectFloor(drawn, sceneFrom(Vec3(0, 10.455f, 5.97f), Vec3(0, 1.455f, -0.03f)));
}

TEST_F(LoopPass, EveryChainIsDrawnAsItStandsAfterItsOneStep) {
    // Fly with the pointer on the centre and no speed: the camera stays put.
    viewMode = Fly;
    mouseX = width / 2;
    mouseY = height / 2;
    camera.set(Vec3(3, 4, 90), Vec3(0.5f, -1, 0), Vec3(0, 1, 0));
    clockReading = testClockTime;
    buildTimeLabels();
    for (int step = 0; step < 300; ++step) {
        for (auto& chain : chains) {
            chain->update();
        }
    }
    // The chains alone, drawn in the frame's place.
    const double eye[3] = {3, 4, 90}, target[3] = {0.5, -1, 0}, up[3] = {0, 1, 0};
    const auto chainsNow = [&] {
        return captureFeedback([&] {
            glMatrixMode(GL_PROJECTION);
            Matrix::perspective(60, 4.0 / 3.0, 1, 1024).load();
            glMatrixMode(GL_MODELVIEW);
            (Matrix::lookAt(eye, target, up) * Matrix::translation(0, -5, 0) *
             Matrix::scaling(0.3, 0.3, 0.3))
                .load();
            for (auto& chain : chains) {
                chain->draw();
            }
        });
    };
    std::vector<std::vector<std::vector<int32_t>>> elapsed;
    for (auto& chain : chains) {
        elapsed.push_back(chain->sway->elapsed);
    }
    const Feedback before = chainsNow();
    const Feedback drawn = pass();
    const Feedback after = chainsNow();

    ASSERT_EQ(before.segments.size(), after.segments.size());
    ASSERT_EQ(drawn.segments.size(), 4 + after.segments.size());
    EXPECT_GT(farthestApart(after.segments, 0, before.segments), 0.01) << "the sway is moving";
    EXPECT_LT(farthestApart(drawn.segments, 4, after.segments), 1e-3);
    // One step each: every value a step further on, or back at the start of an ease.
    for (size_t c = 0; c < chains.size(); ++c) {
        for (size_t i = 0; i < 2; ++i) {
            for (size_t j = 0; j < 10; ++j) {
                const int32_t now = chains[c]->sway->elapsed[i][j];
                EXPECT_TRUE(now == 0 || now == elapsed[c][i][j] + 1) << "chain " << c;
            }
        }
    }
}
