// What the random-play tests share: a seed that can be replayed, the number of
// events, and digits drawn from the test's own engine.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <random>

#include "common/random_source.h"

namespace numora::test {

// NUMORA_TEST_SEED replays a run; otherwise a fresh seed.
inline std::uint32_t chooseSeed()
{
    if (const char* s = std::getenv("NUMORA_TEST_SEED")) return static_cast<std::uint32_t>(std::strtoul(s, nullptr, 10));
    return std::random_device{}();
}

// A positive count from the environment `variable`, or `fallback`: the
// default run stays short, `ctest -L long` sets more.
inline long countFrom(const char* variable, long fallback)
{
    if (const char* s = std::getenv(variable)) {
        const long n = std::strtol(s, nullptr, 10);
        if (n > 0) return n;
    }
    return fallback;
}

// NUMORA_RANDOM_EVENTS, or `fallback`.
inline long eventCount(long fallback) { return countFrom("NUMORA_RANDOM_EVENTS", fallback); }

// Puzzles from the test's own engine, so that a seed replays the deals too.
struct SeededDigits final : RandomSource {
    std::mt19937& engine;
    explicit SeededDigits(std::mt19937& e) : engine(e) {}
    void reseed() override {}
    int digit() override { return std::uniform_int_distribution<int>(1, 9)(engine); }
};

}  // namespace numora::test
