// kronvale.scr: Kronvale with the command line Windows gives a screensaver,
// turned into the program's own before handing over to it.
#include "app/app.h"
#include "platform/platform.h"
#include "platform/screensaver.h"

#include <SDL.h>
#include <cstdio>
#include <string>
#include <windows.h>

namespace {

HWND previewHost = nullptr;

// The preview's host is another program's window and may go at any moment;
// SDL cannot see that, so a thread timer looks and asks the program to quit.
void CALLBACK checkPreviewHost(HWND, UINT, UINT_PTR, DWORD) {
    if (!IsWindow(previewHost)) {
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
    }
}

// SDL can only draw into a window of this process: a child of the host,
// covering it, is that window, and goes away with it.
HWND createPreviewWindow(HWND host, int width, int height) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "KronvalePreview";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, windowClass.lpszClassName, "",
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, width,
                           height, host, nullptr, windowClass.hInstance, nullptr);
}

PointerPosition systemPointer() {
    POINT where{0, 0};
    GetCursorPos(&where);
    return PointerPosition{where.x, where.y};
}

// Video started here, so that the filter is in place before the first event;
// the program's own start-up then finds it started. If it fails here, it fails
// there again and says so as the program always does.
void startVideoWithFilter(ScreensaverAction action) {
    if (SDL_Init(SDL_INIT_VIDEO) == 0) {
        installScreensaverInputFilter(action, systemPointer);
    }
}

[[noreturn]] void runWith(const char* program, const char* mode, int width, int height) {
    static std::string widthText, heightText;
    widthText = std::to_string(width);
    heightText = std::to_string(height);
    static char* argv[5];
    argv[0] = const_cast<char*>(program);
    argv[1] = const_cast<char*>(mode);
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
    case ScreensaverAction::Show:
        // A size of 0 by 0 is the desktop's.
        startVideoWithFilter(request.action);
        runWith(argv[0], "fullscreen", 0, 0);
    case ScreensaverAction::Preview: {
        previewHost = reinterpret_cast<HWND>(static_cast<uintptr_t>(request.window));
        RECT area;
        if (!IsWindow(previewHost) || !GetClientRect(previewHost, &area)) {
            std::fprintf(stderr, "No window %llu to show the preview in\n",
                         static_cast<unsigned long long>(request.window));
            return 1;
        }
        const int width = area.right - area.left;
        const int height = area.bottom - area.top;
        HWND preview = createPreviewWindow(previewHost, width, height);
        if (preview == nullptr) {
            std::fprintf(stderr, "No window for the preview: error %lu\n", GetLastError());
            return 1;
        }
        const std::string id = std::to_string(reinterpret_cast<uintptr_t>(preview));
        _putenv_s("SDL_WINDOWID", id.c_str());
        SetTimer(nullptr, 0, 100, checkPreviewHost);
        startVideoWithFilter(request.action);
        runWith(argv[0], "window", width, height);
    }
    }
    return 1;
}
