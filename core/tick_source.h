#pragma once

#include <cstdint>

// A millisecond counter that wraps at 2^32. Only differences of two readings
// mean anything.
class TickSource {
public:
    virtual ~TickSource() = default;
    virtual std::uint32_t Now() const = 0;
};

// The machine's monotonic clock, in milliseconds, cut to 32 bits.
class SteadyTickSource final : public TickSource {
public:
    std::uint32_t Now() const override;
};
