// Process entry: hands over to the program at once.
#include "app/app.h"

int main(int argc, char* argv[]) {
    runKronvale(argc, argv);
}
