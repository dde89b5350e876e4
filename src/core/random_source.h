#pragma once
#include <cstdint>

namespace lt {

// Uniform whole number in [0, upperExclusive). The generator is seeded from the
// clock on first use, once per run; tests may reseed it.
std::uint32_t randomBelow(std::uint32_t upperExclusive);
void reseedRandom(std::uint64_t seed);

}  // namespace lt
