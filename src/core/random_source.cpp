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

}  // namespace lt
