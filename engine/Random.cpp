#include "engine/Random.h"

#include <chrono>
#include <cstdint>
#include <random>

namespace varnel {

namespace {

std::mt19937_64& Generator() {
    static std::mt19937_64 generator(static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    return generator;
}

} // namespace

double RandomUniform() {
    // 53 random bits fill a double's mantissa exactly, so 1 is never reached.
    return static_cast<double>(Generator()() >> 11) * 0x1p-53;
}

} // namespace varnel
