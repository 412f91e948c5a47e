#include "win32/resource_picture.h"

#include <span>

#include "core/jpeg_picture.h"

DibPicture::DibPicture(int width, int height, std::vector<std::uint8_t> bits) : bits_(std::move(bits))
{
    info_.bmiHeader.biSize = sizeof(info_.bmiHeader);
    info_.bmiHeader.biWidth = width;
    info_.bmiHeader.biHeight = height;
    info_.bmiHeader.biPlanes = 1;
    info_.bmiHeader.biBitCount = 24;
    info_.bmiHeader.biCompression = BI_RGB;
}

void DibPicture::Draw(HDC dc, int x, int y) const
{
    const int width = info_.bmiHeader.biWidth;
    const int height = info_.bmiHeader.biHeight;
    SetDIBitsToDevice(dc, x, y, DWORD(width), DWORD(height), 0, 0, 0, UINT(height), bits_.data(), &info_,
                      DIB_RGB_COLORS);
}

std::optional<DibPicture> LoadResourcePicture(const wchar_t* name)
{
    HMODULE program = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(program, name, RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(program, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return std::nullopt;
    const std::optional<RgbPicture> picture =
        DecodeJpeg(std::span(static_cast<const std::uint8_t*>(data), SizeofResource(program, found)));
    if (!picture)
        return std::nullopt;
    const std::size_t stride = (std::size_t(picture->width) * 3 + 3) & ~std::size_t(3);
    std::vector<std::uint8_t> bits(stride * std::size_t(picture->height));
    for (int y = 0; y < picture->height; ++y) {
        const std::uint8_t* from = &picture->rgb[std::size_t(y) * std::size_t(picture->width) * 3];
        std::uint8_t* to = &bits[std::size_t(picture->height - 1 - y) * stride];
        for (int x = 0; x < picture->width; ++x, from += 3, to += 3) {
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
        }
    }
    return DibPicture(picture->width, picture->height, std::move(bits));
}
