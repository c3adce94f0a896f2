// Reading the command line: display mode and size.
#include "app/app.h"

#include <cctype>
#include <cstring>

const char* const firstParameterMessage =
    "First parameter was not either lowercase 'fullscreen' or "
    "'window' (no quotes), ignored.";
const char* const windowCaption = "Kronvale";

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
