// Windows' side of the Windows tests, run under Wine:
//   host WIDTH HEIGHT   a top-level window whose client area has that size,
//                       standing in for the screensaver settings' preview;
//                       prints its handle in decimal, as Windows passes it to
//                       /p, and lives until the window is closed
//   box TITLE           waits up to ten seconds for a message box with that
//                       title and prints its text (status 1 if none came)
//   ticks TITLE         prints the check boxes of that window, 1 for each
//                       ticked and 0 for each not, in their order
//   monitors            prints how many monitors Windows sees
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <windows.h>

namespace {

LRESULT CALLBACK hostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int host(int width, int height) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = hostProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = "KronvalePreviewHost";
    RegisterClassA(&windowClass);
    RECT area{0, 0, width, height};
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    AdjustWindowRect(&area, style, FALSE);
    HWND window = CreateWindowA(windowClass.lpszClassName, "Preview host", style, 100, 100,
                                area.right - area.left, area.bottom - area.top, nullptr, nullptr,
                                windowClass.hInstance, nullptr);
    if (window == nullptr) {
        std::fprintf(stderr, "host: no window: error %lu\n", GetLastError());
        return 1;
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    std::printf("%llu\n", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(window)));
    std::fflush(stdout);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

// The box's text is the one static control that holds any.
BOOL CALLBACK findText(HWND child, LPARAM found) {
    char name[32] = "";
    GetClassNameA(child, name, sizeof name);
    char text[1024] = "";
    GetWindowTextA(child, text, sizeof text);
    if (_stricmp(name, "Static") == 0 && text[0] != '\0') {
        *reinterpret_cast<std::string*>(found) = text;
        return FALSE;
    }
    return TRUE;
}

int box(const char* title) {
    for (int attempt = 0; attempt < 200; ++attempt) {
        HWND window = FindWindowA(nullptr, title);
        if (window != nullptr && IsWindowVisible(window)) {
            std::string text;
            EnumChildWindows(window, findText, reinterpret_cast<LPARAM>(&text));
            if (!text.empty()) {
                std::printf("%s\n", text.c_str());
                return 0;
            }
        }
        Sleep(50);
    }
    std::fprintf(stderr, "box: no message box titled %s\n", title);
    return 1;
}

BOOL CALLBACK addTick(HWND child, LPARAM ticks) {
    char name[32] = "";
    GetClassNameA(child, name, sizeof name);
    if (_stricmp(name, "Button") == 0 &&
        (GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
        *reinterpret_cast<std::string*>(ticks) +=
            SendMessageA(child, BM_GETCHECK, 0, 0) == BST_CHECKED ? '1' : '0';
    }
    return TRUE;
}

int ticks(const char* title) {
    HWND window = FindWindowA(nullptr, title);
    std::string ticked;
    EnumChildWindows(window, addTick, reinterpret_cast<LPARAM>(&ticked));
    std::printf("%s\n", ticked.c_str());
    return window != nullptr ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 4 && std::strcmp(argv[1], "host") == 0) {
        return host(std::atoi(argv[2]), std::atoi(argv[3]));
    }
    if (argc == 3 && std::strcmp(argv[1], "box") == 0) {
        return box(argv[2]);
    }
    if (argc == 3 && std::strcmp(argv[1], "ticks") == 0) {
        return ticks(argv[2]);
    }
    if (argc == 2 && std::strcmp(argv[1], "monitors") == 0) {
        std::printf("%d\n", GetSystemMetrics(SM_CMONITORS));
        return 0;
    }
    std::fprintf(stderr, "usage: %s host WIDTH HEIGHT | box TITLE | ticks TITLE | monitors\n",
                 argv[0]);
    return 2;
}
