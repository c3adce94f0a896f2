// The scene: the swaying label chains, and the drawing of each frame.
#pragma once

#include "records/records.h"
#include "records/vec3.h"

#include <cstdint>
#include <memory>
#include <vector>

// The random source for the sway: integers 0 to 32767, the same sequence on
// every platform and build. Nothing in the program seeds it; tests may reset
// it to the start of its sequence.
int32_t nextRandom();
void resetRandom();

// A grid of values, each easing along a half cosine from where it stood to a
// random target over a random number of steps, then picking a new target.
// After every step each row also holds running sums of its values.
class SwayField {
public:
    int32_t valuesPerRow;
    int32_t rows;
    // Indexed [row][position]. sums[i][0] stays 0; for j >= 1, sums[i][j] is
    // 2 * value 0 + values 1 to j - 1: the first value counts twice and the
    // last never does.
    std::vector<std::vector<double>> sums;
    std::vector<std::vector<double>> startValue;   // where the value stood at its last retarget
    std::vector<std::vector<double>> targetValue;  // where it is easing to
    std::vector<std::vector<double>> currentValue; // the eased value of the latest step
    std::vector<std::vector<int32_t>> elapsed;     // steps since the last retarget
    std::vector<std::vector<int32_t>> duration;    // steps the current ease takes
    double range;                                  // width of the interval targets come from
    double halfRange;                              // subtracted, so targets lie around 0
    int32_t minFrames;                             // shortest ease, in steps
    int32_t spreadFrames;                          // scale of the random part of an ease

    // Every value at rest at 0, each with a freshly drawn duration.
    SwayField(int32_t valuesPerRow, int32_t rows, double range, int32_t minFrames,
              int32_t spreadFrames);

    // Advances every value by one step (retargeting those whose ease is over),
    // then recomputes the sums.
    void step();

private:
    int32_t drawDuration() const;
    double drawTarget() const;
};

// One chain of labels rooted at a point, bent at every joint by the sums of
// its sway field: row 0 about the local z axis, row 1 about the local x axis,
// in degrees.
class LabelChain {
public:
    Vec3 root;
    int32_t labelCount; // 1 to 10; the last label shows the current second
    int32_t swayRows;   // always 2
    std::unique_ptr<SwayField> sway;
    double spacing; // from one label's joint to the next, along the bent chain

    LabelChain(int32_t labelCount, Vec3 root, double spacing);

    void update();

    // Draws the labels end to end on the current model-view matrix, shading
    // from cyan at the root to (0.9, 0.1, 0.1) at the tip, and leaves that
    // matrix as it was.
    void draw();
};

extern int32_t chainCount; // 45 once created
extern std::vector<std::unique_ptr<LabelChain>> chains;

// Start-up: forty-five chains of ten labels, all rooted at the origin.
void createLabelChains();

// The cursor dot's smoothed visibility, 0 to about 100; its alpha is a hundredth of it.
extern float dotLevel;

// The dot's level for this frame: it comes up while the mouse moves and
// fades within about a hundred frames once it rests; a screensaver's stays 0.
void updateDotLevel();

// Where a picture of the size asked for lies in a display of another, in the
// display's points: scaled to fit it whole and centred between bars, as the
// compatibility layer letterboxes it; all of it at the display's own size.
PictureArea placePicture(int32_t askedWidth, int32_t askedHeight, int32_t displayWidth,
                         int32_t displayHeight);

// The view every frame is drawn in, set here and only here: the viewport is
// the picture's place in the drawable, in its pixels, with nothing drawn
// outside it, and lines and points are as heavy as one display point. setSceneView then loads the
// scene's 60 degree perspective, setOverlayView one unit to the display's point with the origin at
// the top-left; each leaves the projection matrix current.
void setSceneView();
void setOverlayView();

// With drifting, how many frames the picture has drifted, from 0 at start,
// a few points either way; its path comes back on itself after some 36 hours.
extern int32_t driftFrame;

// The drift's step, once a frame while drifting.
void advanceDrift();

// Whether the hour lies in the night from hour `from` up to hour `to`, which
// may run past midnight; from equal to to is no night at all.
bool nightAt(int32_t hour, int32_t from, int32_t to);

// Draws and presents one frame: the floor square and every chain seen
// through the camera (each chain taking its sway step first), then the dot.
// In the night's hours the picture is drawn dim; drifting, where the drift
// has come to.
void drawFrame();

// The overlay: a 3 by 3 black dot at the pointer, faded by dotLevel, on a
// pixel-aligned projection with the origin at the top-left. Leaves the
// projection orthographic, the model-view at identity and blending off.
void drawCursorDot();
