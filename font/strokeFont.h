// The stroke font: glyphs of straight line segments, one display list per character code.
#pragma once

#include <SDL_opengl.h>
#include <cstdint>

// Distance between consecutive labels along a chain: nine glyph cells, 7.05
// less one step of the last bit (bit pattern 0x40E19999).
extern const float labelSpacing;

constexpr float glyphAdvance = 0.8f; // origin moves this far along +x after each glyph

// One glyph as its display list draws it, in the glyph's cell (0 to 0.65
// wide, 0 to 1 high, the origin at the bottom-left).
struct GlyphStrokes {
    unsigned char code;
    GLenum primitive; // GL_LINES or GL_LINE_STRIP
    int vertexCount;
    GLfloat vertices[16][2];
};

// "0" to "9", ":" and "|", in the order the lists are built; the space draws nothing.
constexpr int strokeGlyphCount = 12;
extern const GlyphStrokes strokeGlyphs[strokeGlyphCount];

// The first of the font's 256 list ids; list fontBase + c is character code c.
extern GLuint fontBase;

// Compiles the font's lists (without drawing anything) and returns their
// base, or 0 when OpenGL has no ids to give, in which case nothing is compiled.
GLuint buildStrokeFont();

// Draws count 8-bit characters of text at the current origin along +x, in the
// caller's colour and placement. The model-view matrix must be current; it
// and the list base are as before afterwards. A null text makes no GL call.
void drawText(GLuint base, const char* text, int32_t count);
