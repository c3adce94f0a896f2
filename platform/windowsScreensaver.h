// kronvale.scr's seam to Windows: the monitors and the windows it draws in,
// a Kronvale for each monitor, and the settings it keeps per user. Windows
// only, as the program is.
#pragma once

#include "platform/environment.h"

#include <cstdint>
#include <string>

// The monitors, the primary one first: how many there are, and a window of
// this process covering monitor `index`, for SDL to draw in full-screen;
// its handle, 0 if none could be made.
int countMonitors();
uint64_t openShowingWindow(int index, int32_t& width, int32_t& height);

// The window SDL is to draw in for a preview: a child of the host window,
// at its size; once the host is gone a quit request follows. 0 if none.
uint64_t openPreviewWindow(uint64_t host, int32_t& width, int32_t& height);

// Runs this program again with /s for every monitor, each told its index by
// the environment variable screensaverMonitorVariable names, and waits for
// them. One that ends with status 0 (its user came back) ends the others;
// one that ends otherwise (its monitor gone, a failure) ends nothing else;
// none outlives this process. Returns 0, or where none ended with 0 the
// status of the first that failed.
int runOnEachMonitor(int count);

// The settings kept for the user: the value Options of
// HKEY_CURRENT_USER\Software\Kronvale, as text.
enum class KeptSettings { None, Text, Unreadable };
KeptSettings readKeptSettings(std::string& text);
bool keepSettings(const std::string& text);

// What the settings dialog shows and the user chooses.
struct ScreensaverSettings {
    bool twelveHour;
    bool drift;
    bool night;
    int32_t nightFrom; // whole hours, 0 to 23
    int32_t nightTo;
};

// The settings dialog, over the window given (0: none), with a line of note
// where `note` is not empty; true once OK is pressed, the choices then in
// settings.
bool editSettings(ScreensaverSettings& settings, const char* note, uint64_t parent);
