// A screensaver's tour: the stand-in input that a run nobody steers feeds to
// the Orbit step, a frame at a time. Far out, the eye swings round the bundle
// and rises and falls; every two minutes it comes in close enough to read the
// labels, rests there a few seconds and drifts back out. The Orbit step's own
// easing makes every motion smooth.
#include "camera/tour.h"

#include "records/records.h"

#include <cmath>
#include <cstdint>

int32_t tourFrame = 0;

namespace {

constexpr double pi = 3.14159265358979323846;

// Periods, in frames: at 60 frames a second two minutes from one visit to
// the next, the first once the eye has flown in, and a minute and a half up
// and down. The eye swings round the bundle once between two visits, and
// crosses the middle half way through each.
constexpr int32_t visitFrames = 7200;
constexpr int32_t firstVisit = 400;
constexpr int32_t riseFrames = 5400;
static_assert(tourLength % visitFrames == 0 && tourLength % riseFrames == 0,
              "the tour starts over as a whole");

// A visit, in frames from its start: the swing eases to nothing; button 1,
// held from z = 50 until the eye coasts to rest at about z = 6.5; five seconds
// there; button 3 until it is back at z = 50, the swing easing back meanwhile.
constexpr int32_t centred = 150;
constexpr int32_t zoomInEnd = 266;
constexpr int32_t zoomOutStart = 630;
constexpr int32_t zoomOutEnd = 780;
constexpr int32_t swingBack = 700;
constexpr int32_t crossing = firstVisit + (centred + zoomOutEnd) / 2;

// Where the eye goes far out, in scene units at z = 50: up to 32 either side
// of the bundle (some 33 degrees round it), and from 3 below the centre to 13
// above it.
constexpr double sideways = 32.0;
constexpr double lift = 5.0;
constexpr double rise = 8.0;

// Half a cosine, from 0 to 1 as f goes from 0 to 1.
double ease(double f) {
    return (1.0 - std::cos(pi * f)) * 0.5;
}

// How much of the swing is left, so many frames into a visit.
double swingShare(int32_t v) {
    if (v < centred) {
        return 1.0 - ease(static_cast<double>(v) / centred);
    }
    if (v < swingBack) {
        return 0.0;
    }
    if (v < swingBack + centred) {
        return ease(static_cast<double>(v - swingBack) / centred);
    }
    return 1.0;
}

// The pointer's offset from the centre that makes the Orbit step send the eye
// there: it goes to -0.02 times the offset.
int32_t offsetFor(double at) {
    return static_cast<int32_t>(std::lround(at / -0.02));
}

} // namespace

void startTourOn(int32_t index, int32_t count) {
    // Their visits, and their swings, spread evenly over two minutes.
    tourFrame = index * visitFrames / count;
}

TourInput nextTourInput() {
    const int32_t t = tourFrame;
    tourFrame = (tourFrame + 1) % tourLength;
    const int32_t v = (t + visitFrames - firstVisit) % visitFrames;
    const double share = swingShare(v);
    const double x = share * sideways * std::sin(2.0 * pi * (t - crossing) / visitFrames);
    const double y = share * (lift + rise * std::sin(2.0 * pi * t / riseFrames));
    return TourInput{halfWidth + offsetFor(x), halfHeight + offsetFor(y),
                     v >= centred && v < zoomInEnd, v >= zoomOutStart && v < zoomOutEnd};
}
