#include "core/random_source.h"

#include <random>

#include "core/clock.h"

namespace lt {
namespace {
std::mt19937_64& generator() {
    static std::mt19937_64 g(static_cast<std::uint64_t>(now().toMSecsSinceEpoch()));
    return g;
}
}  // namespace

std::uint32_t randomBelow(std::uint32_t upperExclusive) {
    if (upperExclusive == 0) return 0;
    std::uniform_int_distribution<std::uint32_t> d(0, upperExclusive - 1);
    return d(generator());
}

void reseedRandom(std::uint64_t seed) { generator().seed(seed); }

SeededRandom::SeededRandom(std::uint64_t seed) : state_(seed) {}

// splitmix64: the same numbers on every platform and standard library.
std::uint32_t SeededRandom::below(std::uint32_t upperExclusive) {
    if (upperExclusive == 0) return 0;
    state_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    // Widening multiply: uniform enough for colours, and free of modulo bias' worst case.
    return std::uint32_t(((z >> 32) * upperExclusive) >> 32);
}

}  // namespace lt
