// The shell's public face: what the programs around Kronvale (the
// screensavers') and the benchmarks need of it.
#pragma once

#include <cstdint>
#include <vector>

// The whole program: start-up, then the main loop. Never returns.
[[noreturn]] void runKronvale(int argc, char* argv[]);

// Called once video has started, before the display opens, by a program
// that hands over to Kronvale (a screensaver's) for what must see every
// event: its input filter. Null otherwise.
extern void (*onVideoStarted)();

// The options a user may add anywhere on the command line, each taken out of
// it before the rest is read, as it would be without them.
struct Options {
    bool twelveHour;            // --12-hour: the labels' hours 1 to 12
    bool drift;                 // --drift: the picture drifts, for screens left on
    int32_t nightFrom, nightTo; // --night FROM-TO: drawn dim from hour FROM to TO; equal: never
    // The value --night was given that is no FROM-TO (empty if none was
    // given), for nightMessage; nullptr when all is well.
    const char* badNight;
};

// Takes the options out of the command line; rest gets the words that
// remain, the program's name first, in their order, and a null at the end.
Options takeOptions(int argc, const char* const argv[], std::vector<const char*>& rest);

// A display of that size as start-up leaves it: the screen's records (the
// halves truncated toward zero, the picture filling the display), then the
// initial graphics state, its view set as every frame sets it.
void setScreenSize(int32_t width, int32_t height);
void initGraphicsState(int32_t width, int32_t height);
