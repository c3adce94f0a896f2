// Sway fields and label chains as plain arithmetic: the random source, the
// easing, the running sums and the order of draws.
#include "savedState.h"
#include "scene/scene.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace {

// The random source's coming draws, after which it starts over.
std::vector<int32_t> comingDraws(size_t count) {
    resetRandom();
    std::vector<int32_t> draws(count);
    for (int32_t& r : draws) {
        r = nextRandom();
    }
    resetRandom();
    return draws;
}

// The durations the coming draws become, as fields of one value take them,
// one draw each, in turn; after which the source starts over.
std::vector<int32_t> comingDurations(size_t count) {
    resetRandom();
    std::vector<int32_t> durations;
    for (size_t i = 0; i < count; ++i) {
        durations.push_back(SwayField(1, 1, 12.0, 160, 160).duration[0][0]);
    }
    resetRandom();
    return durations;
}

// Leaves the random source so that its next draw is the first r of the
// sequence; returns the draw after that one.
int32_t drawNext(int32_t r) {
    const std::vector<int32_t> draws = comingDraws(60000);
    const size_t at = std::find(draws.begin(), draws.end(), r) - draws.begin();
    for (size_t i = 0; i < at; ++i) {
        nextRandom();
    }
    return draws.at(at + 1);
}

// Holds every value of a row at a constant through the next step.
void holdRow(SwayField& field, int row, const std::vector<double>& values) {
    for (int j = 0; j < field.valuesPerRow; ++j) {
        field.startValue[row][j] = values[j];
        field.targetValue[row][j] = values[j];
        field.elapsed[row][j] = 0;
        field.duration[row][j] = 1000;
    }
}

template <typename Visit> void forEachValue(const SwayField& field, Visit visit) {
    for (int i = 0; i < field.rows; ++i) {
        for (int j = 0; j < field.valuesPerRow; ++j) {
            visit(i, j);
        }
    }
}

using Sway = RestoringTest;
using Chains = RestoringTest;

} // namespace

TEST_F(Sway, RandomDrawsSpanTheirRangeAndEveryRunDrawsTheSame) {
    const std::vector<int32_t> first = comingDraws(100000);
    EXPECT_EQ(comingDraws(100000), first) << "nothing seeds it: every run sways the same way";
    const auto [lowest, highest] = std::minmax_element(first.begin(), first.end());
    EXPECT_EQ(*lowest, 0);
    EXPECT_EQ(*highest, 32767);
}

TEST_F(Sway, RunningSumsCountTheFirstValueTwiceAndNeverTheLast) {
    SwayField field(10, 2, 12.0, 160, 160);
    holdRow(field, 0, std::vector<double>(10, 1.0));
    holdRow(field, 1, {0, 0, 0, 0, 0, 0, 0, 0, 0, 5});
    field.step();
    const std::vector<double> ones = {0, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    for (int j = 0; j < 10; ++j) {
        EXPECT_EQ(field.currentValue[0][j], 1.0);
        EXPECT_EQ(field.sums[0][j], ones[j]) << "row 0, position " << j;
        EXPECT_EQ(field.sums[1][j], 0.0) << "row 1, position " << j;
    }

    // A field of one value per row has no sums to write.
    SwayField single(1, 2, 12.0, 160, 160);
    holdRow(single, 0, {3.0});
    holdRow(single, 1, {-3.0});
    single.step();
    EXPECT_EQ(single.currentValue[0][0], 3.0);
    EXPECT_EQ(single.sums[0][0], 0.0);
    EXPECT_EQ(single.sums[1][0], 0.0);
}

TEST_F(Sway, DrawsBecomeTargetsAndDurations) {
    struct Case {
        int32_t r;
        int32_t duration;
        double target;
    };
    for (const Case& k : {Case{0, 160, -6.0}, Case{16384, 240, 0.0},
                          Case{32767, 319, 5.9996337890625}, Case{205, 161, 0.0}}) {
        drawNext(k.r);
        SwayField field(1, 1, 12.0, 160, 160);
        EXPECT_EQ(field.duration[0][0], k.duration) << "r = " << k.r;
        if (k.r == 205) {
            continue;
        }
        // A retarget draws the target, then the duration: the one the draw
        // after becomes, as a field of one value takes it.
        field.elapsed[0][0] = field.duration[0][0];
        const int32_t after = drawNext(k.r);
        field.step();
        EXPECT_EQ(field.targetValue[0][0], k.target) << "r = " << k.r;
        drawNext(after);
        EXPECT_EQ(field.duration[0][0], SwayField(1, 1, 12.0, 160, 160).duration[0][0])
            << "r = " << k.r;
    }
}

TEST_F(Sway, EasesFollowTheHalfCosineThenRetarget) {
    // A chain's shortest and longest eases.
    for (int32_t d : {160, 319}) {
        SwayField field(1, 1, 12.0, 160, 160);
        field.targetValue[0][0] = 4.0;
        field.duration[0][0] = d;
        std::vector<double> seen(d + 1, 0.0);
        for (int n = 1; n <= d; ++n) {
            field.step();
            seen[n] = field.currentValue[0][0];
        }
        if (d % 4 == 0) {
            EXPECT_NEAR(seen[d / 4], 2.0 - std::sqrt(2.0), 1e-12) << d;
            EXPECT_NEAR(seen[3 * d / 4], 2.0 + std::sqrt(2.0), 1e-12) << d;
            // Short of 2 by what the constant 3.1415926535897 lacks of pi.
            EXPECT_NEAR(seen[d / 2], 2.0 - (3.14159265358979323846 - 3.1415926535897), 1e-15);
        }
        EXPECT_EQ(seen[d], 4.0) << d;
        for (int n = 1; n <= d; ++n) {
            ASSERT_GT(seen[n], seen[n - 1]) << n << " of " << d;
            ASSERT_NEAR(seen[n] + seen[d - n], 4.0, 1e-12) << n << " of " << d;
        }
        // The next step retargets, and reads its target once more.
        field.step();
        EXPECT_EQ(field.currentValue[0][0], 4.0);
    }
}

TEST_F(Chains, DrawInOrderAndStandStillUntilTheirFirstRetarget) {
    const std::vector<int32_t> draws = comingDraws(10000);
    const std::vector<int32_t> durations = comingDurations(900);
    size_t next = 0;
    createLabelChains();
    // For every value: its first duration, drawn at start-up chain by chain, row by
    // row, and the frames it first retargets and moves in.
    std::vector<int> duration(900), retargeted(900, 0), moved(900, 0);
    std::vector<double> firstTarget(900);
    for (int c = 0; c < 45; ++c) {
        forEachValue(*chains[c]->sway, [&](int i, int j) {
            duration[next] = chains[c]->sway->duration[i][j];
            EXPECT_EQ(duration[next], durations[next]) << "value " << next;
            ++next;
        });
    }
    for (int frame = 1; frame <= 400; ++frame) {
        for (int c = 0; c < 45; ++c) {
            const SwayField& field = *chains[c]->sway;
            chains[c]->update();
            // A value back at the start of an ease took two draws.
            forEachValue(field, [&](int i, int j) {
                const int v = c * 20 + i * 10 + j;
                if (field.elapsed[i][j] == 0) {
                    next += 2;
                    if (retargeted[v] == 0) {
                        retargeted[v] = frame;
                        firstTarget[v] = field.targetValue[i][j];
                    }
                }
                if (field.currentValue[i][j] != 0.0 && moved[v] == 0) {
                    moved[v] = frame;
                }
            });
        }
    }
    EXPECT_EQ(nextRandom(), draws.at(next)) << "each retarget draws twice, nothing else draws";
    // Still through the step of the first retarget, moving on the one after.
    for (int v = 0; v < 900; ++v) {
        EXPECT_EQ(retargeted[v], duration[v] + 1) << "value " << v;
        if (firstTarget[v] != 0.0) {
            EXPECT_EQ(moved[v], duration[v] + 2) << "value " << v;
        }
    }
}
