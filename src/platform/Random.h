#pragma once
// The pseudo-random generator of the random-points command.
#include <cstdint>

namespace platform {

// Seeds the generator from the clock.
void Randomize();
// A uniform integer from 0 to range - 1.
int32_t RandomInt(int32_t range);

}  // namespace platform
