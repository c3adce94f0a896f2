// The camera's motions, in single precision and free of any drawing.
#include "camera/camera.h"

#include <cmath>
#include <cstdint>

Camera camera;

Camera::Camera()
    : eye(0.0f, 0.0f, 0.0f), target(0.0f, 1.0f, 0.5f), up(0.0f, 0.0f, 1.0f), moveSpeed(0.0f),
      steerDivisor(8000.0f) {}

void Camera::set(Vec3 newEye, Vec3 newTarget, Vec3 newUp) {
    eye = newEye;
    target = newTarget;
    up = newUp;
}

void Camera::rotate(float angleX, float angleY, float angleZ) {
    const float dx = target.x - eye.x;
    const float dy = target.y - eye.y;
    const float dz = target.z - eye.z;
    if (angleX != 0.0f) {
        const float c = std::cos(angleX);
        const float s = std::sin(angleX);
        target.y = eye.y + dy * c - dz * s;
        target.z = eye.z + dy * s + dz * c;
    }
    if (angleY != 0.0f) {
        const float c = std::cos(angleY);
        const float s = std::sin(angleY);
        target.x = eye.x + dx * c - dz * s;
        target.z = eye.z + dx * s + dz * c;
    }
    if (angleZ != 0.0f) {
        const float c = std::cos(angleZ);
        const float s = std::sin(angleZ);
        target.x = eye.x + dx * c + dy * s;
        target.y = eye.y + dy * c - dx * s;
    }
}

void Camera::steer(int32_t turn, int32_t pitch) {
    // 15 * pitch is formed exactly, even for counts where 32 bits would overflow.
    target.y = target.y + static_cast<float>(int64_t{15} * pitch) / steerDivisor;
    if (target.y - eye.y > 10.0f) {
        target.y = eye.y + 10.0f;
    }
    if (target.y - eye.y < -10.0f) {
        target.y = eye.y - 10.0f;
    }
    rotate(0.0f, -static_cast<float>(turn) / steerDivisor, 0.0f);
}

void Camera::advance(float fraction) {
    const float vx = target.x - eye.x;
    const float vy = target.y - eye.y;
    const float vz = target.z - eye.z;
    eye.x = eye.x + fraction * vx;
    eye.y = eye.y + fraction * vy;
    eye.z = eye.z + fraction * vz;
    target.x = target.x + fraction * vx;
    target.y = target.y + fraction * vy;
    target.z = target.z + fraction * vz;
}

void Camera::coast() {
    if (moveSpeed != 0.0f) {
        advance(moveSpeed);
        moveSpeed = moveSpeed * 0.92f;
    }
}

void Camera::accelerate(float delta, float limit) {
    moveSpeed = moveSpeed + delta;
    if (moveSpeed > limit) {
        moveSpeed = limit;
    } else if (moveSpeed < -limit) {
        moveSpeed = -limit;
    }
}
