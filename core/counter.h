#pragma once

#include <cstdint>
#include <limits>

// Every change of a score goes through here. Scores are signed 32-bit values;
// rather than wrap a huge score round to a huge negative one (undefined in
// C++ anyway), a change stops at the 32-bit bounds.
inline void SaturatingAdd(std::int32_t& counter, std::int64_t delta)
{
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    std::int64_t sum = std::int64_t{counter} + delta;
    counter = static_cast<std::int32_t>(sum < lowest ? lowest : sum > highest ? highest : sum);
}
