// Reads back what OpenGL drew, through feedback mode, as line segments in window coordinates.
#pragma once

#include <SDL_opengl.h>
#include <cstddef>
#include <functional>
#include <string>
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
    std::vector<WindowPoint> points;
    std::vector<Colour> pointColours; // only with colours asked for
    bool unreadable = false;          // overflowed, or drew something other than lines and points
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

// From normalised device coordinates to the pixels of a viewport at the origin.
Matrix viewport(int width, int height);

GLint integer(GLenum name); // one value of glGetIntegerv

// A line of a glyph in its own plane, in glyph units.
struct Stroke {
    double x0, y0, x1, y1;
};

// The lines a text is to draw, by the font's design (kept apart from the
// program's table): each glyph in a cell 0.8 after the one before, a space
// moving on without drawing, any other code neither drawing nor moving on.
std::vector<Stroke> strokesOfText(const std::string& text);

// Expects got, from index at, to hold want carried through toWindow; returns
// the index after them.
size_t expectStrokes(const std::vector<Segment>& got, size_t at, const std::vector<Stroke>& want,
                     const Matrix& toWindow, const std::string& what, double tolerance = 2e-3);
