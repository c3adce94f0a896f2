// Opens one real SDL OpenGL display per process, for the GL tests and the
// benchmarks alike.
#pragma once

#include <SDL.h>

// Null once the display is open, or why it could not be: no X display, or
// SDL's own reason. The same request again reuses the display; a request
// for another size or kind is refused, not quietly served with the first.
// A size of 0 is the desktop's, as the program reads it.
const char* openDisplayOnce(int width, int height, Uint32 flags);
