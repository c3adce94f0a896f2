// Counts what a screenshot shows in a rectangle: white, the floor's cyan, the
// tips' dark red, the dot's grey, black (the bare screen, or bars around a
// letterboxed picture), and where the cyan and the non-white lie (the cyan's
// left and right ends are the floor square's: a label is cyan only upright
// over its middle), and how many of its squares of 2 by 2 pixels are not of
// one colour (none, where a desktop doubled every pixel); given an
// earlier screenshot too, how many pixels turned from the floor's cyan to
// white or back (what a label passing over the floor never does).
// Reads binary PPMs; prints one line of name=value pairs.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Image {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;
};

bool read(const char* path, Image& image) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maxValue = 0;
    in >> magic >> image.width >> image.height >> maxValue;
    in.get();
    if (!in || magic != "P6" || maxValue != 255 || image.width <= 0 || image.height <= 0) {
        std::fprintf(stderr, "not an 8-bit binary PPM: %s\n", path);
        return false;
    }
    image.rgb.resize(static_cast<size_t>(image.width) * image.height * 3);
    in.read(reinterpret_cast<char*>(image.rgb.data()),
            static_cast<std::streamsize>(image.rgb.size()));
    if (!in) {
        std::fprintf(stderr, "image data cut short: %s\n", path);
    }
    return static_cast<bool>(in);
}

bool is(const unsigned char* p, int r, int g, int b) {
    return p[0] == r && p[1] == g && p[2] == b;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2 && argc != 6 && argc != 7) {
        std::fprintf(stderr, "usage: %s IMAGE.ppm [X Y WIDTH HEIGHT [BEFORE.ppm]]\n", argv[0]);
        return 2;
    }
    Image image, before;
    if (!read(argv[1], image) || (argc == 7 && !read(argv[6], before))) {
        return 1;
    }
    if (argc == 7 && (before.width != image.width || before.height != image.height)) {
        std::fprintf(stderr, "%s: the two screenshots differ in size\n", argv[0]);
        return 1;
    }
    const int width = image.width, height = image.height;
    const std::vector<unsigned char>& rgb = image.rgb;
    int x0 = 0, y0 = 0, w = width, h = height;
    if (argc >= 6) {
        x0 = std::atoi(argv[2]);
        y0 = std::atoi(argv[3]);
        w = std::atoi(argv[4]);
        h = std::atoi(argv[5]);
    }
    long pixels = 0, white = 0, cyan = 0, tip = 0, grey = 0, black = 0, moved = 0;
    double cyanX = 0, cyanY = 0;
    int minX = -1, maxX = -1, minY = -1, maxY = -1, cyanLeft = -1, cyanRight = -1;
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) {
            if (x < 0 || y < 0 || x >= width || y >= height) {
                continue;
            }
            const size_t at = (static_cast<size_t>(y) * width + x) * 3;
            const unsigned char* p = &rgb[at];
            const int r = p[0], g = p[1], b = p[2];
            ++pixels;
            if (!before.rgb.empty()) {
                const unsigned char* q = &before.rgb[at];
                moved += (is(p, 0, 255, 255) && is(q, 255, 255, 255)) ||
                         (is(p, 255, 255, 255) && is(q, 0, 255, 255));
            }
            if (r == 255 && g == 255 && b == 255) {
                ++white;
                continue;
            }
            if (minX < 0 || x < minX) {
                minX = x;
            }
            if (x > maxX) {
                maxX = x;
            }
            if (minY < 0 || y < minY) {
                minY = y;
            }
            maxY = y;
            if (r == 0 && g == 255 && b == 255) {
                cyanLeft = cyan == 0 || x < cyanLeft ? x : cyanLeft;
                cyanRight = x > cyanRight ? x : cyanRight;
                ++cyan;
                cyanX += x;
                cyanY += y;
            } else if (r >= 220 && g <= 40 && b <= 40) {
                ++tip;
            } else if (r == g && g == b) {
                ++grey; // the dot blends black over white, so black counts too
                if (r == 0) {
                    ++black;
                }
            }
        }
    }
    long mixed = 0;
    for (int y = std::max(y0, 0); y + 1 < std::min(y0 + h, height); y += 2) {
        for (int x = std::max(x0, 0); x + 1 < std::min(x0 + w, width); x += 2) {
            const unsigned char* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
            const unsigned char* below = p + static_cast<size_t>(width) * 3;
            mixed += !is(p + 3, p[0], p[1], p[2]) || !is(below, p[0], p[1], p[2]) ||
                     !is(below + 3, p[0], p[1], p[2]);
        }
    }
    std::printf("pixels=%ld white=%ld cyan=%ld tip=%ld grey=%ld black=%ld nonwhite=%ld "
                "cyanx=%.2f cyany=%.2f cyanleft=%d cyanright=%d left=%d right=%d top=%d bottom=%d "
                "moved=%ld mixed=%ld\n",
                pixels, white, cyan, tip, grey, black, pixels - white, cyan ? cyanX / cyan : -1.0,
                cyan ? cyanY / cyan : -1.0, cyanLeft, cyanRight, minX, maxX, minY, maxY, moved,
                mixed);
    return 0;
}
