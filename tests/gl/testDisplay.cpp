// Opens a real SDL OpenGL display for tests that need a GL context.
#include "testDisplay.h"

#include "clock/timeLabels.h"
#include "font/strokeFont.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const Matrix pixels = Matrix::ortho(0, GlTest::width, 0, GlTest::height, -1000, 1000);

} // namespace

bool testDisplayMandatory() {
    const char* ci = std::getenv("CI");
    return ci != nullptr && *ci != '\0' && std::strcmp(ci, "false") != 0;
}

void GlTest::SetUp() {
    KRONVALE_REQUIRE_DISPLAY(width, height, SDL_OPENGL);
    if (fontBase == 0) {
        fontBase = buildStrokeFont();
    }
    ASSERT_NE(fontBase, 0u);
    if (TimeLabels == nullptr) {
        allocateTimeLabels();
    }
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    pixels.load();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glListBase(0);
    glDisable(GL_BLEND);
    glPointSize(1);
    // Whatever an earlier test queued, or the window's own arrival, is not this test's input.
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
    }
    prepare();
}

Matrix GlTest::toWindow(const Matrix& modelView) {
    return viewport(width, height) * pixels * modelView;
}

Matrix sceneSeenBy(int width, int height, const Vec3& eye, const Vec3& target) {
    const double from[3] = {eye.x, eye.y, eye.z}, to[3] = {target.x, target.y, target.z};
    const double up[3] = {0, 1, 0};
    return viewport(width, height) *
           Matrix::perspective(60, static_cast<double>(width) / height, 1, 1024) *
           Matrix::lookAt(from, to, up);
}

void expectFloor(const Feedback& drawn, const Matrix& scene) {
    // Turned a quarter about x, the floor's plane is that of the strokes.
    const Matrix floor = scene * Matrix::translation(0, -5, 0) * Matrix::rotation(90, 1, 0, 0);
    expectStrokes(drawn.segments, 0,
                  {{4, 4, -4, 4}, {-4, 4, -4, -4}, {-4, -4, 4, -4}, {4, -4, 4, 4}}, floor, "floor");
    for (size_t i = 0; i < 4 && i < drawn.segments.size(); ++i) {
        const Colour& c = drawn.segments[i].colour;
        EXPECT_TRUE(c.r == 0 && c.g == 1 && c.b == 1) << "floor edge " << i;
    }
}

size_t expectStraightChains(const Feedback& drawn, const Matrix& scene,
                            const std::vector<std::string>& labels) {
    size_t at = 4;
    for (int c = 0; c < 45 && !::testing::Test::HasFailure(); ++c) {
        for (size_t k = 0; k < labels.size(); ++k) {
            const Matrix label =
                scene * Matrix::translation(0, -5, 0) * Matrix::scaling(0.3, 0.3, 0.3) *
                Matrix::translation(0, 7.05 * k, 0) * Matrix::rotation(90, 0, 0, 1);
            at = expectStrokes(drawn.segments, at, strokesOfText(labels[k]), label,
                               "chain " + std::to_string(c) + ", " + labels[k]);
        }
    }
    return at;
}
