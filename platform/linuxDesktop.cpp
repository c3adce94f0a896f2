// What every Linux desktop shares, X11 or Wayland: a desktop dialog for
// messages, a blank SDL cursor in place of the system pointer, and the
// choice between the two window systems.
#include "platform/linuxWindowSystems.h"
#include "platform/platform.h"
#include "records/names.h"

#include <SDL.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

bool isExecutableFile(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

// Where `name` would be found on the PATH, or empty.
std::string findOnPath(const char* name) {
    const char* path = std::getenv(pathVariable);
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
    const char* x11 = std::getenv(x11DisplayVariable);
    const char* wayland = std::getenv(waylandDisplayVariable);
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

const char* desktopVideoDriver() {
    const char* wayland = std::getenv(waylandDisplayVariable);
    const char* session = std::getenv(sessionTypeVariable);
    const bool onWayland = (wayland != nullptr && *wayland != '\0') ||
                           (session != nullptr && std::strcmp(session, "wayland") == 0);
    return onWayland ? "wayland" : nullptr;
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

void connectWindowSystem(const char* driver, WindowSystem& system) {
    if (std::strcmp(driver, "x11") == 0) {
        connectX11(system);
    } else if (std::strcmp(driver, "wayland") == 0) {
        connectWayland(system);
    }
}
