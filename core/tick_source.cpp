#include "core/tick_source.h"

#include <chrono>

std::uint32_t SteadyTickSource::Now() const
{
    auto since_boot = std::chrono::steady_clock::now().time_since_epoch();
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(since_boot).count();
    return static_cast<std::uint32_t>(ms);
}
