#pragma once

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

// The value below which the given share (0..1) of the samples lie, drawn
// between the two nearest samples; the median of an even count is the mean of
// the middle two. NaN for no samples.
inline double Percentile(std::vector<double> samples, double share)
{
    if (samples.empty())
        return std::nan("");
    std::sort(samples.begin(), samples.end());
    const double rank = share * double(samples.size() - 1);
    const auto below = std::size_t(std::floor(rank));
    const auto above = std::min(below + 1, samples.size() - 1);
    return samples[below] + (rank - double(below)) * (samples[above] - samples[below]);
}

// Gaps between consecutive moments, in milliseconds.
template <class TimePoint>
std::vector<double> SpacingMs(const std::vector<TimePoint>& moments)
{
    std::vector<double> gaps;
    for (std::size_t i = 1; i < moments.size(); ++i)
        gaps.push_back(std::chrono::duration<double, std::milli>(moments[i] - moments[i - 1]).count());
    return gaps;
}
