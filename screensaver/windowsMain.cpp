// kronvale.scr: Kronvale with the command line Windows gives a screensaver,
// turned into the program's own before handing over to it: on every monitor
// a Kronvale of its own, in a preview window, or the settings it keeps.
#include "app/kronvale.h"
#include "camera/tour.h"
#include "platform/platform.h"
#include "platform/windowsScreensaver.h"
#include "records/names.h"
#include "screensaver/screensaver.h"

#include <SDL.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// SDL draws into the given window, and the run is a screensaver's: the eye
// tours by itself and SDL holds off no screensaver, this one least of all.
void drawInto(uint64_t window) {
    setEnvironment(foreignWindowVariable, std::to_string(window).c_str());
    setEnvironment(screensaverVariable, "1");
    setEnvironment(blankingVariable, "1");
}

ScreensaverAction running = ScreensaverAction::Show;

// In place as soon as video has started, before the first event.
void filterInput() {
    installScreensaverInputFilter(running);
}

// The settings kept for the user, as their options, and what stands in the
// way of reading them; a value that cannot be read is ignored as a whole.
std::vector<std::string> keptOptions(Options& options, std::string& note) {
    std::string text;
    std::vector<std::string> words;
    options = Options{false, false, 0, 0, nullptr};
    switch (readKeptSettings(text)) {
    case KeptSettings::None:
        break;
    case KeptSettings::Unreadable:
        note = screensaverUnreadableSettings;
        break;
    case KeptSettings::Text:
        if (!parseKeptSettings(text, words, options)) {
            std::vector<char> line(std::strlen(screensaverIgnoredSettings) + text.size());
            std::snprintf(line.data(), line.size(), screensaverIgnoredSettings, text.c_str());
            note = line.data();
        }
        break;
    }
    return words;
}

// Kronvale in the window given, at its size, with the options kept.
[[noreturn]] void runIn(const char* program, uint64_t window, int32_t width, int32_t height) {
    drawInto(window);
    onVideoStarted = filterInput;
    Options options;
    std::string note;
    static std::vector<std::string> words;
    words = keptOptions(options, note);
    words.insert(words.begin(), {program, "window", std::to_string(width), std::to_string(height)});
    static std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(&word[0]);
    }
    argv.push_back(nullptr);
    runKronvale(static_cast<int>(argv.size()) - 1, argv.data());
}

// The settings dialog, its choices kept once OK is pressed.
int configure(uint64_t parent) {
    Options options;
    std::string note;
    keptOptions(options, note);
    ScreensaverSettings settings{options.twelveHour, options.drift,
                                 options.nightFrom != options.nightTo, options.nightFrom,
                                 options.nightTo};
    if (!settings.night) {
        settings.nightFrom = 22;
        settings.nightTo = 7;
    }
    if (!editSettings(settings, note.c_str(), parent)) {
        return 0;
    }
    const std::string text = keptSettingsText(settings.twelveHour, settings.drift,
                                              settings.night ? settings.nightFrom : 0,
                                              settings.night ? settings.nightTo : 0);
    if (!keepSettings(text)) {
        showMessageBox(screensaverTitle, screensaverSettingsNotKept);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const ScreensaverRequest request = parseScreensaverCommandLine(argc, argv);
    int32_t width = 0;
    int32_t height = 0;
    switch (request.action) {
    case ScreensaverAction::Configure:
        return configure(request.window);
    case ScreensaverAction::Unknown:
        showMessageBox(screensaverTitle, screensaverUsage);
        return 1;
    case ScreensaverAction::Show: {
        // Windows of its own rather than a full-screen mode: no mode change,
        // nothing that confines or moves the pointer. One process for each
        // monitor, since SDL gives each one display, its tour at a place of
        // its own.
        const char* monitor = std::getenv(screensaverMonitorVariable);
        const int monitors = countMonitors();
        if (monitor == nullptr && monitors > 1) {
            return runOnEachMonitor(monitors);
        }
        const int index = monitor != nullptr ? std::atoi(monitor) : 0;
        startTourOn(index, monitors > 1 ? monitors : 1);
        const uint64_t screen = openShowingWindow(index, width, height);
        if (screen == 0) {
            std::fprintf(stderr, "No window for the screensaver\n");
            return 1;
        }
        running = request.action;
        runIn(argv[0], screen, width, height);
    }
    case ScreensaverAction::Preview: {
        const uint64_t preview = openPreviewWindow(request.window, width, height);
        if (preview == 0) {
            std::fprintf(stderr, "No window %llu to show the preview in\n",
                         static_cast<unsigned long long>(request.window));
            return 1;
        }
        running = request.action;
        runIn(argv[0], preview, width, height);
    }
    }
    return 1;
}
