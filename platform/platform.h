// The seam to the operating system: local time, the error message box, the
// pointer, and the standard streams.
#pragma once

#include "records/timeOfDay.h"

#include <cstdint>

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
