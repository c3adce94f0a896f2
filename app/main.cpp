// Process entry: hands over to the program at once.
#include "app/app.h"

// SDL.h supplies the process entry on platforms where SDL wraps main.
#include <SDL.h>

int main(int argc, char* argv[]) {
    runKronvale(argc, argv);
}
