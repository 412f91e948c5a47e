#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <windows.h>

// A picture ready for GDI: bottom-up rows of blue, green, red, each padded to
// four bytes, as a device-independent bitmap keeps them.
class DibPicture {
public:
    DibPicture(int width, int height, std::vector<std::uint8_t> bits);
    // At natural size, its top-left corner at x, y.
    void Draw(HDC dc, int x, int y) const;

private:
    BITMAPINFO info_{};
    std::vector<std::uint8_t> bits_;
};

// The JPEG picture kept in the program's resources under `name`, or nothing
// where it is missing or damaged.
std::optional<DibPicture> LoadResourcePicture(const wchar_t* name);
