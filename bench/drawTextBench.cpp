// Drawing the 450 labels of one frame with the stroke font, in a real context.
#include "app/app.h"
#include "openDisplay.h"
#include "clock/timeLabels.h"
#include "font/strokeFont.h"

#include <SDL_opengl.h>
#include <benchmark/benchmark.h>

namespace {

constexpr int chainCount = 45;
constexpr int width = 1024;
constexpr int height = 768;

bool prepare(benchmark::State& state) {
    const char* why = openDisplayOnce(width, height, SDL_OPENGL);
    if (why != nullptr) {
        state.SkipWithError(why);
        return false;
    }
    if (fontBase == 0) {
        initGraphicsState(width, height);
        fontBase = buildStrokeFont();
        allocateTimeLabels();
    }
    clockReading = TimeOfDay{14, 5, 3};
    buildTimeLabels();
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0, width, 0, height);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT);
    return true;
}

// The labels at about the size they have on screen, each in a place of its own.
void drawFrameOfLabels() {
    for (int chain = 0; chain < chainCount; ++chain) {
        for (int k = 0; k < timeLabelCount; ++k) {
            glLoadIdentity();
            glTranslatef(20.0f + 100.0f * k, 10.0f + 16.5f * chain, 0.0f);
            glScalef(12.0f, 12.0f, 1.0f);
            drawText(fontBase, TimeLabels[k], timeLabelLength);
        }
    }
}

// One label per iteration, so that the time column reads in ns per label; the
// renderer is waited for once per frame's worth of labels.
void BM_Label(benchmark::State& state) {
    if (!prepare(state)) {
        return;
    }
    int chain = 0;
    int k = 0;
    for (auto _ : state) {
        glLoadIdentity();
        glTranslatef(20.0f + 100.0f * k, 10.0f + 16.5f * chain, 0.0f);
        glScalef(12.0f, 12.0f, 1.0f);
        drawText(fontBase, TimeLabels[k], timeLabelLength);
        if (++k == timeLabelCount) {
            k = 0;
            if (++chain == chainCount) {
                chain = 0;
                glFinish();
            }
        }
    }
    glFinish();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Label)->Unit(benchmark::kNanosecond)->UseRealTime();

// All 450 labels of a frame, drawn to the last line.
void BM_FrameOfLabels(benchmark::State& state) {
    if (!prepare(state)) {
        return;
    }
    for (auto _ : state) {
        drawFrameOfLabels();
        glFinish();
    }
    state.SetItemsProcessed(state.iterations() * chainCount * timeLabelCount);
}
BENCHMARK(BM_FrameOfLabels)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
