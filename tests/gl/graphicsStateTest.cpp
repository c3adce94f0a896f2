// The initial graphics state, seen in what is drawn: a white frame, later
// points over earlier ones whatever their depth, and a 60 degree view of the
// display's shape from 1 to 1024 units away.
#include "app/app.h"
#include "testDisplay.h"

#include <cmath>

namespace {

using GraphicsState = GlTest;

} // namespace

TEST_F(GraphicsState, ClearsToWhiteAndDrawsLaterOverEarlierWhateverTheDepth) {
    // The opposite of what start-up is to set.
    glClearColor(0, 0, 0, 1);
    glEnable(GL_DEPTH_TEST);
    setScreenSize(800, 600);
    initGraphicsState(800, 600);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    unsigned char corners[2][4] = {};
    glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, corners[0]);
    glReadPixels(799, 599, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, corners[1]);
    for (const auto& pixel : corners) {
        EXPECT_EQ(pixel[0] + pixel[1] + pixel[2], 3 * 255);
    }

    // A red point near the eye, then a blue one far behind it on the same pixel.
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glBegin(GL_POINTS);
    glColor3f(1, 0, 0);
    glVertex3f(0, 0, -2);
    glColor3f(0, 0, 1);
    glVertex3f(0, 0, -500);
    glEnd();
    unsigned char middle[2][2][4] = {};
    glReadPixels(399, 299, 2, 2, GL_RGBA, GL_UNSIGNED_BYTE, middle);
    int white = 0, blue = 0;
    for (const auto& row : middle) {
        for (const auto& pixel : row) {
            white += pixel[0] == 255 && pixel[1] == 255 && pixel[2] == 255;
            blue += pixel[0] == 0 && pixel[1] == 0 && pixel[2] == 255;
        }
    }
    EXPECT_EQ(white, 3);
    EXPECT_EQ(blue, 1);
}

TEST_F(GraphicsState, ViewsSixtyDegreesOfTheDisplaysShapeFromOneTo1024) {
    setScreenSize(800, 600);
    initGraphicsState(800, 600);

    // Half way up and half way right of a 60 degree view of a 4 by 3 display,
    // then just inside and just outside the nearest and farthest distances.
    const double half = 5 * std::tan(30 * 3.14159265358979323846 / 180);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const Feedback drawn = captureFeedback([&] {
        glBegin(GL_POINTS);
        glVertex3d(0, 0, -10);
        glVertex3d(0, half, -10);
        glVertex3d(half * 4 / 3, 0, -10);
        glVertex3d(0, 0, -1.001);
        glVertex3d(0, 0, -1023);
        glVertex3d(0, 0, -0.999);
        glVertex3d(0, 0, -1025);
        glEnd();
    });
    ASSERT_EQ(drawn.points.size(), 5u);
    const double want[5][2] = {{400, 300}, {400, 450}, {600, 300}, {400, 300}, {400, 300}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_NEAR(drawn.points[i].x, want[i][0], 1e-3) << "point " << i;
        EXPECT_NEAR(drawn.points[i].y, want[i][1], 1e-3) << "point " << i;
    }
}
