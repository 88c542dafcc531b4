// A random source that deals chosen digits and logs how it was used.
#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/random_source.h"

namespace numora::test {

class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(const std::vector<int>& digits) { push(digits); }
    void push(const std::vector<int>& digits) { digits_.insert(digits_.end(), digits.begin(), digits.end()); }
    void reseed() override { log += 'r'; }
    int digit() override
    {
        if (digits_.empty()) throw std::logic_error("ScriptedRandom ran out of digits");
        log += 'd';
        const int d = digits_.front();
        digits_.pop_front();
        return d;
    }
    std::size_t left() const { return digits_.size(); }
    std::string log;  // 'r' for each re-seed, 'd' for each draw, in order

private:
    std::deque<int> digits_;
};

}  // namespace numora::test
