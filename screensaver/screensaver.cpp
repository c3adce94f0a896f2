// The screensavers' command lines and their input filter.
#include "screensaver/screensaver.h"

#include "app/kronvale.h"
#include "platform/platform.h"
#include "records/names.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sstream>

const char* const screensaverTitle = windowCaption;
const char* const screensaverUsage =
    "Kronvale as a screensaver takes /s (show it full-screen on every monitor), /p HWND or "
    "/p:HWND (show it inside that window) or /c (its settings), in upper or lower case, with / or "
    "-.";
const char* const screensaverUnreadableSettings =
    "The settings kept were not text, and are ignored.";
const char* const screensaverIgnoredSettings =
    "The settings kept, '%s', are not Kronvale's options, and are ignored.";
const char* const screensaverSettingsNotKept = "The settings could not be kept in the registry.";

namespace {

// A window handle as Windows writes it on a screensaver's command line: decimal.
bool parseWindow(const char* text, uint64_t& window) {
    if (text == nullptr || *text == '\0' || std::strlen(text) > 20) {
        return false;
    }
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p < '0' || *p > '9') {
            return false;
        }
    }
    char* end = nullptr;
    errno = 0;
    window = std::strtoull(text, &end, 10);
    return *end == '\0' && errno != ERANGE && window != 0;
}

} // namespace

bool parseKeptSettings(const std::string& text, std::vector<std::string>& words, Options& options) {
    words.clear();
    std::istringstream split(text);
    for (std::string word; split >> word;) {
        words.push_back(word);
    }
    std::vector<const char*> line{"kronvale.scr"};
    for (const std::string& word : words) {
        line.push_back(word.c_str());
    }
    std::vector<const char*> rest;
    options = takeOptions(static_cast<int>(line.size()), line.data(), rest);
    // The program's name and the null at the end: nothing but options.
    if (options.badNight != nullptr || rest.size() != 2) {
        words.clear();
        options = Options{false, false, 0, 0, nullptr};
        return false;
    }
    return true;
}

std::string keptSettingsText(bool twelveHour, bool drift, int32_t nightFrom, int32_t nightTo) {
    std::string text;
    if (twelveHour) {
        text += " --12-hour";
    }
    if (drift) {
        text += " --drift";
    }
    if (nightFrom != nightTo) {
        text += " --night " + std::to_string(nightFrom) + "-" + std::to_string(nightTo);
    }
    return text.empty() ? text : text.substr(1);
}

LauncherRequest parseLauncherCommandLine(int argc, const char* const argv[]) {
    LauncherRequest request{nullptr, false, false, nullptr};
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "-window-id") == 0 || std::strcmp(arg, "--window-id") == 0) {
            if (i + 1 >= argc) {
                request.lacking = arg;
                return request;
            }
            request.window = argv[++i];
        } else if (std::strncmp(arg, "-window-id=", 11) == 0) {
            request.window = arg + 11;
        } else if (std::strncmp(arg, "--window-id=", 12) == 0) {
            request.window = arg + 12;
        } else if (std::strcmp(arg, "-root") == 0 || std::strcmp(arg, "--root") == 0) {
            request.root = true;
        } else if (std::strcmp(arg, "-fullscreen") == 0 || std::strcmp(arg, "--fullscreen") == 0) {
            request.fullscreen = true;
        }
    }
    return request;
}

bool parseWindowId(const char* text, uint64_t& id) {
    if (text == nullptr || *text == '\0') {
        return false;
    }
    errno = 0;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 0);
    if (errno != 0 || *end != '\0' || value == 0 || value > 0xFFFFFFFFull || text[0] == '-') {
        return false;
    }
    id = value;
    return true;
}

ScreensaverRequest parseScreensaverCommandLine(int argc, const char* const argv[]) {
    const ScreensaverRequest unknown{ScreensaverAction::Unknown, 0};
    if (argc < 2) {
        return ScreensaverRequest{ScreensaverAction::Configure, 0};
    }
    const char* word = argv[1];
    if ((word[0] != '/' && word[0] != '-') || word[1] == '\0') {
        return unknown;
    }
    ScreensaverAction action;
    switch (std::tolower(static_cast<unsigned char>(word[1]))) {
    case 'c':
        action = ScreensaverAction::Configure;
        break;
    case 's':
        action = ScreensaverAction::Show;
        break;
    case 'p':
        action = ScreensaverAction::Preview;
        break;
    default:
        return unknown;
    }
    // The window follows after a colon or as the next argument.
    const char* windowText = nullptr;
    if (word[2] == ':') {
        windowText = word + 3;
        if (argc > 2) {
            return unknown;
        }
    } else if (word[2] != '\0' || argc > 3) {
        return unknown;
    } else if (argc == 3) {
        windowText = argv[2];
    }
    uint64_t window = 0;
    if (windowText != nullptr && !parseWindow(windowText, window)) {
        return unknown;
    }
    // A preview needs its window; showing takes none; settings may name their parent.
    if ((action == ScreensaverAction::Preview && windowText == nullptr) ||
        (action == ScreensaverAction::Show && windowText != nullptr)) {
        return unknown;
    }
    return ScreensaverRequest{action, window};
}

ScreensaverInput ScreensaverInputFilter::judge(const SDL_Event& event) {
    const bool showing = action_ == ScreensaverAction::Show;
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_MOUSEBUTTONDOWN:
        return showing ? ScreensaverInput::Dismiss : ScreensaverInput::Drop;
    case SDL_KEYUP:
    case SDL_MOUSEBUTTONUP:
        return ScreensaverInput::Drop;
    case SDL_MOUSEMOTION: {
        const PointerPosition now =
            pointer_ != nullptr ? pointer_() : PointerPosition{event.motion.x, event.motion.y};
        if (!placed_) {
            start_ = now;
            placed_ = true;
        }
        const bool away = std::abs(now.x - start_.x) > screensaverPointerSlack ||
                          std::abs(now.y - start_.y) > screensaverPointerSlack;
        return showing && away ? ScreensaverInput::Dismiss : ScreensaverInput::Drop;
    }
    default:
        return ScreensaverInput::Pass;
    }
}

namespace {

PointerPosition nowhere() {
    return PointerPosition{0, 0};
}

ScreensaverInputFilter activeFilter{ScreensaverAction::Show, nowhere};

int SDLCALL filterEvent(const SDL_Event* event) {
    switch (activeFilter.judge(*event)) {
    case ScreensaverInput::Pass:
        return 1;
    case ScreensaverInput::Dismiss:
        requestQuit();
        return 0;
    case ScreensaverInput::Drop:
    default:
        return 0;
    }
}

} // namespace

void requestQuit() {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
}

void installScreensaverInputFilter(ScreensaverAction action) {
    PointerPosition where{0, 0};
    const bool told = systemPointer(where.x, where.y);
    installScreensaverInputFilter(action, told ? [] {
        PointerPosition now{0, 0};
        systemPointer(now.x, now.y);
        return now;
    } : PointerReader{nullptr});
}

void installScreensaverInputFilter(ScreensaverAction action, PointerReader pointer) {
    activeFilter = ScreensaverInputFilter(action, pointer);
    SDL_SetEventFilter(filterEvent);
}
