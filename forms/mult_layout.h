#pragma once

#include <span>

#include "layout.h"

namespace numora {

inline constexpr int kMultClientWidth = 4500;  // twips
inline constexpr int kMultClientHeight = 4170;
inline constexpr int kTopicClientWidth = 5175;
inline constexpr int kTopicClientHeight = 3765;

std::span<const ControlSpec> multLayout();
std::span<const ControlSpec> topicLayout();

}  // namespace numora
