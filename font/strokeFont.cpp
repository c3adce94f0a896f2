// The stroke font's glyph table, its display lists and text drawing.
#include "font/strokeFont.h"

const float labelSpacing = 0x1.c33332p+2f; // 0x40E19999

GLuint fontBase = 0;

// The digits are drawn between six points: the cell's corners and the middles of its sides.
const GlyphStrokes strokeGlyphs[strokeGlyphCount] = {
    {'0',
     GL_LINE_STRIP,
     5,
     {{0.0f, 0.0f}, {0.65f, 0.0f}, {0.65f, 1.0f}, {0.0f, 1.0f}, {0.0f, 0.0f}}},
    {'1',
     GL_LINES,
     6,
     {{0.2f, 0.8f}, {0.325f, 1.0f}, {0.325f, 0.0f}, {0.325f, 1.0f}, {0.0f, 0.0f}, {0.65f, 0.0f}}},
    {'2',
     GL_LINE_STRIP,
     6,
     {{0.65f, 0.0f}, {0.0f, 0.0f}, {0.0f, 0.5f}, {0.65f, 0.5f}, {0.65f, 1.0f}, {0.0f, 1.0f}}},
    {'3',
     GL_LINES,
     8,
     {{0.0f, 0.0f},
      {0.65f, 0.0f},
      {0.0f, 0.5f},
      {0.65f, 0.5f},
      {0.0f, 1.0f},
      {0.65f, 1.0f},
      {0.65f, 0.0f},
      {0.65f, 1.0f}}},
    {'4',
     GL_LINES,
     6,
     {{0.0f, 1.0f}, {0.0f, 0.5f}, {0.0f, 0.5f}, {0.65f, 0.5f}, {0.65f, 0.0f}, {0.65f, 1.0f}}},
    {'5',
     GL_LINE_STRIP,
     6,
     {{0.0f, 0.0f}, {0.65f, 0.0f}, {0.65f, 0.5f}, {0.0f, 0.5f}, {0.0f, 1.0f}, {0.65f, 1.0f}}},
    {'6',
     GL_LINE_STRIP,
     6,
     {{0.65f, 1.0f}, {0.0f, 1.0f}, {0.0f, 0.0f}, {0.65f, 0.0f}, {0.65f, 0.5f}, {0.0f, 0.5f}}},
    {'7', GL_LINE_STRIP, 3, {{0.0f, 1.0f}, {0.65f, 1.0f}, {0.65f, 0.0f}}},
    {'8',
     GL_LINES,
     10,
     {{0.0f, 0.0f},
      {0.65f, 0.0f},
      {0.0f, 0.0f},
      {0.0f, 1.0f},
      {0.0f, 1.0f},
      {0.65f, 1.0f},
      {0.65f, 1.0f},
      {0.65f, 0.0f},
      {0.0f, 0.5f},
      {0.65f, 0.5f}}},
    {'9',
     GL_LINE_STRIP,
     6,
     {{0.0f, 0.0f}, {0.65f, 0.0f}, {0.65f, 1.0f}, {0.0f, 1.0f}, {0.0f, 0.5f}, {0.65f, 0.5f}}},
    // Two hollow squares, 0.1 on a side, on the cell's centre line; the lower one first.
    {':',
     GL_LINES,
     16,
     {{0.275f, 0.25f},
      {0.375f, 0.25f},
      {0.375f, 0.25f},
      {0.375f, 0.35f},
      {0.375f, 0.35f},
      {0.275f, 0.35f},
      {0.275f, 0.35f},
      {0.275f, 0.25f},
      {0.275f, 0.65f},
      {0.375f, 0.65f},
      {0.375f, 0.65f},
      {0.375f, 0.75f},
      {0.375f, 0.75f},
      {0.275f, 0.75f},
      {0.275f, 0.75f},
      {0.275f, 0.65f}}},
    // The bar reaches 0.2 below and above the cell.
    {'|', GL_LINES, 2, {{0.325f, -0.2f}, {0.325f, 1.2f}}},
};

GLuint buildStrokeFont() {
    const GLuint base = glGenLists(256);
    if (base == 0) {
        return 0;
    }
    for (const GlyphStrokes& glyph : strokeGlyphs) {
        glNewList(base + glyph.code, GL_COMPILE);
        glBegin(glyph.primitive);
        for (int i = 0; i < glyph.vertexCount; ++i) {
            glVertex2f(glyph.vertices[i][0], glyph.vertices[i][1]);
        }
        glEnd();
        glTranslatef(glyphAdvance, 0.0f, 0.0f);
        glEndList();
    }
    glNewList(base + ' ', GL_COMPILE);
    glTranslatef(glyphAdvance, 0.0f, 0.0f);
    glEndList();
    return base;
}

void drawText(GLuint base, const char* text, int32_t count) {
    if (text == nullptr) {
        return;
    }
    glPushMatrix();
    glPushAttrib(GL_LIST_BIT);
    glListBase(base);
    // Each byte calls its own list; ids without a glyph are empty and do not advance.
    glCallLists(count, GL_UNSIGNED_BYTE, text);
    glPopAttrib();
    glPopMatrix();
}
