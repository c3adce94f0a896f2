// The stroke font in a real GL context: every glyph's segments, label layout,
// empty codes, and the state that drawing and building leave behind.
#include "app/app.h"
#include "feedback.h"
#include "font/strokeFont.h"
#include "testDisplay.h"

#include <SDL_opengl.h>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

// The glyph table as written in the font's design, kept apart from the program's.
struct ExpectedGlyph {
    unsigned char code;
    bool strip; // a connected path rather than separate pairs
    std::vector<std::pair<double, double>> vertices;
};

const std::vector<ExpectedGlyph>& expectedGlyphs() {
    static const std::vector<ExpectedGlyph> glyphs = {
        {'0', true, {{0, 0}, {0.65, 0}, {0.65, 1}, {0, 1}, {0, 0}}},
        {'1', false, {{0.2, 0.8}, {0.325, 1}, {0.325, 0}, {0.325, 1}, {0, 0}, {0.65, 0}}},
        {'2', true, {{0.65, 0}, {0, 0}, {0, 0.5}, {0.65, 0.5}, {0.65, 1}, {0, 1}}},
        {'3',
         false,
         {{0, 0}, {0.65, 0}, {0, 0.5}, {0.65, 0.5}, {0, 1}, {0.65, 1}, {0.65, 0}, {0.65, 1}}},
        {'4', false, {{0, 1}, {0, 0.5}, {0, 0.5}, {0.65, 0.5}, {0.65, 0}, {0.65, 1}}},
        {'5', true, {{0, 0}, {0.65, 0}, {0.65, 0.5}, {0, 0.5}, {0, 1}, {0.65, 1}}},
        {'6', true, {{0.65, 1}, {0, 1}, {0, 0}, {0.65, 0}, {0.65, 0.5}, {0, 0.5}}},
        {'7', true, {{0, 1}, {0.65, 1}, {0.65, 0}}},
        {'8',
         false,
         {{0, 0},
          {0.65, 0},
          {0, 0},
          {0, 1},
          {0, 1},
          {0.65, 1},
          {0.65, 1},
          {0.65, 0},
          {0, 0.5},
          {0.65, 0.5}}},
        {'9', true, {{0, 0}, {0.65, 0}, {0.65, 1}, {0, 1}, {0, 0.5}, {0.65, 0.5}}},
        {':',
         false,
         {{0.275, 0.25},
          {0.375, 0.25},
          {0.375, 0.25},
          {0.375, 0.35},
          {0.375, 0.35},
          {0.275, 0.35},
          {0.275, 0.35},
          {0.275, 0.25},
          {0.275, 0.65},
          {0.375, 0.65},
          {0.375, 0.65},
          {0.375, 0.75},
          {0.375, 0.75},
          {0.275, 0.75},
          {0.275, 0.75},
          {0.275, 0.65}}},
        {'|', false, {{0.325, -0.2}, {0.325, 1.2}}},
        {' ', false, {}},
    };
    return glyphs;
}

const ExpectedGlyph* expectedGlyph(unsigned char code) {
    for (const ExpectedGlyph& glyph : expectedGlyphs()) {
        if (glyph.code == code) {
            return &glyph;
        }
    }
    return nullptr;
}

// Segments in glyph space: (x0, y0, x1, y1).
struct Stroke {
    double x0, y0, x1, y1;
};

std::vector<Stroke> strokesOf(const ExpectedGlyph& glyph, double originX) {
    std::vector<Stroke> strokes;
    const auto& v = glyph.vertices;
    if (glyph.strip) {
        for (std::size_t i = 1; i < v.size(); ++i) {
            strokes.push_back(Stroke{originX + v[i - 1].first, v[i - 1].second,
                                     originX + v[i].first, v[i].second});
        }
    } else {
        for (std::size_t i = 0; i + 1 < v.size(); i += 2) {
            strokes.push_back(Stroke{originX + v[i].first, v[i].second, originX + v[i + 1].first,
                                     v[i + 1].second});
        }
    }
    return strokes;
}

// The strokes a text should draw: a cell 0.8 further for every glyph or space, nothing else.
std::vector<Stroke> strokesOfText(const std::string& text) {
    std::vector<Stroke> strokes;
    double origin = 0.0;
    for (char c : text) {
        const ExpectedGlyph* glyph = expectedGlyph(static_cast<unsigned char>(c));
        if (glyph == nullptr) {
            continue;
        }
        for (const Stroke& s : strokesOf(*glyph, origin)) {
            strokes.push_back(s);
        }
        origin += 0.8;
    }
    return strokes;
}

constexpr int width = 800;
constexpr int height = 600;
constexpr double tolerance = 2e-3; // pixels

class Font : public ::testing::Test {
protected:
    void SetUp() override {
        KRONVALE_REQUIRE_DISPLAY(width, height, SDL_OPENGL);
        glViewport(0, 0, width, height);
        glMatrixMode(GL_PROJECTION);
        projection.load();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glListBase(0);
        if (fontBase == 0) {
            fontBase = buildStrokeFont();
        }
        ASSERT_NE(fontBase, 0u);
    }

    // From glyph space through the given model-view to window coordinates.
    static Matrix toWindow(const Matrix& modelView) {
        const Matrix viewport = Matrix::translation(width / 2.0, height / 2.0, 0.5) *
                                Matrix::scaling(width / 2.0, height / 2.0, 0.5);
        return viewport * projection * modelView;
    }

    static void expectSegments(const std::vector<Segment>& got, const std::vector<Stroke>& want,
                               const Matrix& modelView, const std::string& what) {
        ASSERT_EQ(got.size(), want.size()) << what;
        const Matrix m = toWindow(modelView);
        for (std::size_t i = 0; i < want.size(); ++i) {
            const WindowPoint a = m.apply(want[i].x0, want[i].y0, 0.0);
            const WindowPoint b = m.apply(want[i].x1, want[i].y1, 0.0);
            const Segment& s = got[i];
            EXPECT_NEAR(s.from.x, a.x, tolerance) << what << ", segment " << i;
            EXPECT_NEAR(s.from.y, a.y, tolerance) << what << ", segment " << i;
            EXPECT_NEAR(s.from.z, a.z, tolerance) << what << ", segment " << i;
            EXPECT_NEAR(s.to.x, b.x, tolerance) << what << ", segment " << i;
            EXPECT_NEAR(s.to.y, b.y, tolerance) << what << ", segment " << i;
            EXPECT_NEAR(s.to.z, b.z, tolerance) << what << ", segment " << i;
        }
    }

    static void expectMatrix(const Matrix& got, const Matrix& want, const std::string& what) {
        for (int i = 0; i < 16; ++i) {
            EXPECT_NEAR(got.m[i], want.m[i], 1e-4) << what << ", element " << i;
        }
    }

    static GLint integer(GLenum name) {
        GLint value = 0;
        glGetIntegerv(name, &value);
        return value;
    }

    static const Matrix projection;
};

const Matrix Font::projection = Matrix::ortho(0, width, 0, height, -1000, 1000);

// Turned, tilted out of the screen plane and scaled unevenly, so that no
// coordinate is taken for another.
const Matrix placement = Matrix::translation(300, 250, 1) * Matrix::rotation(25, 0, 0, 1) *
                         Matrix::rotation(20, 1, 0.5, 0) * Matrix::scaling(40, 30, 1);

} // namespace

TEST_F(Font, EveryGlyphListDrawsItsStrokesAndAdvances) {
    for (const ExpectedGlyph& glyph : expectedGlyphs()) {
        const std::string what = std::string("glyph '") + static_cast<char>(glyph.code) + "'";
        placement.load();
        const Feedback drawn = captureFeedback([&] { glCallList(fontBase + glyph.code); });
        ASSERT_FALSE(drawn.overflowed);
        EXPECT_EQ(drawn.points + drawn.polygons, 0) << what;
        expectSegments(drawn.segments, strokesOf(glyph, 0.0), placement, what);
        // The list leaves the origin one advance further along x.
        expectMatrix(currentMatrix(GL_MODELVIEW_MATRIX), placement * Matrix::translation(0.8, 0, 0),
                     what);
    }
}

TEST_F(Font, ProgramTableMatchesTheDesign) {
    int compiled = 0;
    for (const GlyphStrokes& glyph : strokeGlyphs) {
        const ExpectedGlyph* want = expectedGlyph(glyph.code);
        ASSERT_NE(want, nullptr) << glyph.code;
        EXPECT_EQ(glyph.primitive, want->strip ? GLenum(GL_LINE_STRIP) : GLenum(GL_LINES));
        ASSERT_EQ(glyph.vertexCount, static_cast<int>(want->vertices.size()));
        for (int i = 0; i < glyph.vertexCount; ++i) {
            // Each coordinate is the float nearest the design's decimal value.
            EXPECT_EQ(glyph.vertices[i][0], static_cast<float>(want->vertices[i].first));
            EXPECT_EQ(glyph.vertices[i][1], static_cast<float>(want->vertices[i].second));
        }
        ++compiled;
    }
    EXPECT_EQ(compiled, 12);
}

TEST_F(Font, ALabelLaysItsNineCellsOut) {
    const std::string label = "|14:05:03";
    placement.load();
    const Feedback drawn = captureFeedback([&] { drawText(fontBase, label.data(), 9); });
    expectSegments(drawn.segments, strokesOfText(label), placement, label);
}

TEST_F(Font, ALabelSpansTheBarToTheLastCell) {
    // Axis-aligned, so that the extent reads straight off in glyph units.
    const Matrix upright = Matrix::translation(100, 200, 0) * Matrix::scaling(50, 50, 1);
    upright.load();
    const Feedback drawn = captureFeedback([&] { drawText(fontBase, "|14:05:03", 9); });
    ASSERT_FALSE(drawn.segments.empty());
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    for (const Segment& s : drawn.segments) {
        for (const WindowPoint& p : {s.from, s.to}) {
            minX = std::min(minX, (p.x - 100) / 50);
            maxX = std::max(maxX, (p.x - 100) / 50);
            minY = std::min(minY, (p.y - 200) / 50);
            maxY = std::max(maxY, (p.y - 200) / 50);
        }
    }
    EXPECT_NEAR(minX, 0.325, 1e-5);
    EXPECT_NEAR(maxX, 7.05, 1e-5);
    EXPECT_NEAR(minY, -0.2, 1e-5);
    EXPECT_NEAR(maxY, 1.2, 1e-5);
}

TEST(LabelSpacing, IsTheLabelSpanLessOneStepOfTheLastBit) {
    uint32_t bits = 0;
    std::memcpy(&bits, &labelSpacing, sizeof bits);
    EXPECT_EQ(bits, 0x40E19999u);
    EXPECT_EQ(labelSpacing, std::nextafter(7.05f, 0.0f));
    EXPECT_EQ(static_cast<double>(labelSpacing), 7.049999713897705);
}

TEST_F(Font, ASpaceAdvancesWithoutDrawing) {
    placement.load();
    const Feedback drawn = captureFeedback([&] { drawText(fontBase, "7 7", 3); });
    expectSegments(drawn.segments, strokesOfText("7 7"), placement, "7 space 7");
    EXPECT_NEAR(drawn.segments[2].from.x, toWindow(placement).apply(1.6, 1, 0).x, tolerance);
}

TEST_F(Font, CodesWithoutAGlyphNeitherDrawNorAdvance) {
    placement.load();
    const std::vector<Stroke> twoOnes = strokesOfText("11");
    int empty = 0;
    for (int code = 0; code < 256; ++code) {
        if (expectedGlyph(static_cast<unsigned char>(code)) != nullptr) {
            continue;
        }
        const char text[3] = {'1', static_cast<char>(code), '1'};
        const Feedback drawn = captureFeedback([&] { drawText(fontBase, text, 3); });
        expectSegments(drawn.segments, twoOnes, placement, "code " + std::to_string(code));
        ++empty;
    }
    EXPECT_EQ(empty, 243);
}

TEST_F(Font, ExactlyCountCharactersAreRead) {
    placement.load();
    // No terminator is looked for, and nothing past count is drawn.
    const char unterminated[4] = {'2', '3', '4', '5'};
    Feedback drawn = captureFeedback([&] { drawText(fontBase, unterminated, 3); });
    expectSegments(drawn.segments, strokesOfText("234"), placement, "three of four");
    drawn = captureFeedback([&] { drawText(fontBase, unterminated, 0); });
    EXPECT_TRUE(drawn.segments.empty());
    EXPECT_EQ(drawn.points + drawn.polygons, 0);
}

TEST_F(Font, DrawingLeavesTheCallersStateAsItWas) {
    placement.load();
    glPushMatrix(); // a caller that is itself one level deep
    glListBase(1234);
    const GLint depth = integer(GL_MODELVIEW_STACK_DEPTH);
    const GLint attribDepth = integer(GL_ATTRIB_STACK_DEPTH);
    const Matrix before = currentMatrix(GL_MODELVIEW_MATRIX);
    for (int count : {9, 0}) {
        drawText(fontBase, "|14:05:03", count);
        const std::string what = "count " + std::to_string(count);
        expectMatrix(currentMatrix(GL_MODELVIEW_MATRIX), before, what);
        EXPECT_EQ(integer(GL_MATRIX_MODE), GL_MODELVIEW) << what;
        EXPECT_EQ(integer(GL_MODELVIEW_STACK_DEPTH), depth) << what;
        EXPECT_EQ(integer(GL_ATTRIB_STACK_DEPTH), attribDepth) << what;
        EXPECT_EQ(integer(GL_LIST_BASE), 1234) << what;
    }
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    glPopMatrix();
    glListBase(0);
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

TEST_F(Font, BuildingDrawsNothingAndKeepsBothMatrices) {
    const Matrix modelView = placement;
    const Matrix otherProjection = Matrix::ortho(-5, 900, -7, 700, -3, 3);
    for (GLenum mode : {GLenum(GL_PROJECTION), GLenum(GL_MODELVIEW)}) {
        glMatrixMode(GL_PROJECTION);
        otherProjection.load();
        glMatrixMode(GL_MODELVIEW);
        modelView.load();
        glMatrixMode(mode);
        GLuint base = 0;
        const Feedback drawn = captureFeedback([&] { base = buildStrokeFont(); });
        ASSERT_NE(base, 0u);
        EXPECT_TRUE(drawn.segments.empty());
        EXPECT_EQ(drawn.points + drawn.polygons, 0);
        EXPECT_EQ(integer(GL_MATRIX_MODE), static_cast<GLint>(mode));
        expectMatrix(currentMatrix(GL_PROJECTION_MATRIX), otherProjection, "projection");
        expectMatrix(currentMatrix(GL_MODELVIEW_MATRIX), modelView, "model-view");
        // Thirteen lists hold something; the other ids are reserved all the same.
        int lists = 0;
        for (GLuint id = base; id < base + 256; ++id) {
            EXPECT_TRUE(glIsList(id)) << id - base;
            ++lists;
        }
        EXPECT_EQ(lists, 256);
        glDeleteLists(base, 256);
    }
    glMatrixMode(GL_PROJECTION);
    projection.load();
    glMatrixMode(GL_MODELVIEW);
}

TEST_F(Font, NoListIdsMeansNoFont) {
    // glGenLists gives 0 between glBegin and glEnd.
    glBegin(GL_LINES);
    const GLuint base = buildStrokeFont();
    glEnd();
    EXPECT_EQ(base, 0u);
    while (glGetError() != GL_NO_ERROR) {
    }
}

TEST_F(Font, StartUpEndsWhenTheFontCannotBeBuilt) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            glBegin(GL_LINES);
            buildFontOrQuit();
        },
        ::testing::ExitedWithCode(1), "Font creation failed: no display lists available");
}
