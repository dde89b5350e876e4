#pragma once
#include <cstdint>

namespace lt {

// Uniform whole number in [0, upperExclusive). The generator is seeded from the
// clock on first use, once per run; tests may reseed it.
std::uint32_t randomBelow(std::uint32_t upperExclusive);
void reseedRandom(std::uint64_t seed);

// A generator of its own, for pictures that must come out the same from the same data.
class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed);
    std::uint32_t below(std::uint32_t upperExclusive);

private:
    std::uint64_t state_;
};

}  // namespace lt
