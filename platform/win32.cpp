// Windows side of the platform seam.
#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>
#include <windows.h>

void showMessageBox(const char* title, const char* text) {
    // Written first, so that the line is there even while the box waits.
    std::fprintf(stderr, "%s\n", text);
    std::fflush(stderr);
    MessageBoxA(nullptr, text, title, MB_OK);
}

void hidePointer() {
    ShowCursor(FALSE);
}

void setEnvironmentDefault(const char* name, const char* value) {
    if (std::getenv(name) == nullptr) {
        _putenv_s(name, value);
    }
}

void setEnvironment(const char* name, const char* value) {
    _putenv_s(name, value);
}

void unsetEnvironment(const char* name) {
    // An empty value removes the variable.
    _putenv_s(name, "");
}

void openStandardStreams() {
    // A windowed program has no standard streams to fill; SDL's main library
    // gives it its own.
}

bool monitorSize(int, int32_t&, int32_t&) {
    // SDL reports the primary monitor's size itself.
    return false;
}

void publishWindowIcon(const unsigned char*, int) {
    // SDL hands Windows the icon itself.
}

bool drawableSize(int32_t&, int32_t&) {
    // Classic SDL draws at the window's own size.
    return false;
}

void growToFullscreen(int32_t, int32_t) {
    // Windows sizes a full-screen window itself.
}

void noteFramePresented() {
    // Windows tells of nothing but minimising, which SDL reports.
}

bool framesUnasked() {
    return false;
}

void awaitFrameRequest(int32_t) {}

void watchDisplayConnection(void (*)(const char*)) {
    // A Windows desktop does not go away under its programs.
}

const char* lostDisplay() {
    return nullptr;
}

void followForeignWindow() {
    // A preview's host window keeps its size.
}
