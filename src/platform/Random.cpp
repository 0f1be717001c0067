#include "platform/Random.h"

#include <chrono>
#include <random>

namespace platform {

namespace {
std::mt19937_64& Generator()
{
    static std::mt19937_64 generator{std::random_device{}()};
    return generator;
}
}  // namespace

void Randomize()
{
    // The clock's ticks mixed with a counter, so two clicks within one tick still differ.
    static uint64_t clicks = 0;
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seq{uint64_t(ticks), uint64_t(ticks) >> 32, ++clicks};
    Generator().seed(seq);
}

int32_t RandomInt(int32_t range)
{
    if (range <= 0) return 0;
    return std::uniform_int_distribution<int32_t>(0, range - 1)(Generator());
}

}  // namespace platform
