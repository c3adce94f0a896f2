// A point or direction in scene units, single precision.
#pragma once

struct Vec3 {
    float x;
    float y;
    float z;

    Vec3() : x(0.0f), y(0.0f), z(0.0f) {}
    Vec3(float atX, float atY, float atZ) : x(atX), y(atY), z(atZ) {}
};
