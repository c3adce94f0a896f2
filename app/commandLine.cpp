// Reading the command line: display mode and size, or a question about the
// program, and the answers to those.
#include "app/app.h"

#include <cctype>
#include <cstring>

const char* const firstParameterMessage =
    "First parameter was not either lowercase 'fullscreen' or "
    "'window' (no quotes), ignored.";

const char* const usageText =
    "Usage: kronvale [fullscreen | window] [WIDTH HEIGHT]\n"
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
    "     says why\n";

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
