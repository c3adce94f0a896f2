// The view modes: the mouse turned into camera motion, once per frame. Plain
// single-precision arithmetic; nothing is drawn here.
#include "camera/camera.h"

#include "records/records.h"

#include <cmath>
#include <cstdint>

int32_t viewMode = Orbit;
Vec3 orbitEye;
Vec3 orbitTarget;
float zoomSpeed = 0.0f;
const float zoomSpeedLimit = 0.5f;

void switchViewMode() {
    viewMode = viewMode == Orbit ? Fly : Orbit;
}

void runViewStep() {
    if (viewMode == Orbit) {
        orbitStep();
    } else if (viewMode == Fly) {
        flyStep();
    }
}

void placeCameraForStart() {
    orbitEye = Vec3(0.0f, 0.0f, 160.0f);
    orbitTarget = Vec3(0.0f, 0.0f, 0.0f);
    camera.set(Vec3(0.0f, 10.5f, 6.0f), Vec3(0.0f, 1.5f, 0.0f), Vec3(0.0f, 1.0f, 0.0f));
}

void orbitStep() {
    const int32_t ox = mouseX - halfWidth;
    const int32_t oy = mouseY - halfHeight;

    // 2.5 % of the way to the goal each frame; right of the centre sends the
    // eye left, above it sends the eye up.
    const float x = orbitEye.x;
    orbitEye.x = x - (x - (-0.02f * static_cast<float>(ox))) * 0.025f;
    const float y = orbitEye.y;
    orbitEye.y = y - (y - (-0.02f * static_cast<float>(oy))) * 0.025f;

    if (leftButtonDown) {
        zoomSpeed = zoomSpeed - 0.03f;
    }
    if (rightButtonDown) {
        zoomSpeed = zoomSpeed + 0.03f;
    }
    if (zoomSpeed > zoomSpeedLimit) {
        zoomSpeed = zoomSpeedLimit;
    } else if (zoomSpeed < -zoomSpeedLimit) {
        zoomSpeed = -zoomSpeedLimit;
    }
    orbitEye.z = orbitEye.z + zoomSpeed;

    // Soft limits: beyond either, 5 % of the overshoot is taken back each
    // frame and the speed halved, so the eye drifts back once let go.
    float z = orbitEye.z;
    if (z < 2.0f) {
        orbitEye.z = z - (z - 2.0f) * 0.05f;
        zoomSpeed = zoomSpeed * 0.5f;
    }
    z = orbitEye.z;
    if (z > 50.0f) {
        orbitEye.z = z - (z - 50.0f) * 0.05f;
        zoomSpeed = zoomSpeed * 0.5f;
    }
    zoomSpeed = zoomSpeed * 0.92f;

    const float q = orbitTarget.x * orbitTarget.x + orbitTarget.y * orbitTarget.y +
                    orbitTarget.z * orbitTarget.z;
    if (q != 0.0f) {
        if (std::sqrt(q) < 0.01f) {
            orbitTarget = Vec3(0.0f, 0.0f, 0.0f);
        } else {
            orbitTarget.x = orbitTarget.x * 0.96f;
            orbitTarget.y = orbitTarget.y * 0.96f;
            orbitTarget.z = orbitTarget.z * 0.96f;
        }
    }

    camera.set(orbitEye, orbitTarget, Vec3(0.0f, 1.0f, 0.0f));
}

void flyStep() {
    const int32_t ox = mouseX - halfWidth;
    const int32_t oy = mouseY - halfHeight;
    const float hx = static_cast<float>(ox) * 0.5f;
    const float hy = static_cast<float>(oy) * 0.5f;

    // On the centre row or column the stick is at rest, however far out along it.
    if (hx != 0.0f && hy != 0.0f) {
        camera.steer(static_cast<int32_t>(-hx), static_cast<int32_t>(-hy));
    }
    if (leftButtonDown) {
        camera.accelerate(0.005f, 0.05f);
    }
    if (rightButtonDown) {
        camera.accelerate(-0.005f, 0.05f);
    }
    camera.coast();

    orbitEye = camera.eye;
    orbitTarget = camera.target;
}
