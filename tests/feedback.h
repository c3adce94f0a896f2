// Reads back what OpenGL drew, through feedback mode, as line segments in window coordinates.
#pragma once

#include <SDL_opengl.h>
#include <functional>
#include <vector>

struct WindowPoint {
    double x;
    double y;
    double z;
};

struct Colour {
    double r, g, b, a;
};

struct Segment {
    WindowPoint from;
    WindowPoint to;
    Colour colour; // of the first vertex; only with colours asked for
};

struct Feedback {
    std::vector<Segment> segments;
    int points = 0; // point tokens
    std::vector<WindowPoint> pointPositions;
    std::vector<Colour> pointColours; // only with colours asked for
    int polygons = 0;                 // polygon, bitmap and pixel tokens
    bool overflowed = false;
};

// Runs draw in GL_FEEDBACK mode with GL_3D (or GL_3D_COLOR) vertices and
// sorts out what came back.
Feedback captureFeedback(const std::function<void()>& draw, bool withColours = false);

// A column-major 4 by 4 matrix in double precision, for the tests' own arithmetic.
struct Matrix {
    double m[16];

    static Matrix identity();
    static Matrix translation(double x, double y, double z);
    static Matrix scaling(double x, double y, double z);
    static Matrix rotation(double degrees, double x, double y, double z);
    static Matrix ortho(double left, double right, double bottom, double top, double nearZ,
                        double farZ);
    static Matrix perspective(double fovyDegrees, double aspect, double nearZ, double farZ);
    static Matrix lookAt(const double eye[3], const double target[3], const double up[3]);

    Matrix operator*(const Matrix& other) const;
    WindowPoint apply(double x, double y, double z) const; // with the perspective divide
    void load() const;                                     // into the current GL matrix
};

Matrix currentMatrix(GLenum which); // GL_MODELVIEW_MATRIX or GL_PROJECTION_MATRIX
