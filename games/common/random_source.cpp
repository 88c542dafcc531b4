#include "common/random_source.h"

#include <chrono>

namespace numora {

ClockRandom::ClockRandom() : engine_(std::random_device{}()) {}

void ClockRandom::reseed()
{
    // Mix the clock into the current state instead of restarting from it, so two
    // re-seeds within one clock tick still give fresh digits.
    const auto now = static_cast<std::uint64_t>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    std::seed_seq seq{static_cast<std::uint32_t>(engine_()), static_cast<std::uint32_t>(now),
                      static_cast<std::uint32_t>(now >> 32)};
    engine_.seed(seq);
}

int ClockRandom::digit() { return dist_(engine_); }

}  // namespace numora
