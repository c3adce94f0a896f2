// Windows' side of kronvale.scr: the monitors and the windows it draws in, a
// process for each monitor, watching a preview's host, and the settings kept
// in the registry with the dialog that edits them.
#include "platform/windowsScreensaver.h"
#include "platform/windows/settingsDialog.h"
#include "records/names.h"

#include <SDL.h>
#include <algorithm>
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
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
    }
}

// A window of this process, as SDL needs one to draw in: a child covering the
// preview's host, or a topmost popup covering a monitor.
HWND createWindow(const char* className, HWND parent, const RECT& area) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = DefWindowProcA;
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

BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM monitors) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info)) {
        auto* list = reinterpret_cast<std::vector<MONITORINFO>*>(monitors);
        // The primary one first, the others in Windows' order.
        list->insert((info.dwFlags & MONITORINFOF_PRIMARY) != 0 ? list->begin() : list->end(),
                     info);
    }
    return TRUE;
}

std::vector<MONITORINFO> monitors() {
    std::vector<MONITORINFO> list;
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&list));
    return list;
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

// Asks each window of these processes to close, as the user closing it would.
struct Closing {
    const std::vector<DWORD>* processes;
};

BOOL CALLBACK askToClose(HWND window, LPARAM closing) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    const auto& processes = *reinterpret_cast<Closing*>(closing)->processes;
    if (std::find(processes.begin(), processes.end(), process) != processes.end()) {
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    return TRUE;
}

const char* const keptKey = "Software\\Kronvale";
const char* const keptValue = "Options";

struct DialogState {
    ScreensaverSettings* settings;
    const char* note;
};

void enableHours(HWND dialog) {
    const BOOL night = IsDlgButtonChecked(dialog, KRONVALE_NIGHT) == BST_CHECKED;
    EnableWindow(GetDlgItem(dialog, KRONVALE_NIGHT_FROM), night);
    EnableWindow(GetDlgItem(dialog, KRONVALE_NIGHT_TO), night);
}

INT_PTR CALLBACK settingsProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        state = reinterpret_cast<DialogState*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        const ScreensaverSettings& settings = *state->settings;
        CheckDlgButton(dialog, KRONVALE_TWELVE_HOUR, settings.twelveHour ? BST_CHECKED : 0);
        CheckDlgButton(dialog, KRONVALE_DRIFT, settings.drift ? BST_CHECKED : 0);
        CheckDlgButton(dialog, KRONVALE_NIGHT, settings.night ? BST_CHECKED : 0);
        for (int hour = 0; hour < 24; ++hour) {
            char text[8];
            std::snprintf(text, sizeof text, "%d:00", hour);
            for (int box : {KRONVALE_NIGHT_FROM, KRONVALE_NIGHT_TO}) {
                SendDlgItemMessageA(dialog, box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
            }
        }
        SendDlgItemMessageA(dialog, KRONVALE_NIGHT_FROM, CB_SETCURSEL, settings.nightFrom, 0);
        SendDlgItemMessageA(dialog, KRONVALE_NIGHT_TO, CB_SETCURSEL, settings.nightTo, 0);
        SetDlgItemTextA(dialog, KRONVALE_NOTE, state->note);
        enableHours(dialog);
        return TRUE;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case KRONVALE_NIGHT:
            enableHours(dialog);
            return TRUE;
        case IDOK: {
            ScreensaverSettings& settings = *state->settings;
            settings.twelveHour = IsDlgButtonChecked(dialog, KRONVALE_TWELVE_HOUR) == BST_CHECKED;
            settings.drift = IsDlgButtonChecked(dialog, KRONVALE_DRIFT) == BST_CHECKED;
            settings.night = IsDlgButtonChecked(dialog, KRONVALE_NIGHT) == BST_CHECKED;
            settings.nightFrom = static_cast<int32_t>(
                SendDlgItemMessageA(dialog, KRONVALE_NIGHT_FROM, CB_GETCURSEL, 0, 0));
            settings.nightTo = static_cast<int32_t>(
                SendDlgItemMessageA(dialog, KRONVALE_NIGHT_TO, CB_GETCURSEL, 0, 0));
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            break;
        }
        break;
    default:
        break;
    }
    return FALSE;
}

} // namespace

int countMonitors() {
    return static_cast<int>(monitors().size());
}

uint64_t openShowingWindow(int index, int32_t& width, int32_t& height) {
    const std::vector<MONITORINFO> list = monitors();
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (index >= 0 && index < static_cast<int>(list.size())) {
        area = list[index].rcMonitor;
    }
    HWND screen = createWindow("KronvaleScreen", nullptr, area);
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
    HWND preview = createWindow("KronvalePreview", previewHost, area);
    if (preview != nullptr) {
        SetTimer(nullptr, 0, 100, checkPreviewHost);
    }
    return handleOf(preview, width, height);
}

int runOnEachMonitor(int count) {
    // In a job that ends its processes once this one ends, however it ends.
    HANDLE job = CreateJobObjectA(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::vector<HANDLE> running;
    std::vector<DWORD> ids;
    for (int index = 0; index < count; ++index) {
        SetEnvironmentVariableA(screensaverMonitorVariable, std::to_string(index).c_str());
        std::string line = std::string("\"") + path + "\" /s";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (CreateProcessA(path, &line[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                           nullptr, &startup, &process)) {
            AssignProcessToJobObject(job, process.hProcess);
            ResumeThread(process.hThread);
            CloseHandle(process.hThread);
            running.push_back(process.hProcess);
            ids.push_back(process.dwProcessId);
        }
    }
    SetEnvironmentVariableA(screensaverMonitorVariable, nullptr);
    DWORD failed = 0;
    while (!running.empty()) {
        const DWORD woken = WaitForMultipleObjects(static_cast<DWORD>(running.size()),
                                                   running.data(), FALSE, INFINITE);
        const DWORD which = woken - WAIT_OBJECT_0;
        if (which >= running.size()) {
            break;
        }
        DWORD status = 1;
        GetExitCodeProcess(running[which], &status);
        CloseHandle(running[which]);
        running.erase(running.begin() + which);
        ids.erase(ids.begin() + which);
        if (status == 0) {
            // The others close as their windows would, and are made to soon after.
            Closing closing{&ids};
            EnumWindows(askToClose, reinterpret_cast<LPARAM>(&closing));
            if (!running.empty()) {
                WaitForMultipleObjects(static_cast<DWORD>(running.size()), running.data(), TRUE,
                                       5000);
            }
            TerminateJobObject(job, 0);
            return 0;
        }
        if (failed == 0) {
            failed = status;
        }
    }
    return static_cast<int>(failed);
}

KeptSettings readKeptSettings(std::string& text) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keptKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return KeptSettings::None;
    }
    DWORD type = 0;
    DWORD size = 0;
    LONG found = RegQueryValueExA(key, keptValue, nullptr, &type, nullptr, &size);
    KeptSettings kept = found == ERROR_SUCCESS ? KeptSettings::Unreadable : KeptSettings::None;
    if (found == ERROR_SUCCESS && type == REG_SZ) {
        std::vector<char> value(size + 1, '\0');
        if (RegQueryValueExA(key, keptValue, nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                             &size) == ERROR_SUCCESS) {
            text = value.data();
            kept = KeptSettings::Text;
        }
    }
    RegCloseKey(key);
    return kept;
}

bool keepSettings(const std::string& text) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, keptKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const bool written =
        RegSetValueExA(key, keptValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
    RegCloseKey(key);
    return written;
}

bool editSettings(ScreensaverSettings& settings, const char* note, uint64_t parent) {
    DialogState state{&settings, note};
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(KRONVALE_SETTINGS_DIALOG),
                           reinterpret_cast<HWND>(static_cast<uintptr_t>(parent)),
                           settingsProcedure, reinterpret_cast<LPARAM>(&state)) == IDOK;
}
