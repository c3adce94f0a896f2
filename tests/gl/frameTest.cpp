// A whole frame in a real GL context: the floor square and every chain where
// the camera should see them, the dot over it all and the state left behind;
// and the dot's blended pixels.
#include "app/app.h"
#include "camera/camera.h"
#include "scene/scene.h"
#include "testDisplay.h"
#include "vecChecks.h"

namespace {

// The display the frame is drawn for, smaller than the window it is drawn in.
constexpr int screenW = 800;
constexpr int screenH = 600;

class Frame : public GlTest {
protected:
    void prepare() override {
        setScreenSize(screenW, screenH);
        initGraphicsState(screenW, screenH);
        clockReading = TimeOfDay{23, 59, 58};
        createLabelChains();
        camera.set(Vec3(3, 4, 90), Vec3(0.5f, -1, 0), Vec3(0, 1, 0));
        mouseX = 200;
        mouseY = 150;
        idleFrames = 1;
    }
};

} // namespace

TEST_F(Frame, DrawsTheFloorTheChainsAndTheDotThroughTheCamera) {
    const Feedback drawn = captureFeedback([] { drawFrame(); }, true);
    ASSERT_FALSE(drawn.unreadable);

    // The floor, then forty-five chains, still straight in their first frame.
    const Matrix scene = sceneSeenBy(screenW, screenH, Vec3(3, 4, 90), Vec3(0.5f, -1, 0));
    expectFloor(drawn, scene);
    const size_t end =
        expectStraightChains(drawn, scene,
                             {"|23:59:49", "|23:59:50", "|23:59:51", "|23:59:52", "|23:59:53",
                              "|23:59:54", "|23:59:55", "|23:59:56", "|23:59:57", "|23:59:58"});
    EXPECT_EQ(end, drawn.segments.size()) << "nothing else is drawn";

    // Last, the dot at the pointer, on a projection with y growing downward.
    ASSERT_EQ(drawn.points.size(), 1u);
    EXPECT_NEAR(drawn.points[0].x, 200.0, 1e-3);
    EXPECT_NEAR(drawn.points[0].y, screenH - 150.0, 1e-3);
    EXPECT_EQ(drawn.pointColours[0].r, 0.0);
    EXPECT_NEAR(drawn.pointColours[0].a, 0.1, 1e-6);

    // What the frame leaves: a pixel projection, identity model-view, no blending.
    const Matrix projection = currentMatrix(GL_PROJECTION_MATRIX);
    const Matrix pixels = Matrix::ortho(0, screenW, screenH, 0, -1, 1);
    expectAllNear(projection.m, pixels.m, 16, 1e-7, "projection");
    expectAllNear(currentMatrix(GL_MODELVIEW_MATRIX).m, Matrix::identity().m, 16, 0, "model-view");
    EXPECT_EQ(integer(GL_MATRIX_MODE), GL_MODELVIEW);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(integer(GL_MODELVIEW_STACK_DEPTH), 1);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(Frame, AQuarterOfTheDriftsPeriodAcrossMovesThePictureThreePoints) {
    const Feedback still = captureFeedback([] { drawFrame(); }, true);
    // 311 seconds at 60 frames a second is the period across.
    drifting = true;
    driftFrame = 18660 / 4 - 1;
    advanceDrift();
    const Feedback drifted = captureFeedback([] { drawFrame(); }, true);
    ASSERT_FALSE(still.segments.empty() || drifted.segments.empty());
    EXPECT_NEAR(drifted.segments[0].from.x - still.segments[0].from.x, 3.0, 1e-3);
    const double up = drifted.segments[0].from.y - still.segments[0].from.y;
    EXPECT_TRUE(up > 0.0 && up < 3.0) << up;
}

TEST_F(Frame, AtTwoPixelsAPointTheSameFrameFillsTwiceThePixels) {
    // A 512 by 384 display whose drawable is the whole 1024 by 768 window.
    setScreenSize(512, 384);
    pixelsPerPoint = 2.0f;
    mouseX = 100;
    mouseY = 50;
    const Feedback drawn = captureFeedback([] { drawFrame(); }, true);
    ASSERT_FALSE(drawn.unreadable);
    expectFloor(drawn, sceneSeenBy(1024, 768, Vec3(3, 4, 90), Vec3(0.5f, -1, 0)));
    ASSERT_EQ(drawn.points.size(), 1u);
    EXPECT_NEAR(drawn.points[0].x, 200.0, 1e-3);
    EXPECT_NEAR(drawn.points[0].y, 768 - 100.0, 1e-3);
    // Lines and the dot as heavy as they are at one pixel a point.
    GLfloat line = 0, point = 0;
    glGetFloatv(GL_LINE_WIDTH, &line);
    glGetFloatv(GL_POINT_SIZE, &point);
    EXPECT_EQ(line, 2.0f);
    EXPECT_EQ(point, 6.0f);
}

TEST_F(Frame, TheDotIsAThreeByThreeBlendedSquareAtThePointer) {
    struct Case {
        int x, y;
        float level;
        int idle;
        int grey; // of the dot's pixels, eased a tenth of the way to 101 - idle
    };
    for (const Case& k : {Case{200, 150, 50.0f, 101, 140}, Case{0, 0, 0.0f, 1, 230},
                          Case{799, 599, 99.99997f, 1, 0}}) {
        glClear(GL_COLOR_BUFFER_BIT);
        mouseX = k.x;
        mouseY = k.y;
        dotLevel = k.level;
        idleFrames = k.idle;
        drawCursorDot();

        // The square covers the pixel at the pointer and its neighbours x - 1
        // to x + 1 and y - 2 to y: the point's centre is the corner at the
        // pointer, rounded to the pixel up and right of it.
        for (int y = k.y - 3; y <= k.y + 3; ++y) {
            for (int x = k.x - 3; x <= k.x + 3; ++x) {
                if (x < 0 || x >= screenW || y < 0 || y >= screenH) {
                    continue;
                }
                unsigned char rgba[4] = {};
                glReadPixels(x, screenH - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
                const bool inDot = x >= k.x - 1 && x <= k.x + 1 && y >= k.y - 2 && y <= k.y;
                for (int channel = 0; channel < 3; ++channel) {
                    EXPECT_NEAR(rgba[channel], inDot ? k.grey : 255, 1)
                        << "pixel " << x << ", " << y << " at level " << dotLevel;
                }
            }
        }
    }
}
