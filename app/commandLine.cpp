// Reading the command line: display mode and size, or a question about the
// program, and the answers to those.
#include "app/app.h"

#include <cctype>
#include <cstring>

const char* const firstParameterMessage =
    "First parameter was not either lowercase 'fullscreen' or "
    "'window' (no quotes), ignored.";

const char* const nightMessage =
    "kronvale: --night takes FROM-TO, two whole hours of the clock from 0 to 23 "
    "(--night 22-7), not '%s'\n";

const char* const usageText =
    "Usage: kronvale [fullscreen | window] [WIDTH HEIGHT] [OPTION...]\n"
    "       kronvale --help | -h | --version\n"
    "\n"
    "A 3D clock: forty-five swaying chains of the time labels of the last ten\n"
    "seconds, steered with the mouse.\n"
    "\n"
    "  fullscreen      the whole screen (the default)\n"
    "  window          a window captioned \"Kronvale\"\n"
    "  WIDTH HEIGHT    the display's size in the desktop's units (pixels, unless\n"
    "                  it scales), 1024 by 768 unless given;\n"
    "                  read only after a first word; 0 is the desktop's size\n"
    "\n"
    "Options, anywhere on the line:\n"
    "  --12-hour       the labels' hours from 1 to 12 instead of 0 to 23\n"
    "  --drift         the whole picture drifts a few points, slowly, so that\n"
    "                  nothing stays on the same pixels of a screen left on\n"
    "  --night FROM-TO the picture dim between those hours of the clock\n"
    "                  (--night 22-7: from 22:00 to 7:00)\n"
    "\n"
    "Controls:\n"
    "  pointer         Orbit: where the eye stands; Fly: turns and tilts the view\n"
    "  button 1 and 3  Orbit: zoom in and out; Fly: fly forward and back\n"
    "  space           switches between Orbit and Fly\n"
    "  F11             switches between the window and full-screen\n"
    "  Escape          quits\n"
    "\n"
    "Exit status:\n"
    "  0  Escape, the window closed, SIGINT or SIGTERM\n"
    "  1  the display could not be opened, or went away; one line on standard error\n"
    "     says why\n"
    "  2  --night was given no FROM-TO\n";

const char* const versionText = "kronvale " KRONVALE_VERSION "\n";

int32_t parseDimension(const char* text) {
    if (text == nullptr) {
        return 0;
    }
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (std::isspace(*p)) {
        ++p;
    }
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    // Accumulate toward the sign's limit so that INT32_MIN itself is reachable.
    const int64_t limit = negative ? -static_cast<int64_t>(INT32_MIN) : INT32_MAX;
    int64_t value = 0;
    while (*p >= '0' && *p <= '9') {
        value = value * 10 + (*p - '0');
        if (value > limit) {
            value = limit;
        }
        ++p;
    }
    return static_cast<int32_t>(negative ? -value : value);
}

namespace {

// One or two decimal digits, 0 to 23, and where they end.
bool readHour(const char*& p, int32_t& hour) {
    if (*p < '0' || *p > '9') {
        return false;
    }
    hour = *p++ - '0';
    if (*p >= '0' && *p <= '9') {
        hour = hour * 10 + (*p++ - '0');
    }
    return hour <= 23;
}

bool readNight(const char* text, int32_t& from, int32_t& to) {
    const char* p = text;
    return readHour(p, from) && *p++ == '-' && readHour(p, to) && *p == '\0';
}

} // namespace

Options takeOptions(int argc, const char* const argv[], std::vector<const char*>& rest) {
    Options options{false, false, 0, 0, nullptr};
    rest.clear();
    for (int i = 0; i < argc; ++i) {
        const char* word = argv[i];
        if (i == 0) {
            rest.push_back(word);
        } else if (std::strcmp(word, "--12-hour") == 0) {
            options.twelveHour = true;
        } else if (std::strcmp(word, "--drift") == 0) {
            options.drift = true;
        } else if (std::strcmp(word, "--night") == 0 || std::strncmp(word, "--night=", 8) == 0) {
            const char* value = word[7] == '=' ? word + 8 : i + 1 < argc ? argv[++i] : "";
            if (!readNight(value, options.nightFrom, options.nightTo)) {
                options.badNight = value;
            }
        } else {
            rest.push_back(word);
        }
    }
    if (options.badNight != nullptr) {
        options.nightFrom = options.nightTo = 0;
    }
    rest.push_back(nullptr);
    return options;
}

DisplayRequest parseCommandLine(int argc, const char* const argv[]) {
    DisplayRequest request{true, 1024, 768, false};
    if (argc >= 2) {
        if (std::strcmp(argv[1], "fullscreen") == 0) {
            request.fullscreen = true;
        } else if (std::strcmp(argv[1], "window") == 0) {
            request.fullscreen = false;
        } else {
            request.badFirstArgument = true;
        }
        // The size counts whatever the first word was.
        if (argc == 4) {
            request.width = parseDimension(argv[2]);
            request.height = parseDimension(argv[3]);
        }
    }
    return request;
}

InformationRequest parseInformationRequest(int argc, const char* const argv[]) {
    if (argc < 2) {
        return InformationRequest::None;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        return InformationRequest::Usage;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        return InformationRequest::Version;
    }
    return InformationRequest::None;
}
