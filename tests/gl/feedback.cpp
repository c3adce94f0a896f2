// Reads back what OpenGL drew, through feedback mode.
#include "feedback.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

Feedback captureFeedback(const std::function<void()>& draw, bool withColours) {
    static std::vector<GLfloat> buffer(1 << 21);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), withColours ? GL_3D_COLOR : GL_3D,
                     buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint count = glRenderMode(GL_RENDER);
    Feedback result;
    const GLint size = withColours ? 7 : 3; // x, y, z, then r, g, b, a
    auto vertex = [&](GLint at) { return WindowPoint{buffer[at], buffer[at + 1], buffer[at + 2]}; };
    auto colour = [&](GLint at) {
        return withColours ? Colour{buffer[at + 3], buffer[at + 4], buffer[at + 5], buffer[at + 6]}
                           : Colour{0, 0, 0, 0};
    };
    result.unreadable = count < 0;
    for (GLint i = 0; i < count;) {
        const GLint token = static_cast<GLint>(buffer[i]);
        if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            result.segments.push_back(Segment{vertex(i + 1), vertex(i + 1 + size), colour(i + 1)});
            i += 1 + 2 * size;
        } else if (token == GL_POINT_TOKEN) {
            result.points.push_back(vertex(i + 1));
            result.pointColours.push_back(colour(i + 1));
            i += 1 + size;
        } else {
            result.unreadable = true; // nothing here draws anything else: stop rather than misread
            break;
        }
    }
    return result;
}

Matrix Matrix::identity() {
    Matrix r{};
    r.m[0] = r.m[5] = r.m[10] = r.m[15] = 1.0;
    return r;
}

Matrix Matrix::translation(double x, double y, double z) {
    Matrix r = identity();
    r.m[12] = x;
    r.m[13] = y;
    r.m[14] = z;
    return r;
}

Matrix Matrix::scaling(double x, double y, double z) {
    Matrix r = identity();
    r.m[0] = x;
    r.m[5] = y;
    r.m[10] = z;
    return r;
}

Matrix Matrix::rotation(double degrees, double x, double y, double z) {
    const double length = std::sqrt(x * x + y * y + z * z);
    x /= length;
    y /= length;
    z /= length;
    const double a = degrees * 3.14159265358979323846 / 180.0;
    const double c = std::cos(a), s = std::sin(a), t = 1.0 - c;
    Matrix r = identity();
    r.m[0] = t * x * x + c;
    r.m[1] = t * x * y + s * z;
    r.m[2] = t * x * z - s * y;
    r.m[4] = t * x * y - s * z;
    r.m[5] = t * y * y + c;
    r.m[6] = t * y * z + s * x;
    r.m[8] = t * x * z + s * y;
    r.m[9] = t * y * z - s * x;
    r.m[10] = t * z * z + c;
    return r;
}

Matrix Matrix::ortho(double left, double right, double bottom, double top, double nearZ,
                     double farZ) {
    Matrix r = identity();
    r.m[0] = 2.0 / (right - left);
    r.m[5] = 2.0 / (top - bottom);
    r.m[10] = -2.0 / (farZ - nearZ);
    r.m[12] = -(right + left) / (right - left);
    r.m[13] = -(top + bottom) / (top - bottom);
    r.m[14] = -(farZ + nearZ) / (farZ - nearZ);
    return r;
}

Matrix Matrix::perspective(double fovyDegrees, double aspect, double nearZ, double farZ) {
    const double f = 1.0 / std::tan(fovyDegrees * 3.14159265358979323846 / 360.0);
    Matrix r{};
    r.m[0] = f / aspect;
    r.m[5] = f;
    r.m[10] = (farZ + nearZ) / (nearZ - farZ);
    r.m[11] = -1.0;
    r.m[14] = 2.0 * farZ * nearZ / (nearZ - farZ);
    return r;
}

Matrix Matrix::lookAt(const double eye[3], const double target[3], const double up[3]) {
    auto normalised = [](double v[3]) {
        const double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
        for (int i = 0; i < 3; ++i) {
            v[i] /= length;
        }
    };
    auto cross = [](const double a[3], const double b[3], double out[3]) {
        out[0] = a[1] * b[2] - a[2] * b[1];
        out[1] = a[2] * b[0] - a[0] * b[2];
        out[2] = a[0] * b[1] - a[1] * b[0];
    };
    double forward[3] = {target[0] - eye[0], target[1] - eye[1], target[2] - eye[2]};
    normalised(forward);
    double side[3];
    cross(forward, up, side);
    normalised(side);
    double upward[3];
    cross(side, forward, upward);
    Matrix r = identity();
    for (int i = 0; i < 3; ++i) {
        r.m[i * 4 + 0] = side[i];
        r.m[i * 4 + 1] = upward[i];
        r.m[i * 4 + 2] = -forward[i];
    }
    return r * translation(-eye[0], -eye[1], -eye[2]);
}

Matrix Matrix::operator*(const Matrix& other) const {
    Matrix r{};
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) {
                sum += m[k * 4 + row] * other.m[column * 4 + k];
            }
            r.m[column * 4 + row] = sum;
        }
    }
    return r;
}

WindowPoint Matrix::apply(double x, double y, double z) const {
    const double w = m[3] * x + m[7] * y + m[11] * z + m[15];
    return WindowPoint{(m[0] * x + m[4] * y + m[8] * z + m[12]) / w,
                       (m[1] * x + m[5] * y + m[9] * z + m[13]) / w,
                       (m[2] * x + m[6] * y + m[10] * z + m[14]) / w};
}

void Matrix::load() const {
    glLoadMatrixd(m);
}

Matrix currentMatrix(GLenum which) {
    GLdouble values[16];
    glGetDoublev(which, values);
    Matrix r{};
    for (int i = 0; i < 16; ++i) {
        r.m[i] = values[i];
    }
    return r;
}

Matrix viewport(int width, int height) {
    return Matrix::translation(width / 2.0, height / 2.0, 0.5) *
           Matrix::scaling(width / 2.0, height / 2.0, 0.5);
}

GLint integer(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

namespace {

// The glyph table of the font's design: vertices as x, y pairs in the order
// they are sent; a strip joins each to the next, otherwise they pair up.
struct DesignGlyph {
    char code;
    bool strip;
    std::vector<double> xy;
};

const std::vector<DesignGlyph> designGlyphs = {
    {'0', true, {0, 0, 0.65, 0, 0.65, 1, 0, 1, 0, 0}},
    {'1', false, {0.2, 0.8, 0.325, 1, 0.325, 0, 0.325, 1, 0, 0, 0.65, 0}},
    {'2', true, {0.65, 0, 0, 0, 0, 0.5, 0.65, 0.5, 0.65, 1, 0, 1}},
    {'3', false, {0, 0, 0.65, 0, 0, 0.5, 0.65, 0.5, 0, 1, 0.65, 1, 0.65, 0, 0.65, 1}},
    {'4', false, {0, 1, 0, 0.5, 0, 0.5, 0.65, 0.5, 0.65, 0, 0.65, 1}},
    {'5', true, {0, 0, 0.65, 0, 0.65, 0.5, 0, 0.5, 0, 1, 0.65, 1}},
    {'6', true, {0.65, 1, 0, 1, 0, 0, 0.65, 0, 0.65, 0.5, 0, 0.5}},
    {'7', true, {0, 1, 0.65, 1, 0.65, 0}},
    {'8', false, {0, 0, 0.65, 0, 0, 0, 0, 1, 0, 1, 0.65, 1, 0.65, 1, 0.65, 0, 0, 0.5, 0.65, 0.5}},
    {'9', true, {0, 0, 0.65, 0, 0.65, 1, 0, 1, 0, 0.5, 0.65, 0.5}},
    {':', false, {0.275, 0.25,  0.375, 0.25,  0.375, 0.25,  0.375, 0.35,  0.375, 0.35,  0.275,
                  0.35,  0.275, 0.35,  0.275, 0.25,  0.275, 0.65,  0.375, 0.65,  0.375, 0.65,
                  0.375, 0.75,  0.375, 0.75,  0.275, 0.75,  0.275, 0.75,  0.275, 0.65}},
    {'|', false, {0.325, -0.2, 0.325, 1.2}},
    {' ', false, {}},
};

} // namespace

std::vector<Stroke> strokesOfText(const std::string& text) {
    std::vector<Stroke> strokes;
    double origin = 0.0;
    for (char c : text) {
        for (const DesignGlyph& glyph : designGlyphs) {
            if (glyph.code != c) {
                continue;
            }
            const std::vector<double>& v = glyph.xy;
            for (size_t i = glyph.strip ? 2 : 0; i + 1 < v.size(); i += glyph.strip ? 2 : 4) {
                const size_t a = glyph.strip ? i - 2 : i;
                strokes.push_back(Stroke{origin + v[a], v[a + 1], origin + v[a + 2], v[a + 3]});
            }
            origin += 0.8;
        }
    }
    return strokes;
}

size_t expectStrokes(const std::vector<Segment>& got, size_t at, const std::vector<Stroke>& want,
                     const Matrix& toWindow, const std::string& what, double tolerance) {
    if (got.size() < at + want.size()) {
        ADD_FAILURE() << what << ": " << got.size() - std::min(at, got.size()) << " segments where "
                      << want.size() << " were to be drawn";
        return got.size();
    }
    for (const Stroke& s : want) {
        const WindowPoint a = toWindow.apply(s.x0, s.y0, 0.0);
        const WindowPoint b = toWindow.apply(s.x1, s.y1, 0.0);
        const Segment& drawn = got[at++];
        const double off = std::max({std::fabs(drawn.from.x - a.x), std::fabs(drawn.from.y - a.y),
                                     std::fabs(drawn.to.x - b.x), std::fabs(drawn.to.y - b.y)});
        if (!(off <= tolerance) || std::fabs(drawn.from.z - a.z) > 1e-5 ||
            std::fabs(drawn.to.z - b.z) > 1e-5) {
            ADD_FAILURE() << what << ", segment " << at - 1 << ": (" << drawn.from.x << ", "
                          << drawn.from.y << ")-(" << drawn.to.x << ", " << drawn.to.y
                          << ") drawn, (" << a.x << ", " << a.y << ")-(" << b.x << ", " << b.y
                          << ") expected";
            return at;
        }
    }
    return at;
}
