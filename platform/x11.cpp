// The X11 desktop's side of the platform seam: a desktop dialog for
// messages, a blank SDL cursor in place of the system pointer, the monitors
// as the X server lays them out, and the window's icon where window managers
// look for it.
#include "platform/platform.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/extensions/Xrandr.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

bool isExecutableFile(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

// Where `name` would be found on the PATH, or empty.
std::string findOnPath(const char* name) {
    const char* path = std::getenv("PATH");
    if (path == nullptr) {
        return std::string();
    }
    std::string entries(path);
    std::size_t start = 0;
    for (;;) {
        std::size_t end = entries.find(':', start);
        std::string dir = entries.substr(start, end == std::string::npos ? end : end - start);
        std::string candidate = (dir.empty() ? std::string(".") : dir) + "/" + name;
        if (isExecutableFile(candidate)) {
            return candidate;
        }
        if (end == std::string::npos) {
            return std::string();
        }
        start = end + 1;
    }
}

// Runs the dialog with its output silenced and waits for it to close.
void runDialog(const std::string& program, char* const argv[]) {
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) {
        return;
    }
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    int failed = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        return;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        // A signal (SIGTERM becomes a quit event) must not orphan the dialog's wait.
    }
}

bool displayReachable() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

} // namespace

void showMessageBox(const char* title, const char* text) {
    std::fprintf(stderr, "%s\n", text);
    std::fflush(stderr);
    if (!displayReachable()) {
        return;
    }
    // The first desktop dialog tool found wins; each shows the title, the text and OK.
    std::string tool = findOnPath("zenity");
    if (!tool.empty()) {
        const char* argv[] = {"zenity", "--error", "--no-markup", "--title",
                              title,    "--text",  text,          nullptr};
        runDialog(tool, const_cast<char* const*>(argv));
        return;
    }
    tool = findOnPath("kdialog");
    if (!tool.empty()) {
        const char* argv[] = {"kdialog", "--title", title, "--error", text, nullptr};
        runDialog(tool, const_cast<char* const*>(argv));
        return;
    }
    tool = findOnPath("xmessage");
    if (!tool.empty()) {
        const char* argv[] = {"xmessage", "-title",   title, "-center", "-buttons",
                              "OK",       "-default", "OK",  text,      nullptr};
        runDialog(tool, const_cast<char* const*>(argv));
    }
}

void hidePointer() {
    // A fully transparent cursor rather than SDL_ShowCursor(SDL_DISABLE): hiding
    // it while the input is grabbed full-screen makes SDL switch to relative
    // motion, and the positions would no longer be absolute.
    static Uint8 blank[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    SDL_Cursor* cursor = SDL_CreateCursor(blank, blank, 8, 8, 0, 0);
    if (cursor != nullptr) {
        SDL_SetCursor(cursor);
    }
}

bool monitorSize(int index, int32_t& width, int32_t& height) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return false;
    }
    int major = 0;
    int minor = 0;
    int count = 0;
    XRRMonitorInfo* monitors = nullptr;
    if (XRRQueryVersion(display, &major, &minor) && (major > 1 || minor >= 5)) {
        monitors = XRRGetMonitors(display, DefaultRootWindow(display), True, &count);
    }
    const bool found = monitors != nullptr && index >= 0 && index < count;
    if (found) {
        width = monitors[index].width;
        height = monitors[index].height;
    }
    if (monitors != nullptr) {
        XRRFreeMonitors(monitors);
    }
    XCloseDisplay(display);
    return found;
}

void publishWindowIcon(const unsigned char* rgb, int size) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) <= 0 || info.subsystem != SDL_SYSWM_X11 ||
        info.info.x11.display == nullptr) {
        return;
    }
    Display* display = info.info.x11.display;
    // Classic SDL draws into a child of the window the window manager sees.
    const Window window =
        info.info.x11.wmwindow != 0 ? info.info.x11.wmwindow : info.info.x11.window;
    const Atom icon = XInternAtom(display, "_NET_WM_ICON", False);
    Atom type = 0;
    int format = 0;
    unsigned long items = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, icon, 0, 2, False, XA_CARDINAL, &type, &format, &items,
                           &left, &data) == Success &&
        data != nullptr) {
        XFree(data);
        if (items > 0) {
            return; // SDL put it there itself
        }
    }
    // Width, height, then each pixel as opaque ARGB, one long each as X wants it.
    std::vector<unsigned long> property{static_cast<unsigned long>(size),
                                        static_cast<unsigned long>(size)};
    for (int i = 0; i < size * size; ++i) {
        const unsigned char* p = rgb + 3 * i;
        property.push_back(0xFF000000ul | (static_cast<unsigned long>(p[0]) << 16) |
                           (static_cast<unsigned long>(p[1]) << 8) | p[2]);
    }
    XChangeProperty(display, window, icon, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(property.data()),
                    static_cast<int>(property.size()));
    XFlush(display);
}
