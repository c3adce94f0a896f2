// Windows side of the platform seam: the message box, the pointer, the
// environment; its window system does nothing SDL does not.
#include "platform/platform.h"
#include "platform/windowSystem.h"

#include <cstdio>
#include <cstdlib>
#include <windows.h>

void showMessageBox(const char* title, const char* text) {
    // Written first, so that the line is there even while the box waits.
    std::fprintf(stderr, "%s\n", text);
    std::fflush(stderr);
    MessageBoxA(nullptr, text, title, MB_OK);
}

const char* desktopVideoDriver() {
    return nullptr;
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

namespace {

bool cursorPosition(int32_t& x, int32_t& y) {
    POINT where{0, 0};
    if (!GetCursorPos(&where)) {
        return false;
    }
    x = where.x;
    y = where.y;
    return true;
}

} // namespace

void connectWindowSystem(const char*, WindowSystem& system) {
    // SDL does the rest Windows asks itself: the monitor's size, the icon, the
    // full-screen window; and Windows tells nothing but minimising, which SDL
    // reports, nor goes away under its programs.
    system.systemPointer = cursorPosition;
}
