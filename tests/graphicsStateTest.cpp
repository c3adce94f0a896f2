// The initial graphics state, read back from a real GL context.
#include "app/app.h"
#include "testDisplay.h"

#include <SDL_opengl.h>
#include <cmath>
#include <cstring>

namespace {

class GraphicsState : public ::testing::Test {
protected:
    void SetUp() override { KRONVALE_REQUIRE_DISPLAY(800, 600, SDL_OPENGL); }
};

GLint integer(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

} // namespace

TEST_F(GraphicsState, IsSetAsStartUpNeedsIt) {
    glEnable(GL_DEPTH_TEST);
    glMatrixMode(GL_MODELVIEW);
    initGraphicsState(800, 600);

    const float expectedAspect = 1.3333334f;
    EXPECT_EQ(std::memcmp(&aspectRatio, &expectedAspect, sizeof(float)), 0) << aspectRatio;

    EXPECT_EQ(integer(GL_SHADE_MODEL), GL_SMOOTH);
    GLfloat clear[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_EQ(clear[0], 1.0f);
    EXPECT_EQ(clear[1], 1.0f);
    EXPECT_EQ(clear[2], 1.0f);
    EXPECT_EQ(clear[3], 0.0f);
    GLfloat depth = 0;
    glGetFloatv(GL_DEPTH_CLEAR_VALUE, &depth);
    EXPECT_EQ(depth, 1.0f);
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_POINT_SMOOTH));
    EXPECT_EQ(integer(GL_PERSPECTIVE_CORRECTION_HINT), GL_NICEST);
    EXPECT_EQ(integer(GL_POINT_SMOOTH_HINT), GL_NICEST);

    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[0], 0);
    EXPECT_EQ(viewport[1], 0);
    EXPECT_EQ(viewport[2], 800);
    EXPECT_EQ(viewport[3], 600);

    // The projection is left current, holding a 60 degree perspective from 1 to 1024.
    EXPECT_EQ(integer(GL_MATRIX_MODE), GL_PROJECTION);
    GLfloat m[16];
    glGetFloatv(GL_PROJECTION_MATRIX, m);
    const double f = 1.0 / std::tan(30.0 * 3.14159265358979323846 / 180.0);
    const double nearZ = 1.0, farZ = 1024.0;
    // Column by column, as OpenGL stores it.
    const double expected[4][4] = {{f / (800.0 / 600.0), 0, 0, 0},
                                   {0, f, 0, 0},
                                   {0, 0, (farZ + nearZ) / (nearZ - farZ), -1},
                                   {0, 0, 2 * farZ * nearZ / (nearZ - farZ), 0}};
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(m[i], expected[i / 4][i % 4], 1e-5) << "element " << i;
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(GraphicsState, AClearedFrameIsWhite) {
    initGraphicsState(800, 600);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    unsigned char pixels[4 * 4] = {};
    glReadPixels(0, 0, 2, 2, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    for (int i = 0; i < 16; ++i) {
        if (i % 4 != 3) {
            EXPECT_EQ(pixels[i], 255) << "byte " << i;
        }
    }
    glReadPixels(799, 599, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    EXPECT_EQ(pixels[0], 255);
    EXPECT_EQ(pixels[1], 255);
    EXPECT_EQ(pixels[2], 255);
}
