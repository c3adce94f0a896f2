// Stands in for the power control of an X server's monitor (DPMS), which
// Xvfb has not: preloaded into the program, it says the monitor is switched
// off while the file KRONVALE_DPMS_FILE reads "off", and on otherwise.
#include <X11/Xlib.h>
#include <X11/extensions/dpms.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool switchedOff() {
    const char* path = std::getenv("KRONVALE_DPMS_FILE");
    FILE* file = path != nullptr ? std::fopen(path, "r") : nullptr;
    char state[8] = "";
    if (file != nullptr) {
        if (std::fgets(state, sizeof state, file) == nullptr) {
            state[0] = '\0';
        }
        std::fclose(file);
    }
    return std::strncmp(state, "off", 3) == 0;
}

} // namespace

extern "C" {

Bool DPMSQueryExtension(Display*, int* event, int* error) {
    *event = 0;
    *error = 0;
    return True;
}

Bool DPMSCapable(Display*) {
    return True;
}

Status DPMSInfo(Display*, CARD16* level, BOOL* enabled) {
    *level = switchedOff() ? DPMSModeOff : DPMSModeOn;
    *enabled = True;
    return True;
}
}
