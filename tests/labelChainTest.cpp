// Label chains drawn in a real GL context: where every label lands and how it
// is turned, its colour, its text, and the matrix left behind.
#include "app/app.h"
#include "clock/timeLabels.h"
#include "feedback.h"
#include "font/strokeFont.h"
#include "scene/scene.h"
#include "testDisplay.h"

#include <SDL_opengl.h>
#include <string>
#include <vector>

namespace {

constexpr int width = 800;
constexpr int height = 600;
constexpr double tolerance = 2e-3; // pixels

struct Stroke {
    double x0, y0, x1, y1;
};

// A label's strokes in its own frame, one glyph cell of 0.8 after another.
std::vector<Stroke> strokesOfLabel(const char* label) {
    std::vector<Stroke> strokes;
    for (int n = 0; n < timeLabelLength; ++n) {
        const double origin = 0.8 * n;
        for (const GlyphStrokes& glyph : strokeGlyphs) {
            if (glyph.code != static_cast<unsigned char>(label[n])) {
                continue;
            }
            const auto& v = glyph.vertices;
            const bool strip = glyph.primitive == GL_LINE_STRIP;
            for (int i = strip ? 1 : 0; i < glyph.vertexCount; i += strip ? 1 : 2) {
                const int a = strip ? i - 1 : i;
                strokes.push_back(
                    Stroke{origin + v[a][0], v[a][1], origin + v[a + 1][0], v[a + 1][1]});
            }
        }
    }
    return strokes;
}

class LabelChainDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        KRONVALE_REQUIRE_DISPLAY(width, height, SDL_OPENGL);
        glViewport(0, 0, width, height);
        glMatrixMode(GL_PROJECTION);
        projection.load();
        glMatrixMode(GL_MODELVIEW);
        view.load();
        if (fontBase == 0) {
            fontBase = buildStrokeFont();
        }
        ASSERT_NE(fontBase, 0u);
        if (TimeLabels == nullptr) {
            allocateTimeLabels();
        }
        // Across a minute and an hour, so that no two labels look alike.
        clockReading = TimeOfDay{13, 59, 55};
        buildTimeLabels();
    }

    // Known bends, with fractions in both rows and sums well away from 0.
    static void bend(LabelChain& chain) {
        for (int k = 1; k < chain.labelCount; ++k) {
            chain.sway->sums[0][k] = 7.3 * k - 20.0 + 0.123;
            chain.sway->sums[1][k] = -11.7 + 5.45 * k;
        }
    }

    // The test's own placement of label k: the root, then every joint up to
    // k (a step along the bent y axis before each but the first), each
    // turning about z and then about x, then the quarter turn for the glyphs.
    static Matrix labelMatrix(const LabelChain& chain, int k) {
        Matrix m = view * Matrix::translation(chain.root.x, chain.root.y, chain.root.z);
        for (int joint = 0; joint <= k; ++joint) {
            if (joint > 0) {
                m = m * Matrix::translation(0, chain.spacing, 0);
            }
            m = m * Matrix::rotation(chain.sway->sums[0][joint], 0, 0, 1) *
                Matrix::rotation(chain.sway->sums[1][joint], 1, 0, 0);
        }
        return m * Matrix::rotation(90, 0, 0, 1);
    }

    static Matrix toWindow(const Matrix& modelView) {
        const Matrix viewport = Matrix::translation(width / 2.0, height / 2.0, 0.5) *
                                Matrix::scaling(width / 2.0, height / 2.0, 0.5);
        return viewport * projection * modelView;
    }

    // Every segment the chain drew, label by label, against the test's own
    // placement; returns the index of each label's first segment.
    static std::vector<size_t> expectChain(const LabelChain& chain, const Feedback& drawn) {
        std::vector<size_t> firsts;
        size_t at = 0;
        for (int k = 0; k < chain.labelCount; ++k) {
            const char* label = TimeLabels[timeLabelCount - chain.labelCount + k];
            const std::string what =
                "label " + std::to_string(k) + " " + std::string(label, timeLabelLength);
            const Matrix m = toWindow(labelMatrix(chain, k));
            firsts.push_back(at);
            for (const Stroke& s : strokesOfLabel(label)) {
                if (at >= drawn.segments.size()) {
                    ADD_FAILURE() << what << ": too few segments drawn";
                    return firsts;
                }
                const WindowPoint a = m.apply(s.x0, s.y0, 0.0);
                const WindowPoint b = m.apply(s.x1, s.y1, 0.0);
                const Segment& got = drawn.segments[at++];
                EXPECT_NEAR(got.from.x, a.x, tolerance) << what << ", segment " << at;
                EXPECT_NEAR(got.from.y, a.y, tolerance) << what << ", segment " << at;
                EXPECT_NEAR(got.from.z, a.z, 1e-5) << what << ", segment " << at;
                EXPECT_NEAR(got.to.x, b.x, tolerance) << what << ", segment " << at;
                EXPECT_NEAR(got.to.y, b.y, tolerance) << what << ", segment " << at;
                EXPECT_NEAR(got.to.z, b.z, 1e-5) << what << ", segment " << at;
            }
        }
        EXPECT_EQ(at, drawn.segments.size()) << "nothing but the labels is drawn";
        return firsts;
    }

    static GLint integer(GLenum name) {
        GLint value = 0;
        glGetIntegerv(name, &value);
        return value;
    }

    static const Matrix projection;
    static const Matrix view;
};

const Matrix LabelChainDrawing::projection = Matrix::perspective(60, 4.0 / 3.0, 1, 1024);
// Looking at the chains a little from above and from the side, at three tenths of their size.
const Matrix LabelChainDrawing::view =
    Matrix::translation(0, -5, -40) * Matrix::rotation(15, 1, 0, 0) *
    Matrix::rotation(-25, 0, 1, 0) * Matrix::scaling(0.3, 0.3, 0.3);

} // namespace

TEST_F(LabelChainDrawing, EveryLabelSitsAtItsJointTurnedByAllJointsBelow) {
    LabelChain chain(10, Vec3(1.5f, -2.25f, 0.5f), static_cast<double>(labelSpacing));
    bend(chain);
    const Feedback drawn = captureFeedback([&] { chain.draw(); });
    ASSERT_FALSE(drawn.overflowed);
    EXPECT_EQ(drawn.points + drawn.polygons, 0);
    const std::vector<size_t> firsts = expectChain(chain, drawn);

    // The bar of each label begins where the ninth cell of the one before ends.
    ASSERT_EQ(firsts.size(), 10u);
    const WindowPoint root = toWindow(view).apply(1.5, -2.25, 0.5);
    const WindowPoint bar = toWindow(labelMatrix(chain, 0)).apply(0.0, 0.0, 0.0);
    EXPECT_NEAR(bar.x, root.x, tolerance);
    EXPECT_NEAR(bar.y, root.y, tolerance);
}

TEST_F(LabelChainDrawing, AStraightChainStandsUpFromItsRoot) {
    LabelChain chain(10, Vec3(0, 0, 0), static_cast<double>(labelSpacing));
    const Feedback drawn = captureFeedback([&] { chain.draw(); });
    ASSERT_FALSE(drawn.overflowed);
    const std::vector<size_t> firsts = expectChain(chain, drawn);
    ASSERT_EQ(firsts.size(), 10u);
    // Each bar, from (0.325, -0.2) to (0.325, 1.2) in its cell, lies across
    // the chain: at height k * spacing, from x = 0.2 to -1.2.
    for (int k = 0; k < 10; ++k) {
        const Segment& got = drawn.segments[firsts[k]];
        const double y = k * static_cast<double>(labelSpacing) + 0.325;
        const WindowPoint a = toWindow(view).apply(0.2, y, 0);
        const WindowPoint b = toWindow(view).apply(-1.2, y, 0);
        EXPECT_NEAR(got.from.x, a.x, tolerance) << "label " << k;
        EXPECT_NEAR(got.from.y, a.y, tolerance) << "label " << k;
        EXPECT_NEAR(got.to.x, b.x, tolerance) << "label " << k;
        EXPECT_NEAR(got.to.y, b.y, tolerance) << "label " << k;
    }
}

TEST_F(LabelChainDrawing, ShorterChainsEndWithTheCurrentSecond) {
    for (int count : {3, 1}) {
        LabelChain chain(count, Vec3(-1, 0, 2), 5.0);
        bend(chain);
        const Feedback drawn = captureFeedback([&] { chain.draw(); });
        ASSERT_FALSE(drawn.overflowed);
        expectChain(chain, drawn);
    }
    LabelChain single(1, Vec3(0, 0, 0), 5.0);
    single.sway->currentValue[0][0] = 5.0;
    single.update();
    EXPECT_EQ(single.sway->sums[0][0], 0.0);
    const Feedback drawn = captureFeedback([&] { single.draw(); }, true);
    ASSERT_FALSE(drawn.segments.empty());
    EXPECT_EQ(drawn.segments.size(), strokesOfLabel("|13:59:55").size());
    EXPECT_EQ(drawn.segments.front().colour.r, 0.0);
    EXPECT_EQ(drawn.segments.front().colour.g, 1.0);
}

TEST_F(LabelChainDrawing, ShadesFromCyanAtTheRootToDarkRedAtTheTip) {
    LabelChain chain(10, Vec3(0, 0, 0), static_cast<double>(labelSpacing));
    bend(chain);
    const Feedback drawn = captureFeedback([&] { chain.draw(); }, true);
    ASSERT_FALSE(drawn.overflowed);
    const std::vector<size_t> firsts = expectChain(chain, drawn);
    ASSERT_EQ(firsts.size(), 10u);
    for (int k = 0; k < 10; ++k) {
        const size_t end = k + 1 < 10 ? firsts[k + 1] : drawn.segments.size();
        for (size_t i = firsts[k]; i < end; ++i) {
            const Colour& c = drawn.segments[i].colour;
            EXPECT_NEAR(c.r, k / 10.0, 1e-6) << "label " << k;
            EXPECT_NEAR(c.g, 1.0 - k / 10.0, 1e-6) << "label " << k;
            EXPECT_NEAR(c.b, 1.0 - k / 10.0, 1e-6) << "label " << k;
            EXPECT_EQ(c.a, 1.0) << "label " << k;
        }
    }
    const Colour& root = drawn.segments[firsts[0]].colour;
    EXPECT_EQ(root.r, 0.0);
    EXPECT_EQ(root.g, 1.0);
    EXPECT_EQ(root.b, 1.0);
    const Colour& tip = drawn.segments[firsts[9]].colour;
    EXPECT_NEAR(tip.r, 0.9, 1e-6);
    EXPECT_NEAR(tip.g, 0.1, 1e-6);
    EXPECT_NEAR(tip.b, 0.1, 1e-6);
}

TEST_F(LabelChainDrawing, LeavesTheMatrixAsItFoundIt) {
    LabelChain chain(10, Vec3(3, 4, 5), static_cast<double>(labelSpacing));
    bend(chain);
    glPushMatrix();
    const GLint depth = integer(GL_MODELVIEW_STACK_DEPTH);
    const Matrix before = currentMatrix(GL_MODELVIEW_MATRIX);
    chain.draw();
    const Matrix after = currentMatrix(GL_MODELVIEW_MATRIX);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(after.m[i], before.m[i]) << "element " << i;
    }
    EXPECT_EQ(integer(GL_MODELVIEW_STACK_DEPTH), depth);
    EXPECT_EQ(integer(GL_MATRIX_MODE), GL_MODELVIEW);
    EXPECT_EQ(integer(GL_LIST_BASE), 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    glPopMatrix();
}
