// Windows' side of kronvale.scr: the windows it draws in and covers the other
// monitors with, and watching a preview's host.
#include "platform/windowsScreensaver.h"
#include "records/names.h"

#include <SDL.h>
#include <vector>
#include <windows.h>

namespace {

HWND previewHost = nullptr;
void (*coverInput)(const SDL_Event&) = nullptr;

// The preview's host is another program's window and may go at any moment;
// SDL cannot see that, so a thread timer looks and asks the program to quit.
void CALLBACK checkPreviewHost(HWND, UINT, UINT_PTR, DWORD) {
    if (!IsWindow(previewHost)) {
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
    }
}

// The other monitors' covers: no picture, since one split across a seam is
// worse than none, but input there is judged all the same.
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
    if (coverInput != nullptr) {
        coverInput(event);
    }
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
    return CreateWindowExA(extended, className, windowCaption, style, area.left, area.top,
                           area.right - area.left, area.bottom - area.top, parent, nullptr,
                           windowClass.hInstance, nullptr);
}

BOOL CALLBACK addMonitor(HMONITOR, HDC, LPRECT area, LPARAM monitors) {
    reinterpret_cast<std::vector<RECT>*>(monitors)->push_back(*area);
    return TRUE;
}

uint64_t handleOf(HWND window, int32_t& width, int32_t& height) {
    RECT area;
    if (window == nullptr || !GetClientRect(window, &area)) {
        return 0;
    }
    width = area.right - area.left;
    height = area.bottom - area.top;
    return reinterpret_cast<uintptr_t>(window);
}

} // namespace

uint64_t openShowingWindows(void (*judgeInput)(const SDL_Event&), int32_t& width, int32_t& height) {
    coverInput = judgeInput;
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
    HWND screen = createWindow("KronvaleScreen", DefWindowProcA, nullptr, primary.rcMonitor);
    if (screen != nullptr) {
        SetForegroundWindow(screen);
    }
    return handleOf(screen, width, height);
}

uint64_t openPreviewWindow(uint64_t host, int32_t& width, int32_t& height) {
    previewHost = reinterpret_cast<HWND>(static_cast<uintptr_t>(host));
    RECT area;
    if (!IsWindow(previewHost) || !GetClientRect(previewHost, &area)) {
        return 0;
    }
    HWND preview = createWindow("KronvalePreview", DefWindowProcA, previewHost, area);
    if (preview != nullptr) {
        SetTimer(nullptr, 0, 100, checkPreviewHost);
    }
    return handleOf(preview, width, height);
}
