// The camera and the two view modes that steer it from the mouse.
#pragma once

#include "records/vec3.h"

#include <cstdint>

// Eye, target and up for gluLookAt, plus a speed for gliding along the line
// of sight. The eye-to-target vector is never normalised: its length scales
// both the glide and the swing of rotate.
class Camera {
public:
    Vec3 eye;
    Vec3 target;
    Vec3 up;            // only set changes it
    float moveSpeed;    // fraction of eye-to-target moved per coast; positive is forward
    float steerDivisor; // counts per radian (and per 15 units of pitch) for steer

    Camera();

    void set(Vec3 eye, Vec3 target, Vec3 up);

    // Swings the target about the eye, one coordinate plane per angle (radians).
    // The steps are not chained: each starts from the offsets taken before any
    // of them, and a zero angle skips its step.
    void rotate(float angleX, float angleY, float angleZ);

    // Raises the target by 15 * pitch / steerDivisor (held within 10 units of
    // the eye's height), then turns it about the eye's vertical by
    // -turn / steerDivisor radians.
    void steer(int32_t turn, int32_t pitch);

    void advance(float fraction);

    // No cut-off: a glide never quite stops.
    void coast();

    void accelerate(float delta, float limit);
};

// The one camera, constructed before main and never destroyed.
extern Camera camera;

// The two ways the mouse steers the camera.
enum ViewMode : int32_t { Orbit = 0, Fly = 1 };
extern int32_t viewMode; // a ViewMode: 0 (at start) or 1

// The space key's switch between the two modes; a value that is neither
// comes back to Orbit.
void switchViewMode();

// One frame of the current mode: orbitStep or flyStep (neither for another value).
void runViewStep();

// The Orbit mode's eye and target, which it hands to the camera every frame;
// the Fly mode copies the camera's back into them.
extern Vec3 orbitEye;
extern Vec3 orbitTarget;

extern float zoomSpeed;            // Orbit's speed of orbitEye.z, units per frame
extern const float zoomSpeedLimit; // 0.5 either way

// One frame of the Orbit mode: the pointer's offset from the centre chooses
// where the eye should stand sideways and in height, and it eases there;
// buttons 1 and 3 zoom in and out, softly held between z = 2 and z = 50; the
// target drifts back to the origin.
void orbitStep();

// One frame of the Fly mode: the pointer's offset turns and tilts the view
// like a joystick (only off both the centre row and column); buttons 1 and 3
// fly forward and back with inertia.
void flyStep();

// Start-up: the orbit eye far out on z, looking at the origin; the camera
// itself above and in front of the root, looking down at it.
void placeCameraForStart();
