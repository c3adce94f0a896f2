// Puts back what a test changes of the program-wide records and of the
// environment, so that every test passes alone and in any order.
#pragma once

#include "app/app.h"
#include "camera/tour.h"
#include "camera/camera.h"
#include "scene/scene.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// One record, as it stood when the object was made, written back when it goes.
template <typename T> class Kept {
public:
    explicit Kept(T& kept) : record(kept), value(std::move(kept)) {}
    ~Kept() { record = std::move(value); }
    Kept(const Kept&) = delete;
    Kept& operator=(const Kept&) = delete;

private:
    T& record;
    T value;
};

// Every record that start-up, the input, the view steps and the frame write.
// The random sequence is put back at its start, where every test finds it.
struct SavedState {
    Kept<int32_t> width{screenWidth}, height{screenHeight}, halfW{halfWidth}, halfH{halfHeight};
    Kept<float> aspect{aspectRatio}, scale{pixelsPerPoint};
    Kept<PictureArea> area{picture};
    Kept<bool> boxed{letterboxed};
    Kept<bool> saver{screensaverRun};
    Kept<int32_t> tour{tourFrame};
    Kept<TimeOfDay> clock{clockReading};
    Kept<bool> twelve{twelveHourClock}, drift{drifting};
    Kept<int32_t> from{nightFrom}, to{nightTo}, drifted{driftFrame};
    Kept<int32_t> x{mouseX}, y{mouseY}, idle{idleFrames}, mode{viewMode};
    Kept<bool> left{leftButtonDown}, right{rightButtonDown}, iconified{minimised},
        whole{fullscreen};
    Kept<Camera> view{camera};
    Kept<Vec3> eye{orbitEye}, target{orbitTarget};
    Kept<float> zoom{zoomSpeed}, dot{dotLevel};
    Kept<int32_t> count{chainCount};
    Kept<std::vector<std::unique_ptr<LabelChain>>> bundle{chains};
    ~SavedState() { resetRandom(); }
};

// A test free to change any of the records: they are as before once it ends.
class RestoringTest : public ::testing::Test {
protected:
    SavedState saved;
};

// An environment variable set, or unset for a null value, while the object lives.
class ScopedEnv {
public:
    ScopedEnv(const char* variable, const char* value)
        : name(variable), had(std::getenv(variable) != nullptr),
          old(had ? std::getenv(variable) : "") {
        value != nullptr ? setenv(variable, value, 1) : unsetenv(variable);
    }
    ~ScopedEnv() { had ? setenv(name.c_str(), old.c_str(), 1) : unsetenv(name.c_str()); }

private:
    std::string name;
    bool had;
    std::string old;
};
