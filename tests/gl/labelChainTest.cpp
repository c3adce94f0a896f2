// Label chains drawn in a real GL context, read back as the chain's own
// geometry: each label starts where the one before ends, turned by its
// joint; its text and its colour.
#include "app/app.h"
#include "clock/timeLabels.h"
#include "font/strokeFont.h"
#include "scene/scene.h"
#include "testDisplay.h"
#include "vecChecks.h"

#include <string>
#include <vector>

namespace {

struct D3 {
    double x, y, z;
    D3 operator+(D3 o) const { return {x + o.x, y + o.y, z + o.z}; }
    D3 operator-(D3 o) const { return {x - o.x, y - o.y, z - o.z}; }
    D3 operator*(double k) const { return {x * k, y * k, z * k}; }
    D3 cross(D3 o) const { return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x}; }
};

// Chains are drawn five pixels to the unit about the window's centre, so
// that what was drawn reads back in the chain's own units.
const Matrix chainView = Matrix::translation(512, 384, 0) * Matrix::scaling(5, 5, 5);

D3 unitsOf(const WindowPoint& p) {
    return {(p.x - 512) / 5, (p.y - 384) / 5, (0.5 - p.z) * 400};
}

// Where a label was drawn: the corner of its first cell, the way its text
// runs and the way its glyphs stand.
struct Placement {
    D3 origin, along, up;
};

class LabelChainDrawing : public GlTest {
protected:
    void prepare() override {
        clockReading = TimeOfDay{13, 59, 55}; // across a minute: no two labels alike
        buildTimeLabels();
        chainView.load();
    }

    // Reads a label's placement off its bar and its last line, then expects
    // every line of text there.
    static Placement measure(const Feedback& drawn, size_t& at, const std::string& text) {
        const std::vector<Stroke> want = strokesOfText(text);
        if (drawn.segments.size() < at + want.size()) {
            ADD_FAILURE() << text << ": too few lines drawn";
            return {};
        }
        const D3 foot = unitsOf(drawn.segments[at].from); // the bar, (0.325, -0.2) to (0.325, 1.2)
        Placement p;
        p.up = (unitsOf(drawn.segments[at].to) - foot) * (1 / 1.4);
        const D3 end = unitsOf(drawn.segments[at + want.size() - 1].to);
        p.along = (end - foot - p.up * (want.back().y1 + 0.2)) * (1 / (want.back().x1 - 0.325));
        p.origin = foot - p.along * 0.325 + p.up * 0.2;
        const D3 normal = p.along.cross(p.up);
        const Matrix cell{{p.along.x, p.along.y, p.along.z, 0, p.up.x, p.up.y, p.up.z, 0, normal.x,
                           normal.y, normal.z, 0, p.origin.x, p.origin.y, p.origin.z, 1}};
        at = expectStrokes(drawn.segments, at, want, toWindow(chainView * cell), text);
        return p;
    }
};

const std::vector<std::string> lastTenSeconds = {"|13:59:46", "|13:59:47", "|13:59:48", "|13:59:49",
                                                 "|13:59:50", "|13:59:51", "|13:59:52", "|13:59:53",
                                                 "|13:59:54", "|13:59:55"};

} // namespace

TEST_F(LabelChainDrawing, EachLabelStartsWhereTheOneBeforeEndsTurnedByItsJoint) {
    struct Case {
        int count;
        Vec3 root;
        double spacing;
    };
    for (const Case& k : {Case{10, Vec3(1.5f, -2.25f, 0.5f), labelSpacing},
                          Case{3, Vec3(-1, 0, 2), 5.0}, Case{1, Vec3(0, 0, 0), 5.0}}) {
        LabelChain chain(k.count, k.root, k.spacing);
        // Known bends, with fractions in both rows and sums well away from 0.
        for (int j = 1; j < k.count; ++j) {
            chain.sway->sums[0][j] = 7.3 * j - 20.0 + 0.123;
            chain.sway->sums[1][j] = -11.7 + 5.45 * j;
        }
        const Feedback drawn = captureFeedback([&] { chain.draw(); }, true);
        ASSERT_TRUE(!drawn.unreadable && drawn.points.empty());

        size_t at = 0;
        Placement before{};
        for (int j = 0; j < k.count; ++j) {
            // The last label shows the current second, the one at the root the oldest.
            const std::string text = lastTenSeconds[10 - k.count + j];
            const std::string what = std::to_string(k.count) + " labels, " + text;
            const size_t first = at;
            const Placement p = measure(drawn, at, text);
            if (HasFailure()) {
                return;
            }
            if (j == 0) {
                // Upright on the root, glyphs standing toward -x as the chain runs up.
                expectNear(p.origin, k.root, 1e-4, what);
                expectNear(p.along, Xyz{0, 1, 0}, 1e-4, what);
                expectNear(p.up, Xyz{-1, 0, 0}, 1e-4, what);
            } else {
                expectNear(p.origin, before.origin + before.along * k.spacing, 1e-4, what);
                // In the chain's frame before it (x across, y along), the joint turns
                // about z by the row-0 sum, then about the turned x by the row-1 sum.
                const Matrix joint = Matrix::rotation(chain.sway->sums[0][j], 0, 0, 1) *
                                     Matrix::rotation(chain.sway->sums[1][j], 1, 0, 0);
                const D3 x = before.up * -1, y = before.along, z = x.cross(y);
                const WindowPoint a = joint.apply(0, 1, 0), c = joint.apply(1, 0, 0);
                expectNear(p.along, x * a.x + y * a.y + z * a.z, 1e-4, what);
                expectNear(p.up * -1, x * c.x + y * c.y + z * c.z, 1e-4, what);
            }
            // Cyan at the root, shading to red by tenths of the chain's length.
            const double red = static_cast<double>(j) / k.count;
            for (size_t i = first; i < at; ++i) {
                const Colour& c = drawn.segments[i].colour;
                EXPECT_NEAR(c.r, red, 1e-6) << what;
                EXPECT_NEAR(c.g, 1 - red, 1e-6) << what;
                EXPECT_NEAR(c.b, 1 - red, 1e-6) << what;
                EXPECT_EQ(c.a, 1.0) << what;
            }
            before = p;
        }
        EXPECT_EQ(at, drawn.segments.size()) << "nothing but the labels is drawn";
    }
}
