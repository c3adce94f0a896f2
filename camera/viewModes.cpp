// The view modes: the mouse turned into camera motion, once per frame.
#include "camera/camera.h"

Vec3 orbitEye;
Vec3 orbitTarget;

void placeCameraForStart() {
    orbitEye = Vec3(0.0f, 0.0f, 160.0f);
    orbitTarget = Vec3(0.0f, 0.0f, 0.0f);
    camera.set(Vec3(0.0f, 10.5f, 6.0f), Vec3(0.0f, 1.5f, 0.0f), Vec3(0.0f, 1.0f, 0.0f));
}
