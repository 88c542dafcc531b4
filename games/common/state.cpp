#include "common/state.h"

#include <limits>

namespace numora {

std::int16_t saturatingIncrement(std::int16_t v)
{
    return v == std::numeric_limits<std::int16_t>::max() ? v : static_cast<std::int16_t>(v + 1);
}

std::int16_t saturatingDecrement(std::int16_t v)
{
    return v == std::numeric_limits<std::int16_t>::min() ? v : static_cast<std::int16_t>(v - 1);
}

std::optional<std::int16_t> levelSeconds(std::span<const std::int16_t> levels, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= levels.size()) return std::nullopt;
    return levels[static_cast<std::size_t>(index)];
}

}  // namespace numora
