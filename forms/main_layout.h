#pragma once

#include <span>

#include "layout.h"

namespace numora {

inline constexpr int kMainClientWidth = 4500;   // twips
inline constexpr int kMainClientHeight = 4635;

std::span<const ControlSpec> mainLayout();

}  // namespace numora
