// Windows side of the platform seam.
#include "platform/platform.h"

#include <windows.h>

ClockReading readLocalTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return ClockReading{now.wHour, now.wMinute, now.wSecond};
}

void showMessageBox(const char* title, const char* text) {
    MessageBoxA(nullptr, text, title, MB_OK);
}

void hidePointer() {
    ShowCursor(FALSE);
}
