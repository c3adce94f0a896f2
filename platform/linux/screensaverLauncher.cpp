// kronvale-screensaver: runs Kronvale inside a window it is given, the way
// XScreenSaver hands a display mode its window.
//
//   kronvale-screensaver [-window-id ID | --window-id ID | -root | --root]
//
// The window comes from -window-id, else from XSCREENSAVER_WINDOW, else with
// -root it is the root window; without any, Kronvale simply opens a window of
// its own. Kronvale replaces this process, so the signals that stop a
// screensaver reach it directly and nothing is left behind.
#include <X11/Xlib.h>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

const char* const name = "kronvale-screensaver";

bool badWindow = false;

int noteError(Display*, XErrorEvent* error) {
    badWindow = error->error_code == BadWindow || error->error_code == BadDrawable;
    return 0;
}

bool parseWindowId(const char* text, Window* id) {
    if (text == nullptr || *text == '\0') {
        return false;
    }
    errno = 0;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 0);
    if (errno != 0 || *end != '\0' || value == 0 || value > 0xFFFFFFFFull || text[0] == '-') {
        return false;
    }
    *id = static_cast<Window>(value);
    return true;
}

// Kronvale as installed beside this launcher, or else from the PATH.
std::string kronvalePath() {
    char self[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length > 0) {
        self[length] = '\0';
        std::string beside(self);
        beside = beside.substr(0, beside.rfind('/') + 1) + "kronvale";
        if (access(beside.c_str(), X_OK) == 0) {
            return beside;
        }
    }
    return "kronvale";
}

[[noreturn]] void runKronvale(const char* width, const char* height) {
    // A screensaver's run (the program's KRONVALE_SCREENSAVER): the eye tours
    // on its own, and the screensaver that started it is never held off.
    setenv("KRONVALE_SCREENSAVER", "1", 1);
    setenv("SDL_VIDEO_ALLOW_SCREENSAVER", "1", 1);
    const std::string program = kronvalePath();
    const char* argv[] = {"kronvale", "window", width, height, nullptr};
    if (width == nullptr) {
        argv[2] = nullptr;
    }
    execvp(program.c_str(), const_cast<char* const*>(argv));
    std::fprintf(stderr, "%s: cannot run %s: %s\n", name, program.c_str(), std::strerror(errno));
    std::exit(127);
}

} // namespace

int main(int argc, char* argv[]) {
    const char* given = nullptr;
    bool root = false;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "-window-id") == 0 || std::strcmp(arg, "--window-id") == 0) {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "%s: %s needs a window id\n", name, arg);
                return 2;
            }
            given = argv[++i];
        } else if (std::strncmp(arg, "-window-id=", 11) == 0) {
            given = arg + 11;
        } else if (std::strncmp(arg, "--window-id=", 12) == 0) {
            given = arg + 12;
        } else if (std::strcmp(arg, "-root") == 0 || std::strcmp(arg, "--root") == 0) {
            root = true;
        }
        // Anything else a screensaver passes along is of no use here.
    }
    // The screensaver's own window beats the root window it may also ask for.
    if (given == nullptr) {
        const char* fromScreensaver = std::getenv("XSCREENSAVER_WINDOW");
        if (fromScreensaver != nullptr && *fromScreensaver != '\0') {
            given = fromScreensaver;
        }
    }
    if (given == nullptr && !root) {
        runKronvale(nullptr, nullptr);
    }

    Window window = 0;
    if (given != nullptr && !parseWindowId(given, &window)) {
        std::fprintf(stderr, "%s: not a window id: %s\n", name, given);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "%s: cannot open the X display\n", name);
        return 1;
    }
    if (given == nullptr) {
        window = DefaultRootWindow(display);
    }
    XSetErrorHandler(noteError);
    XWindowAttributes attributes{};
    const Status found = XGetWindowAttributes(display, window, &attributes);
    XSync(display, False);
    if (found == 0 || badWindow || attributes.width <= 0 || attributes.height <= 0) {
        std::fprintf(stderr, "%s: no such window: 0x%lx\n", name,
                     static_cast<unsigned long>(window));
        XCloseDisplay(display);
        return 1;
    }
    XCloseDisplay(display);

    // SDL draws into an existing window named by SDL_WINDOWID; the SDL 2 under
    // the compatibility layer also needs to be told that window takes OpenGL.
    const std::string id = std::to_string(static_cast<unsigned long>(window));
    setenv("SDL_WINDOWID", id.c_str(), 1);
    setenv("SDL_VIDEO_FOREIGN_WINDOW_OPENGL", "1", 1);
    const std::string width = std::to_string(attributes.width);
    const std::string height = std::to_string(attributes.height);
    runKronvale(width.c_str(), height.c_str());
}
