// Counts what a screenshot shows in a rectangle: white, the floor's cyan, the
// tips' dark red, the dot's grey, black (the bare screen, or bars around a
// letterboxed picture), and where the cyan and the non-white lie.
// Reads a binary PPM; prints one line of name=value pairs.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    if (argc != 2 && argc != 6) {
        std::fprintf(stderr, "usage: %s IMAGE.ppm [X Y WIDTH HEIGHT]\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::string magic;
    int width = 0, height = 0, maxValue = 0;
    in >> magic >> width >> height >> maxValue;
    in.get();
    if (!in || magic != "P6" || maxValue != 255 || width <= 0 || height <= 0) {
        std::fprintf(stderr, "%s: not an 8-bit binary PPM: %s\n", argv[0], argv[1]);
        return 1;
    }
    std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
    in.read(reinterpret_cast<char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()));
    if (!in) {
        std::fprintf(stderr, "%s: image data cut short: %s\n", argv[0], argv[1]);
        return 1;
    }
    int x0 = 0, y0 = 0, w = width, h = height;
    if (argc == 6) {
        x0 = std::atoi(argv[2]);
        y0 = std::atoi(argv[3]);
        w = std::atoi(argv[4]);
        h = std::atoi(argv[5]);
    }
    long pixels = 0, white = 0, cyan = 0, tip = 0, grey = 0, black = 0;
    double cyanX = 0, cyanY = 0;
    int minX = -1, maxX = -1, minY = -1, maxY = -1;
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) {
            if (x < 0 || y < 0 || x >= width || y >= height) {
                continue;
            }
            const unsigned char* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
            const int r = p[0], g = p[1], b = p[2];
            ++pixels;
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
    std::printf("pixels=%ld white=%ld cyan=%ld tip=%ld grey=%ld black=%ld nonwhite=%ld "
                "cyanx=%.2f cyany=%.2f left=%d right=%d top=%d bottom=%d\n",
                pixels, white, cyan, tip, grey, black, pixels - white, cyan ? cyanX / cyan : -1.0,
                cyan ? cyanY / cyan : -1.0, minX, maxX, minY, maxY);
    return 0;
}
