// The stroke font in a real GL context: every glyph's lines, codes without a
// glyph, and the state drawing and building leave.
#include "app/app.h"
#include "font/strokeFont.h"
#include "testDisplay.h"
#include "vecChecks.h"

#include <cstdint>
#include <string>

namespace {

using Font = GlTest;

// Turned, tilted out of the screen plane and scaled unevenly, so that no
// coordinate is taken for another.
const Matrix placement = Matrix::translation(300, 250, 1) * Matrix::rotation(25, 0, 0, 1) *
                         Matrix::rotation(20, 1, 0.5, 0) * Matrix::scaling(40, 30, 1);

} // namespace

TEST_F(Font, EveryGlyphListDrawsItsLinesAndMovesOnByOneAdvance) {
    for (char code : std::string("0123456789:| ")) {
        const std::string what = std::string("glyph '") + code + "'";
        placement.load();
        const Feedback lines = captureFeedback([&] { glCallList(fontBase + code); });
        ASSERT_TRUE(!lines.unreadable && lines.points.empty()) << what;
        const std::vector<Stroke> want = strokesOfText(std::string(1, code));
        EXPECT_EQ(lines.segments.size(), want.size()) << what;
        expectStrokes(lines.segments, 0, want, toWindow(placement), what);
        expectAllNear(currentMatrix(GL_MODELVIEW_MATRIX).m,
                      (placement * Matrix::translation(0.8, 0, 0)).m, 16, 1e-4, what);
    }
}

TEST_F(Font, EveryCodeDrawsItsGlyphOrNothingAndOnlyGlyphsMoveOn) {
    for (int code = 0; code < 256; ++code) {
        const char text[3] = {'1', static_cast<char>(code), '1'};
        placement.load();
        const Feedback lines = captureFeedback([&] { drawText(fontBase, text, 3); });
        const std::vector<Stroke> want = strokesOfText(std::string(text, 3));
        EXPECT_EQ(lines.segments.size(), want.size()) << "code " << code;
        expectStrokes(lines.segments, 0, want, toWindow(placement), "code " + std::to_string(code));
    }
}

TEST_F(Font, DrawingLeavesTheCallersStateAsItWas) {
    placement.load();
    glPushMatrix(); // a caller that is itself one level deep
    glListBase(1234);
    const GLint depth = integer(GL_MODELVIEW_STACK_DEPTH);
    const GLint attribDepth = integer(GL_ATTRIB_STACK_DEPTH);
    const Matrix before = currentMatrix(GL_MODELVIEW_MATRIX);
    // Exactly count characters are read, without a terminator.
    for (int count : {9, 0}) {
        const Feedback lines = captureFeedback([&] { drawText(fontBase, "|14:05:039", count); });
        const std::string what = "count " + std::to_string(count);
        EXPECT_EQ(lines.segments.size(), strokesOfText(std::string("|14:05:039", count)).size())
            << what;
        expectAllNear(currentMatrix(GL_MODELVIEW_MATRIX).m, before.m, 16, 1e-4, what);
        EXPECT_EQ(integer(GL_MATRIX_MODE), GL_MODELVIEW) << what;
        EXPECT_EQ(integer(GL_MODELVIEW_STACK_DEPTH), depth) << what;
        EXPECT_EQ(integer(GL_ATTRIB_STACK_DEPTH), attribDepth) << what;
        EXPECT_EQ(integer(GL_LIST_BASE), 1234) << what;
    }
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    glPopMatrix();
}

TEST_F(Font, ANullTextMakesNoGlCall) {
    // Between glBegin and glEnd any matrix or attribute call is an error, so a
    // clean error state shows that nothing was called.
    glBegin(GL_POINTS);
    drawText(fontBase, nullptr, 9);
    glEnd();
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    // The same check does catch a call.
    glBegin(GL_POINTS);
    drawText(fontBase, "1", 0);
    glEnd();
    EXPECT_NE(glGetError(), GLenum(GL_NO_ERROR));
    while (glGetError() != GL_NO_ERROR) {
    }
}

TEST_F(Font, BuildingDrawsNothingKeepsBothMatricesAndReservesEveryCode) {
    const Matrix otherProjection = Matrix::ortho(-5, 900, -7, 700, -3, 3);
    for (GLenum mode : {GLenum(GL_PROJECTION), GLenum(GL_MODELVIEW)}) {
        glMatrixMode(GL_PROJECTION);
        otherProjection.load();
        glMatrixMode(GL_MODELVIEW);
        placement.load();
        glMatrixMode(mode);
        GLuint base = 0;
        const Feedback lines = captureFeedback([&] { base = buildStrokeFont(); });
        ASSERT_NE(base, 0u);
        EXPECT_TRUE(lines.segments.empty() && lines.points.empty() && !lines.unreadable);
        EXPECT_EQ(integer(GL_MATRIX_MODE), static_cast<GLint>(mode));
        expectAllNear(currentMatrix(GL_PROJECTION_MATRIX).m, otherProjection.m, 16, 1e-4,
                      "projection");
        expectAllNear(currentMatrix(GL_MODELVIEW_MATRIX).m, placement.m, 16, 1e-4, "model-view");
        // Codes without a glyph have their ids all the same, so no text calls outside the block.
        for (GLuint id = base; id < base + 256; ++id) {
            EXPECT_TRUE(glIsList(id)) << id - base;
        }
        glDeleteLists(base, 256);
    }
}

TEST_F(Font, StartUpEndsWhenTheFontCannotBeBuilt) {
    Kept<std::string> style(::testing::GTEST_FLAG(death_test_style));
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    // glGenLists gives 0 between glBegin and glEnd.
    EXPECT_EXIT(
        {
            glBegin(GL_LINES);
            buildFontOrQuit();
        },
        ::testing::ExitedWithCode(1), "Font creation failed: no display lists available");
}
