// A real GL context for the benchmarks, opened once per process.
#pragma once

#include <SDL.h>

// False (with the reason in why) when no display could be opened.
bool openBenchDisplay(int width, int height, const char** why);
