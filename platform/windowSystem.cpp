// The window system chosen once video has started, and the calls that go to
// it: callers never ask which it is.
#include "platform/platform.h"
#include "platform/windowSystem.h"

#include <SDL.h>

namespace {

bool noMonitorSize(int, int32_t&, int32_t&) {
    return false;
}
void noIcon(const unsigned char*, int) {}
bool noDrawableSize(int32_t&, int32_t&) {
    return false;
}
void noGrowing(int32_t, int32_t) {}
void nothing() {}
bool noPointer(int32_t&, int32_t&) {
    return false;
}
bool alwaysAsked() {
    return false;
}
void noWait(int32_t) {}
void noWatch(void (*)(const char*)) {}
const char* neverLost() {
    return nullptr;
}

WindowSystem nothingToSay() {
    WindowSystem system{};
    system.monitorSize = noMonitorSize;
    system.publishWindowIcon = noIcon;
    system.drawableSize = noDrawableSize;
    system.growToFullscreen = noGrowing;
    system.followForeignWindow = nothing;
    system.systemPointer = noPointer;
    system.noteFramePresented = nothing;
    system.framesUnasked = alwaysAsked;
    system.awaitFrameRequest = noWait;
    system.watchDisplayConnection = noWatch;
    system.lostDisplay = neverLost;
    return system;
}

const WindowSystem none = nothingToSay();
WindowSystem chosen = none;

} // namespace

void chooseWindowSystem() {
    char driver[32] = "";
    chosen = none;
    if (SDL_VideoDriverName(driver, sizeof driver) != nullptr) {
        connectWindowSystem(driver, chosen);
    }
}

bool monitorSize(int index, int32_t& width, int32_t& height) {
    return chosen.monitorSize(index, width, height);
}

void publishWindowIcon(const unsigned char* rgb, int size) {
    chosen.publishWindowIcon(rgb, size);
}

bool drawableSize(int32_t& width, int32_t& height) {
    return chosen.drawableSize(width, height);
}

void growToFullscreen(int32_t width, int32_t height) {
    chosen.growToFullscreen(width, height);
}

void followForeignWindow() {
    chosen.followForeignWindow();
}

bool systemPointer(int32_t& x, int32_t& y) {
    return chosen.systemPointer(x, y);
}

void noteFramePresented() {
    chosen.noteFramePresented();
}

bool framesUnasked() {
    return chosen.framesUnasked();
}

void awaitFrameRequest(int32_t milliseconds) {
    chosen.awaitFrameRequest(milliseconds);
}

void watchDisplayConnection(void (*lost)(const char* what)) {
    chosen.watchDisplayConnection(lost);
}

const char* lostDisplay() {
    return chosen.lostDisplay();
}
