#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// A decoded picture: rows top to bottom, three bytes (red, green, blue) a pixel.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// Decodes a JPEG with libjpeg. Damaged data of any kind, a truncated file
// included, gives no picture rather than a partly grey one or an aborted
// program.
std::optional<RgbPicture> DecodeJpeg(std::span<const std::uint8_t> data);
