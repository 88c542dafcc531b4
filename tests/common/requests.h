// Records what a game asks of its window.
#pragma once

#include <vector>

#include "common/game.h"

namespace numora::test {

struct FakeRequests final : ScreenRequests {
    std::vector<int> focused;  // the cells given the focus, in order
    int minimised = 0;
    void focusCell(int index) override { focused.push_back(index); }
    void minimise() override { ++minimised; }
};

}  // namespace numora::test
