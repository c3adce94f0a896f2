// The sway's random source: one linear congruential sequence everywhere, so
// that every install of the clock sways the same way.
#include "scene/scene.h"

#include <cstdint>

namespace {

uint32_t randomState = 1;

} // namespace

int32_t nextRandom() {
    randomState = randomState * 214013u + 2531011u;
    return static_cast<int32_t>((randomState >> 16) & 0x7FFFu);
}

void resetRandom() {
    randomState = 1;
}
