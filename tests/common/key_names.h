// How the tests name a key in their messages and in a random run's replay log.
#pragma once

#include <ostream>
#include <string>

#include "common/keys.h"

namespace numora {

inline std::string nameOf(Key k)
{
    switch (k.kind) {
    case Key::Kind::Digit: return "digit " + std::to_string(k.digit);
    case Key::Kind::Clear: return "Clear";
    case Key::Kind::Other: break;
    }
    return "another key";
}

// gtest finds this by the argument's namespace.
inline void PrintTo(Key k, std::ostream* os) { *os << nameOf(k); }

}  // namespace numora
