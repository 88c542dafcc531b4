// A random source that deals chosen digits, for dealing chosen puzzles.
#pragma once

#include <deque>
#include <stdexcept>
#include <vector>

#include "mathmod_1/random_source.h"

namespace numora::test {

class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<int> digits) { push(digits); }
    void push(const std::vector<int>& digits) { digits_.insert(digits_.end(), digits.begin(), digits.end()); }
    void reseed() override { ++reseeds; }
    int digit() override
    {
        if (digits_.empty()) throw std::logic_error("ScriptedRandom ran out of digits");
        const int d = digits_.front();
        digits_.pop_front();
        return d;
    }
    std::size_t left() const { return digits_.size(); }
    int reseeds = 0;

private:
    std::deque<int> digits_;
};

}  // namespace numora::test
