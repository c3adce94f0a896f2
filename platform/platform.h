// The seam to the operating system: local time, the error message box, the
// pointer, and the standard streams.
#pragma once

#include <cstdint>

// A time of day; the date plays no part anywhere in the program.
struct TimeOfDay {
    int32_t hour;   // 0 to 23
    int32_t minute; // 0 to 59
    int32_t second; // 0 to 59 (60 only if the system reports a leap second)
};

// The local time of day. The program links the system's clock; tests link one
// they set themselves.
TimeOfDay readLocalTime();

// A modal message with an OK button. Returns once the user has dismissed it,
// or at once where no dialog can be shown. The text also goes to standard
// error as one line, so it is never lost.
void showMessageBox(const char* title, const char* text);

// Hides the system pointer over the display while keeping absolute mouse
// positions. Needs the display to be open.
void hidePointer();

// Sets an environment variable for this process and the libraries it loads,
// unless it is already set (the user's choice stands).
void setEnvironmentDefault(const char* name, const char* value);

// Opens whichever of the standard input, output and error streams the
// program was started without, on the null device, so that no connection a
// library opens later can take their place.
void openStandardStreams();

// The size of a monitor, the primary one first, as the system lays them out;
// false where that cannot be told.
bool monitorSize(int index, int32_t& width, int32_t& height);

// Makes sure the display's window carries the icon (square, rows of red,
// green and blue bytes) where window managers look for it today, whichever
// SDL opened it.
void publishWindowIcon(const unsigned char* rgb, int size);

// Full-screen on the SDL 1.2 compatibility layer: makes the display's window
// cover the desktop of the given size where nobody else does (no window
// manager), as the library's picture assumes.
void coverDesktop(int32_t desktopWidth, int32_t desktopHeight);
