// One frame: the scene through the camera, then the cursor dot over it.
#include "scene/scene.h"

#include "camera/camera.h"
#include "clock/timeLabels.h"

#include <SDL.h>
#include <SDL_opengl.h>
#include <algorithm>
#include <cmath>
#include <cstdint>

float dotLevel = 0.0f;
int32_t driftFrame = 0;

namespace {

constexpr double pi = 3.14159265358979323846;

// The drift: up to 3 display points either way, too little to be seen, on
// periods of 311 and 421 seconds at 60 frames a second, which never bring the
// path back on itself for long; no faster than a sixteenth of a point a
// second.
constexpr double driftReach = 3.0;
constexpr int32_t driftAcross = 18660;
constexpr int32_t driftUp = 25260;

// In the night's hours white becomes a dark grey, and every colour keeps its
// place among the others.
constexpr float nightBrightness = 0.25f;

// The picture's place in the clip space of the scene's projection, moved by
// the drift, in fractions of a pixel: its lines move a pixel at a time,
// smoothly.
void driftView() {
    const double across =
        driftReach * std::sin(2.0 * pi * (driftFrame % driftAcross) / driftAcross);
    const double up = driftReach * std::sin(2.0 * pi * (driftFrame % driftUp) / driftUp);
    glTranslated(2.0 * across / std::max(screenWidth, 1), 2.0 * up / std::max(screenHeight, 1),
                 0.0);
}

// Every pixel drawn so far scaled by the night's brightness.
void dimPicture() {
    setOverlayView();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_BLEND);
    glBlendFunc(GL_DST_COLOR, GL_ZERO);
    glColor3f(nightBrightness, nightBrightness, nightBrightness);
    glRectf(0.0f, 0.0f, static_cast<float>(screenWidth), static_cast<float>(screenHeight));
    glDisable(GL_BLEND);
}

// The drawable's pixels for so many of the display's points.
int32_t inPixels(int32_t points) {
    return static_cast<int32_t>(std::lround(points * static_cast<double>(pixelsPerPoint)));
}

// The picture's place in the drawable, lines as heavy as a display point,
// and the projection matrix current and cleared.
void startView() {
    const GLint left = inPixels(picture.left);
    const GLint bottom = inPixels(picture.bottom);
    const GLsizei width = inPixels(picture.width);
    const GLsizei height = inPixels(picture.height);
    glViewport(left, bottom, width, height);
    // Letterboxed, even the next frame's clearing keeps to the picture, and
    // the bars stay black.
    if (letterboxed) {
        glScissor(left, bottom, width, height);
        glEnable(GL_SCISSOR_TEST);
    } else {
        glDisable(GL_SCISSOR_TEST);
    }
    glLineWidth(pixelsPerPoint);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
}

} // namespace

PictureArea placePicture(int32_t askedWidth, int32_t askedHeight, int32_t displayWidth,
                         int32_t displayHeight) {
    const int64_t wide = int64_t{askedWidth} * displayHeight;
    const int64_t tall = int64_t{askedHeight} * displayWidth;
    PictureArea area{};
    area.width =
        wide >= tall ? displayWidth : static_cast<int32_t>(wide / std::max(askedHeight, 1));
    area.height =
        wide >= tall ? static_cast<int32_t>(tall / std::max(askedWidth, 1)) : displayHeight;
    area.left = (displayWidth - area.width) / 2;
    area.top = (displayHeight - area.height) / 2;
    area.bottom = displayHeight - area.top - area.height;
    return area;
}

void setSceneView() {
    startView();
    if (drifting) {
        driftView();
    }
    gluPerspective(60.0, aspectRatio, 1.0, 1024.0);
}

void setOverlayView() {
    startView();
    gluOrtho2D(0.0, screenWidth, screenHeight, 0.0);
}

void updateDotLevel() {
    // A screensaver's pointer is a stand-in nobody holds: its dot stays at rest.
    if (screensaverRun) {
        dotLevel = 0.0f;
        return;
    }
    // 100 in a frame that handled a mouse event, one less for every frame since.
    const float target = static_cast<float>(101 - idleFrames);
    dotLevel = dotLevel + (target - dotLevel) * 0.1f;
    if (dotLevel < 0.0f) {
        dotLevel = 0.0f;
    }
}

void advanceDrift() {
    // Both periods come round together here, so the path runs on unbroken.
    driftFrame = (driftFrame + 1) % (driftAcross * driftUp);
}

bool nightAt(int32_t hour, int32_t from, int32_t to) {
    return from < to ? hour >= from && hour < to : from > to && (hour >= from || hour < to);
}

void drawFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    setSceneView();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(camera.eye.x, camera.eye.y, camera.eye.z, camera.target.x, camera.target.y,
              camera.target.z, camera.up.x, camera.up.y, camera.up.z);

    buildTimeLabels();

    // The floor square, five units below the common root.
    glTranslatef(0.0f, -5.0f, 0.0f);
    glColor3f(0.0f, 1.0f, 1.0f);
    glBegin(GL_LINE_STRIP);
    glVertex3f(4.0f, 0.0f, 4.0f);
    glVertex3f(-4.0f, 0.0f, 4.0f);
    glVertex3f(-4.0f, 0.0f, -4.0f);
    glVertex3f(4.0f, 0.0f, -4.0f);
    glVertex3f(4.0f, 0.0f, 4.0f);
    glEnd();

    glScalef(0.3f, 0.3f, 0.3f);
    for (int32_t i = 0; i < chainCount; ++i) {
        chains[i]->update();
        chains[i]->draw();
    }

    if (nightAt(clockReading.hour, nightFrom, nightTo)) {
        dimPicture();
    }
    drawCursorDot();
    SDL_GL_SwapBuffers();
}

void drawCursorDot() {
    setOverlayView();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glPointSize(3.0f * pixelsPerPoint);

    updateDotLevel();

    glBegin(GL_POINTS);
    glColor4f(0.0f, 0.0f, 0.0f, dotLevel * 0.01f);
    glVertex2f(static_cast<float>(mouseX), static_cast<float>(mouseY));
    glEnd();
    glDisable(GL_BLEND);
}
