#pragma once

#include <random>

namespace numora {

// Where the digits of a puzzle come from. Tests script it.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Stir the clock into the state (never restarts a fixed sequence).
    virtual void reseed() = 0;
    // A uniform digit 1..9.
    virtual int digit() = 0;
};

class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    void reseed() override;
    int digit() override;

private:
    std::mt19937 engine_;
    std::uniform_int_distribution<int> dist_{1, 9};
};

}  // namespace numora
