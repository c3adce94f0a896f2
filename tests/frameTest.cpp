// A whole frame in a real GL context: the floor square where the camera
// should see it, every chain drawn, the dot over it all and the state left
// behind; and the dot's blended pixels.
#include "app/app.h"
#include "camera/camera.h"
#include "clock/timeLabels.h"
#include "feedback.h"
#include "font/strokeFont.h"
#include "scene/scene.h"
#include "testDisplay.h"

#include <SDL_opengl.h>
#include <cmath>
#include <vector>

namespace {

constexpr int width = 800;
constexpr int height = 600;

// Segments one label draws: from the glyph table, one list per character.
size_t segmentsOf(const char* label) {
    size_t count = 0;
    for (int n = 0; n < timeLabelLength; ++n) {
        for (const GlyphStrokes& glyph : strokeGlyphs) {
            if (glyph.code == static_cast<unsigned char>(label[n])) {
                count += glyph.primitive == GL_LINE_STRIP ? glyph.vertexCount - 1
                                                          : glyph.vertexCount / 2;
            }
        }
    }
    return count;
}

class Frame : public ::testing::Test {
protected:
    void SetUp() override {
        KRONVALE_REQUIRE_DISPLAY(width, height, SDL_OPENGL);
        setScreenSize(width, height);
        initGraphicsState(width, height);
        if (fontBase == 0) {
            fontBase = buildStrokeFont();
        }
        ASSERT_NE(fontBase, 0u);
        if (TimeLabels == nullptr) {
            allocateTimeLabels();
        }
        clockReading = TimeOfDay{23, 59, 58};
        resetRandom();
        createLabelChains();
        camera = Camera();
        camera.set(Vec3(3, 4, 90), Vec3(0.5f, -1, 0), Vec3(0, 1, 0));
        mouseX = 200;
        mouseY = 150;
        idleFrames = 1;
        dotLevel = 0.0f;
    }

    static GLint integer(GLenum name) {
        GLint value = 0;
        glGetIntegerv(name, &value);
        return value;
    }

    // The frame's first 160 steps leave every chain straight; go past them.
    static void swayFor(int frames) {
        for (int n = 0; n < frames; ++n) {
            for (auto& chain : chains) {
                chain->update();
            }
        }
    }
};

} // namespace

TEST_F(Frame, DrawsTheFloorTheChainsAndTheDotThroughTheCamera) {
    swayFor(400);
    const Feedback drawn = captureFeedback([] { drawFrame(); }, true);
    ASSERT_FALSE(drawn.overflowed);

    // The floor square, corner after corner and back, through the test's own pipeline.
    const double eye[3] = {3, 4, 90}, target[3] = {0.5, -1, 0}, up[3] = {0, 1, 0};
    const Matrix toWindow = Matrix::translation(width / 2.0, height / 2.0, 0.5) *
                            Matrix::scaling(width / 2.0, height / 2.0, 0.5) *
                            Matrix::perspective(60, 800.0 / 600.0, 1, 1024) *
                            Matrix::lookAt(eye, target, up) * Matrix::translation(0, -5, 0);
    const double corners[5][2] = {{4, 4}, {-4, 4}, {-4, -4}, {4, -4}, {4, 4}};
    ASSERT_GE(drawn.segments.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const WindowPoint a = toWindow.apply(corners[i][0], 0, corners[i][1]);
        const WindowPoint b = toWindow.apply(corners[i + 1][0], 0, corners[i + 1][1]);
        const Segment& s = drawn.segments[i];
        EXPECT_NEAR(s.from.x, a.x, 2e-3) << "edge " << i;
        EXPECT_NEAR(s.from.y, a.y, 2e-3) << "edge " << i;
        EXPECT_NEAR(s.to.x, b.x, 2e-3) << "edge " << i;
        EXPECT_NEAR(s.to.y, b.y, 2e-3) << "edge " << i;
        EXPECT_EQ(s.colour.r, 0.0);
        EXPECT_EQ(s.colour.g, 1.0);
        EXPECT_EQ(s.colour.b, 1.0);
    }

    // Then forty-five chains of the ten labels of 23:59:49 to 23:59:58, all
    // in view from this far out, so that none is clipped.
    size_t perChain = 0;
    for (int k = 0; k < timeLabelCount; ++k) {
        perChain += segmentsOf(TimeLabels[k]);
    }
    EXPECT_EQ(std::string(TimeLabels[9], timeLabelLength), "|23:59:58");
    EXPECT_EQ(drawn.segments.size(), 4 + 45 * perChain);

    // Every chain's oldest label stands upright on the root, at three tenths
    // of its size: its bar runs across the chain at the same place.
    const Matrix toChains = toWindow * Matrix::scaling(0.3, 0.3, 0.3);
    const WindowPoint barFrom = toChains.apply(0.2, 0.325, 0);
    const WindowPoint barTo = toChains.apply(-1.2, 0.325, 0);
    for (int c = 0; c < 45; ++c) {
        const Segment& bar = drawn.segments[4 + c * perChain];
        EXPECT_NEAR(bar.from.x, barFrom.x, 2e-3) << "chain " << c;
        EXPECT_NEAR(bar.from.y, barFrom.y, 2e-3) << "chain " << c;
        EXPECT_NEAR(bar.to.x, barTo.x, 2e-3) << "chain " << c;
        EXPECT_NEAR(bar.to.y, barTo.y, 2e-3) << "chain " << c;
    }
    // Swaying by now, the chains' tips are not all in one place.
    const Segment& tip0 = drawn.segments[4 + perChain - 1];
    const Segment& tip1 = drawn.segments[4 + 2 * perChain - 1];
    EXPECT_GT(std::hypot(tip0.to.x - tip1.to.x, tip0.to.y - tip1.to.y), 1.0);

    // Last, the dot at the pointer, on a projection with y growing downward.
    ASSERT_EQ(drawn.points, 1);
    EXPECT_NEAR(drawn.pointPositions[0].x, 200.0, 1e-3);
    EXPECT_NEAR(drawn.pointPositions[0].y, height - 150.0, 1e-3);
    EXPECT_EQ(drawn.pointColours[0].r, 0.0);
    EXPECT_NEAR(drawn.pointColours[0].a, 0.1, 1e-6);
    EXPECT_NEAR(dotLevel, 10.0f, 1e-5);

    // What the frame leaves: a pixel projection, identity model-view, no blending.
    const Matrix projection = currentMatrix(GL_PROJECTION_MATRIX);
    const Matrix pixels = Matrix::ortho(0, width, height, 0, -1, 1);
    const Matrix modelView = currentMatrix(GL_MODELVIEW_MATRIX);
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(projection.m[i], pixels.m[i], 1e-7) << "element " << i;
        EXPECT_EQ(modelView.m[i], Matrix::identity().m[i]) << "element " << i;
    }
    EXPECT_EQ(integer(GL_MATRIX_MODE), GL_MODELVIEW);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_EQ(integer(GL_MODELVIEW_STACK_DEPTH), 1);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(Frame, EachFrameStepsEverySwayOnce) {
    SwayField before = *chains[44]->sway;
    captureFeedback([] { drawFrame(); });
    EXPECT_EQ(chains[44]->sway->elapsed[1][9], before.elapsed[1][9] + 1);
    EXPECT_EQ(chains[0]->sway->elapsed[0][0], 1);
}

TEST_F(Frame, TheDotIsAThreeByThreeBlendedSquareAtThePointer) {
    struct Case {
        int x, y;
        float level;
        int idle;
    };
    for (const Case& k :
         {Case{200, 150, 50.0f, 101}, Case{0, 0, 0.0f, 1}, Case{799, 599, 99.99997f, 1}}) {
        glClear(GL_COLOR_BUFFER_BIT);
        mouseX = k.x;
        mouseY = k.y;
        dotLevel = k.level;
        idleFrames = k.idle;
        drawCursorDot();
        const float alpha = dotLevel * 0.01f;
        const int grey = static_cast<int>(std::lround((1.0 - alpha) * 255.0));

        // Read the 7 by 7 pixels around the pointer, top row first.
        unsigned char rgba[7][7][4] = {};
        for (int row = 0; row < 7; ++row) {
            const int y = height - 1 - (k.y - 3 + row);
            for (int column = 0; column < 7; ++column) {
                const int x = k.x - 3 + column;
                if (x < 0 || x >= width || y < 0 || y >= height) {
                    continue;
                }
                glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba[row][column]);
            }
        }
        // The square covers the pixel at the pointer and its neighbours
        // x - 1 to x + 1 and y - 2 to y: the point's centre is the corner
        // at the pointer, rounded to the pixel up and right of it.
        for (int row = 0; row < 7; ++row) {
            for (int column = 0; column < 7; ++column) {
                const int x = k.x - 3 + column, y = k.y - 3 + row;
                if (x < 0 || x >= width || y < 0 || y >= height) {
                    continue;
                }
                const bool inDot = column >= 2 && column <= 4 && row >= 1 && row <= 3;
                const int want = inDot ? grey : 255;
                for (int channel = 0; channel < 3; ++channel) {
                    EXPECT_NEAR(rgba[row][column][channel], want, 1)
                        << "pixel " << x << ", " << y << " at level " << dotLevel;
                }
            }
        }
    }
}
