// Records what a game asks of its window.
#pragma once

#include <vector>

#include "common/game.h"

namespace numora::test {

struct FakeRequests final : ScreenRequests {
    std::vector<int> focused;  // the cells given the focus, in order
    int minimised = 0;
    std::vector<News> told;
    void focusCell(int index) override { focused.push_back(index); }
    void minimise() override { ++minimised; }
    void tell(News n) override { told.push_back(n); }
};

}  // namespace numora::test
