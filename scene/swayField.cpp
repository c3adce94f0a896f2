// Sway fields: values easing toward random targets, with running sums per row.
// Plain arithmetic, no drawing.
#include "scene/scene.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// A draw of 0 to 32767 as a fraction: r times 2^-15.
double drawFraction() {
    return static_cast<double>(static_cast<float>(nextRandom()) * 0.000030517578125f);
}

// How far along its ease a value is after elapsed of duration steps: 0 at the
// start, 1 at the end, along a half cosine.
double easeWeight(int32_t elapsed, int32_t duration) {
    const double f = static_cast<double>(elapsed) / static_cast<double>(duration);
    return (1.0 - std::cos(f * 3.1415926535897)) * 0.5;
}

template <typename T> std::vector<std::vector<T>> grid(int32_t rows, int32_t valuesPerRow) {
    return std::vector<std::vector<T>>(
        static_cast<size_t>(std::max(rows, 0)),
        std::vector<T>(static_cast<size_t>(std::max(valuesPerRow, 0))));
}

} // namespace

SwayField::SwayField(int32_t perRow, int32_t rowCount, double width, int32_t shortest,
                     int32_t spread)
    : valuesPerRow(perRow), rows(rowCount), range(width), halfRange(width * 0.5),
      minFrames(shortest), spreadFrames(spread) {
    sums = grid<double>(rows, valuesPerRow);
    startValue = grid<double>(rows, valuesPerRow);
    targetValue = grid<double>(rows, valuesPerRow);
    currentValue = grid<double>(rows, valuesPerRow);
    elapsed = grid<int32_t>(rows, valuesPerRow);
    duration = grid<int32_t>(rows, valuesPerRow);
    for (int32_t i = 0; i < rows; ++i) {
        for (int32_t j = 0; j < valuesPerRow; ++j) {
            sums[i][j] = 0.0;
            startValue[i][j] = 0.0;
            targetValue[i][j] = 0.0;
            currentValue[i][j] = 0.0;
            duration[i][j] = drawDuration();
            elapsed[i][j] = 0;
        }
    }
}

int32_t SwayField::drawDuration() const {
    const int64_t frames = static_cast<int64_t>(drawFraction() * spreadFrames) + minFrames;
    // An ease of no steps would divide zero by zero, and the step count must
    // be able to pass the longest one.
    return static_cast<int32_t>(std::clamp<int64_t>(frames, 1, INT32_MAX - 1));
}

double SwayField::drawTarget() const {
    return drawFraction() * range - halfRange;
}

void SwayField::step() {
    for (int32_t i = 0; i < rows; ++i) {
        for (int32_t j = 0; j < valuesPerRow; ++j) {
            elapsed[i][j] = elapsed[i][j] + 1;
            if (elapsed[i][j] > duration[i][j]) {
                startValue[i][j] = targetValue[i][j];
                targetValue[i][j] = drawTarget();
                elapsed[i][j] = 0;
                duration[i][j] = drawDuration();
            }
        }
    }
    for (int32_t i = 0; i < rows; ++i) {
        for (int32_t j = 0; j < valuesPerRow; ++j) {
            const double start = startValue[i][j];
            currentValue[i][j] =
                start + easeWeight(elapsed[i][j], duration[i][j]) * (targetValue[i][j] - start);
        }
    }
    if (valuesPerRow < 1) {
        return;
    }
    for (int32_t i = 0; i < rows; ++i) {
        // The first value enters twice and the last never: that is the chain's shape.
        double a = currentValue[i][0];
        for (int32_t j = 1; j < valuesPerRow; ++j) {
            a = a + currentValue[i][j - 1];
            sums[i][j] = a;
        }
    }
}
