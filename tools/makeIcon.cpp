// Draws Kronvale's application icon from the stroke font: three short chains
// of glyphs rising from a cyan floor square, shading from cyan to dark red,
// on white. Writes the same drawing as a 48 by 48 PNG, as SVG, as a
// Windows icon holding one 48 by 48 image at 24 bits per pixel, and as the
// program's own copy of the pixels, which it gives its window.
//
//   kronvale_make_icon OUTPUT-DIRECTORY
//
// The output depends on nothing but this file and the glyph table, so the
// files kept in the repository can be checked by making them again.
#include "font/strokeFont.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int size = 48;
constexpr int samples = 8;         // per pixel side, for smooth edges
constexpr double lineWidth = 1.15; // pixels
constexpr double glyphScale = 9.0; // pixels per glyph unit
constexpr double rootX = 18.0, rootY = 39.0;

struct Colour {
    double r, g, b;
};

struct Line {
    double x0, y0, x1, y1;
    Colour colour;
};

const double pi = 3.14159265358979323846;

// The floor square, seen from a little above.
void addFloor(std::vector<Line>& lines) {
    const double corners[5][2] = {{10, 44}, {26, 45}, {31, 41}, {15, 40}, {10, 44}};
    for (int i = 0; i < 4; ++i) {
        lines.push_back(Line{corners[i][0], corners[i][1], corners[i + 1][0], corners[i + 1][1],
                             Colour{0, 1, 1}});
    }
}

// One chain: each glyph turned a little further than the one below it,
// running upward like the labels, shaded from cyan to (0.9, 0.1, 0.1).
void addChain(std::vector<Line>& lines, const std::string& text, double startDegrees,
              double bendDegrees) {
    double x = rootX, y = rootY;
    const int count = static_cast<int>(text.size());
    for (int k = 0; k < count; ++k) {
        const double angle = (startDegrees + bendDegrees * k) * pi / 180.0;
        // Along the chain (up, leaning right for positive angles), and to its left.
        const double ax = std::sin(angle), ay = -std::cos(angle);
        const double lx = -std::cos(angle), ly = -std::sin(angle);
        const double c = count > 1 ? 0.9 * k / (count - 1) : 0.0;
        const Colour colour{c, 1 - c, 1 - c};
        auto at = [&](double gx, double gy, double& px, double& py) {
            px = x + glyphScale * (gx * ax + (gy - 0.5) * lx);
            py = y + glyphScale * (gx * ay + (gy - 0.5) * ly);
        };
        for (const GlyphStrokes& glyph : strokeGlyphs) {
            if (glyph.code != static_cast<unsigned char>(text[k])) {
                continue;
            }
            const bool strip = glyph.primitive == GL_LINE_STRIP;
            for (int i = strip ? 1 : 0; i < glyph.vertexCount; i += strip ? 1 : 2) {
                const int a = strip ? i - 1 : i;
                Line line{0, 0, 0, 0, colour};
                at(glyph.vertices[a][0], glyph.vertices[a][1], line.x0, line.y0);
                at(glyph.vertices[a + 1][0], glyph.vertices[a + 1][1], line.x1, line.y1);
                lines.push_back(line);
            }
        }
        x += glyphScale * glyphAdvance * ax;
        y += glyphScale * glyphAdvance * ay;
    }
}

std::vector<Line> drawing() {
    std::vector<Line> lines;
    addFloor(lines);
    addChain(lines, "12:00", 0.0, 21.0);
    return lines;
}

double distanceToLine(double px, double py, const Line& l) {
    const double dx = l.x1 - l.x0, dy = l.y1 - l.y0;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((px - l.x0) * dx + (py - l.y0) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (l.x0 + t * dx), py - (l.y0 + t * dy));
}

// Later lines cover earlier ones, as in the program; each pixel averages its samples.
std::vector<uint8_t> render(const std::vector<Line>& lines) {
    std::vector<uint8_t> rgb(size * size * 3);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            double r = 0, g = 0, b = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const double px = x + (sx + 0.5) / samples;
                    const double py = y + (sy + 0.5) / samples;
                    Colour c{1, 1, 1};
                    for (const Line& l : lines) {
                        if (distanceToLine(px, py, l) <= lineWidth / 2) {
                            c = l.colour;
                        }
                    }
                    r += c.r;
                    g += c.g;
                    b += c.b;
                }
            }
            const double n = samples * samples;
            uint8_t* p = &rgb[(y * size + x) * 3];
            p[0] = static_cast<uint8_t>(std::lround(255 * r / n));
            p[1] = static_cast<uint8_t>(std::lround(255 * g / n));
            p[2] = static_cast<uint8_t>(std::lround(255 * b / n));
        }
    }
    return rgb;
}

void put32be(std::string& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<char>((v >> shift) & 0xFF));
    }
}

void put16le(std::string& out, uint32_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void put32le(std::string& out, uint32_t v) {
    put16le(out, v & 0xFFFF);
    put16le(out, v >> 16);
}

uint32_t crc32(const std::string& data) {
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : data) {
        crc ^= byte;
        for (int i = 0; i < 8; ++i) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

void chunk(std::string& png, const char* type, const std::string& data) {
    put32be(png, static_cast<uint32_t>(data.size()));
    const std::string typed = std::string(type) + data;
    png += typed;
    put32be(png, crc32(typed));
}

// An RGB PNG whose image data is one stored (uncompressed) deflate block.
std::string png(const std::vector<uint8_t>& rgb) {
    std::string raw;
    for (int y = 0; y < size; ++y) {
        raw.push_back(0); // no filter
        raw.append(reinterpret_cast<const char*>(&rgb[y * size * 3]), size * 3);
    }
    std::string header;
    put32be(header, size);
    put32be(header, size);
    header += std::string("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, no interlace
    std::string zlib("\x78\x01", 2);
    zlib.push_back(1); // the final block, stored
    put16le(zlib, static_cast<uint32_t>(raw.size()));
    put16le(zlib, static_cast<uint32_t>(~raw.size() & 0xFFFF));
    zlib += raw;
    uint32_t a = 1, b = 0;
    for (unsigned char byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    put32be(zlib, (b << 16) | a);
    std::string out("\x89PNG\r\n\x1a\n", 8);
    chunk(out, "IHDR", header);
    chunk(out, "IDAT", zlib);
    chunk(out, "IEND", "");
    return out;
}

// One 48 by 48 image, 24 bits per pixel, rows bottom-up, with its AND mask.
std::string ico(const std::vector<uint8_t>& rgb) {
    std::string image;
    put32le(image, 40);       // BITMAPINFOHEADER
    put32le(image, size);     // width
    put32le(image, size * 2); // height: the colours and the mask
    put16le(image, 1);        // planes
    put16le(image, 24);       // bits per pixel
    put32le(image, 0);        // no compression
    put32le(image, 0);
    put32le(image, 0);
    put32le(image, 0);
    put32le(image, 0);
    put32le(image, 0);
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const uint8_t* p = &rgb[(y * size + x) * 3];
            image.push_back(static_cast<char>(p[2]));
            image.push_back(static_cast<char>(p[1]));
            image.push_back(static_cast<char>(p[0]));
        }
    }
    const int maskRow = ((size + 31) / 32) * 4; // bytes, padded to 32 bits
    image.append(static_cast<size_t>(maskRow * size), '\0');

    std::string out;
    put16le(out, 0); // reserved
    put16le(out, 1); // an icon
    put16le(out, 1); // one image
    out.push_back(static_cast<char>(size));
    out.push_back(static_cast<char>(size));
    out.push_back(0); // no palette
    out.push_back(0);
    put16le(out, 1);  // planes
    put16le(out, 24); // bits per pixel
    put32le(out, static_cast<uint32_t>(image.size()));
    put32le(out, 6 + 16); // where the image starts
    return out + image;
}

std::string hex(const Colour& c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", static_cast<int>(std::lround(255 * c.r)),
                  static_cast<int>(std::lround(255 * c.g)),
                  static_cast<int>(std::lround(255 * c.b)));
    return text;
}

std::string svg(const std::vector<Line>& lines) {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"48\" height=\"48\" "
                      "viewBox=\"0 0 48 48\">\n"
                      "  <rect width=\"48\" height=\"48\" fill=\"#ffffff\"/>\n"
                      "  <g fill=\"none\" stroke-width=\"1.15\" stroke-linecap=\"round\">\n";
    char line[256];
    for (const Line& l : lines) {
        std::snprintf(line, sizeof line,
                      "    <line x1=\"%.3f\" y1=\"%.3f\" x2=\"%.3f\" y2=\"%.3f\" stroke=\"%s\"/>\n",
                      l.x0, l.y0, l.x1, l.y1, hex(l.colour).c_str());
        out += line;
    }
    return out + "  </g>\n</svg>\n";
}

// The pixels as C++ array elements, row by row, red, green and blue.
std::string includedPixels(const std::vector<uint8_t>& rgb) {
    std::string out =
        "// Drawn by scripts/make-icon: the 48 by 48 icon, rows of red, green and blue.\n";
    char byte[8];
    for (size_t i = 0; i < rgb.size(); ++i) {
        std::snprintf(byte, sizeof byte, "%u,", static_cast<unsigned>(rgb[i]));
        out += byte;
        out += (i + 1) % (size * 3 / 4) == 0 ? "\n" : "";
    }
    return out;
}

bool write(const std::string& path, const std::string& data) {
    std::ofstream file(path, std::ios::binary);
    file.write(data.data(), static_cast<std::streamsize>(data.size()));
    return static_cast<bool>(file);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-DIRECTORY\n", argv[0]);
        return 2;
    }
    const std::string directory = argv[1];
    const std::vector<Line> lines = drawing();
    const std::vector<uint8_t> pixels = render(lines);
    if (!write(directory + "/kronvale.png", png(pixels)) ||
        !write(directory + "/kronvale.ico", ico(pixels)) ||
        !write(directory + "/kronvale.svg", svg(lines)) ||
        !write(directory + "/kronvaleIcon.inc", includedPixels(pixels))) {
        std::fprintf(stderr, "%s: cannot write the icon files into %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
