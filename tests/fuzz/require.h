// What a fuzz target asserts: a broken promise stops the run where libFuzzer sees it.
#pragma once

#include <cstdlib>

inline void require(bool ok)
{
    if (!ok) std::abort();
}
