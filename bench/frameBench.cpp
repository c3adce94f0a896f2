// One frame of Kronvale: the program's own work without GL (every chain's
// sway step, the labels, one view step), and the whole drawn frame in a real
// 1024 by 768 context.
#include "app/app.h"
#include "openDisplay.h"
#include "camera/camera.h"
#include "clock/timeLabels.h"
#include "font/strokeFont.h"
#include "platform/platform.h"
#include "scene/scene.h"

#include <SDL_opengl.h>
#include <benchmark/benchmark.h>

namespace {

void prepareScene() {
    if (TimeLabels == nullptr) {
        allocateTimeLabels();
    }
    clockReading = TimeOfDay{14, 5, 3};
    resetRandom();
    createLabelChains();
    setScreenSize(1024, 768);
    camera = Camera();
    placeCameraForStart();
    mouseX = 700;
    mouseY = 300;
    // Past the first retargets, so that every value is easing.
    for (int frame = 0; frame < 400; ++frame) {
        for (auto& chain : chains) {
            chain->update();
        }
        orbitStep();
    }
}

void BM_FrameOwnWork(benchmark::State& state) {
    prepareScene();
    for (auto _ : state) {
        orbitStep();
        buildTimeLabels();
        for (int32_t i = 0; i < chainCount; ++i) {
            chains[i]->update();
        }
        benchmark::DoNotOptimize(chains[44]->sway->sums[1][9]);
    }
}
BENCHMARK(BM_FrameOwnWork)->Unit(benchmark::kMicrosecond);

// The sway steps alone, and in Fly mode the view step alone.
void BM_SwaySteps(benchmark::State& state) {
    prepareScene();
    for (auto _ : state) {
        for (int32_t i = 0; i < chainCount; ++i) {
            chains[i]->update();
        }
        benchmark::DoNotOptimize(chains[44]->sway->sums[1][9]);
    }
}
BENCHMARK(BM_SwaySteps)->Unit(benchmark::kMicrosecond);

void BM_FlyStep(benchmark::State& state) {
    prepareScene();
    for (auto _ : state) {
        flyStep();
        benchmark::DoNotOptimize(camera.target.x);
    }
}
BENCHMARK(BM_FlyStep)->Unit(benchmark::kNanosecond);

// The frame's reading of the system's clock, its zone looked at again.
void BM_ReadLocalTime(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(readLocalTime());
    }
}
BENCHMARK(BM_ReadLocalTime)->Unit(benchmark::kNanosecond);

// The whole frame, presented and finished, with the CPU of every thread the
// renderer runs counted.
void BM_DrawFrame(benchmark::State& state) {
    const char* why = openDisplayOnce(1024, 768, SDL_OPENGL);
    if (why != nullptr) {
        state.SkipWithError(why);
        return;
    }
    initGraphicsState(1024, 768);
    if (fontBase == 0) {
        fontBase = buildStrokeFont();
    }
    prepareScene();
    for (auto _ : state) {
        orbitStep();
        drawFrame();
        glFinish();
    }
}
BENCHMARK(BM_DrawFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();

} // namespace
