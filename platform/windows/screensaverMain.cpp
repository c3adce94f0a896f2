// kronvale.scr: Kronvale with the command line Windows gives a screensaver,
// turned into the program's own before handing over to it.
#include "app/app.h"
#include "platform/platform.h"
#include "platform/windows/screensaver.h"

#include <SDL.h>
#include <cstdio>
#include <string>
#include <vector>
#include <windows.h>

namespace {

HWND previewHost = nullptr;

// The preview's host is another program's window and may go at any moment;
// SDL cannot see that, so a thread timer looks and asks the program to quit.
void CALLBACK checkPreviewHost(HWND, UINT, UINT_PTR, DWORD) {
    if (!IsWindow(previewHost)) {
        requestQuit();
    }
}

// The other monitors' covers: no picture, since one split across a seam is
// worse than none, but input there ends the screensaver all the same.
LRESULT CALLBACK coverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    SDL_Event event{};
    switch (message) {
    case WM_MOUSEMOVE:
        event.type = SDL_MOUSEMOTION;
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        event.type = SDL_MOUSEBUTTONDOWN;
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        event.type = SDL_KEYDOWN;
        break;
    case WM_SETCURSOR:
        SetCursor(nullptr);
        return TRUE;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
    judgeOutsideInput(event);
    return 0;
}

// A window of this process, as SDL needs one to draw in: a child covering the
// preview's host, or a topmost popup covering a monitor.
HWND createWindow(const char* className, WNDPROC procedure, HWND parent, const RECT& area) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
    const DWORD style = parent != nullptr
                            ? WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN
                            : WS_POPUP | WS_VISIBLE;
    const DWORD extended = parent != nullptr ? 0 : WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    return CreateWindowExA(extended, className, "Kronvale", style, area.left, area.top,
                           area.right - area.left, area.bottom - area.top, parent, nullptr,
                           windowClass.hInstance, nullptr);
}

BOOL CALLBACK addMonitor(HMONITOR, HDC, LPRECT area, LPARAM monitors) {
    reinterpret_cast<std::vector<RECT>*>(monitors)->push_back(*area);
    return TRUE;
}

// Every monitor covered: the primary one by the window SDL will draw in,
// returned; every other by a black cover of its own.
HWND coverMonitors() {
    std::vector<RECT> monitors;
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&monitors));
    const POINT origin{0, 0};
    MONITORINFO primary{};
    primary.cbSize = sizeof primary;
    GetMonitorInfoA(MonitorFromPoint(origin, MONITOR_DEFAULTTOPRIMARY), &primary);
    for (const RECT& area : monitors) {
        if (!EqualRect(&area, &primary.rcMonitor)) {
            createWindow("KronvaleCover", coverProc, nullptr, area);
        }
    }
    return createWindow("KronvaleScreen", DefWindowProcA, nullptr, primary.rcMonitor);
}

PointerPosition systemPointer() {
    POINT where{0, 0};
    GetCursorPos(&where);
    return PointerPosition{where.x, where.y};
}

// SDL draws into the given window, and the run is a screensaver's: the eye
// tours by itself and SDL holds off no screensaver, this one least of all.
void drawInto(HWND window) {
    const std::string id = std::to_string(reinterpret_cast<uintptr_t>(window));
    _putenv_s("SDL_WINDOWID", id.c_str());
    _putenv_s(screensaverVariable, "1");
    _putenv_s("SDL_VIDEO_ALLOW_SCREENSAVER", "1");
}

// Video started here, so that the filter is in place before the first event;
// the program's own start-up then finds it started. If it fails here, it fails
// there again and says so as the program always does.
void startVideoWithFilter(ScreensaverAction action) {
    if (SDL_Init(SDL_INIT_VIDEO) == 0) {
        installScreensaverInputFilter(action, systemPointer);
    }
}

[[noreturn]] void runWith(const char* program, int width, int height) {
    static std::string widthText, heightText;
    widthText = std::to_string(width);
    heightText = std::to_string(height);
    static char* argv[5];
    argv[0] = const_cast<char*>(program);
    argv[1] = const_cast<char*>("window");
    argv[2] = const_cast<char*>(widthText.c_str());
    argv[3] = const_cast<char*>(heightText.c_str());
    argv[4] = nullptr;
    runKronvale(4, argv);
}

} // namespace

int main(int argc, char* argv[]) {
    const ScreensaverRequest request = parseScreensaverCommandLine(argc, argv);
    switch (request.action) {
    case ScreensaverAction::Configure:
        showMessageBox(screensaverTitle, screensaverNothingToSet);
        return 0;
    case ScreensaverAction::Unknown:
        showMessageBox(screensaverTitle, screensaverUsage);
        return 1;
    case ScreensaverAction::Show: {
        // Windows of its own rather than a full-screen mode: no mode change,
        // nothing that confines or moves the pointer, and every monitor covered.
        HWND screen = coverMonitors();
        RECT area;
        if (screen == nullptr || !GetClientRect(screen, &area)) {
            std::fprintf(stderr, "No window for the screensaver: error %lu\n", GetLastError());
            return 1;
        }
        SetForegroundWindow(screen);
        drawInto(screen);
        startVideoWithFilter(request.action);
        runWith(argv[0], area.right - area.left, area.bottom - area.top);
    }
    case ScreensaverAction::Preview: {
        previewHost = reinterpret_cast<HWND>(static_cast<uintptr_t>(request.window));
        RECT area;
        if (!IsWindow(previewHost) || !GetClientRect(previewHost, &area)) {
            std::fprintf(stderr, "No window %llu to show the preview in\n",
                         static_cast<unsigned long long>(request.window));
            return 1;
        }
        HWND preview = createWindow("KronvalePreview", DefWindowProcA, previewHost, area);
        if (preview == nullptr) {
            std::fprintf(stderr, "No window for the preview: error %lu\n", GetLastError());
            return 1;
        }
        drawInto(preview);
        SetTimer(nullptr, 0, 100, checkPreviewHost);
        startVideoWithFilter(request.action);
        runWith(argv[0], area.right - area.left, area.bottom - area.top);
    }
    }
    return 1;
}
