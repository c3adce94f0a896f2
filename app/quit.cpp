// The ways out of the program, below everything that takes one.
#include "app/app.h"

#include <SDL.h>
#include <cstdio>
#include <cstdlib>

void quitProgram(int status) {
    SDL_Quit();
    std::exit(status);
}

void endForLostDisplay(const char* what) {
    // Nothing is left to shut down: the display has gone with its connection.
    std::fprintf(stderr, "Display lost: %s went away\n", what);
    std::fflush(stderr);
    std::_Exit(1);
}
