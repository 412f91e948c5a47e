#include "core/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// No picture of the game comes near this; anything larger is damage.
constexpr JDIMENSION LargestSide = 4096;

// libjpeg's own error handler ends the process; this one jumps back to the
// decoder instead.
struct ErrorTrap {
    jpeg_error_mgr manager;
    std::jmp_buf back;
};

[[noreturn]] void JumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorTrap*>(info->err)->back, 1);
}

// Warnings (a truncated file among them) are counted, not printed.
void KeepQuiet(j_common_ptr) {}

// Every local here is plain C data: a longjmp out of libjpeg must not skip a
// destructor. `out` lives in the caller's frame, which the jump never leaves.
bool Decode(const std::uint8_t* data, unsigned long size, RgbPicture& out)
{
    jpeg_decompress_struct info;
    ErrorTrap trap;
    info.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = JumpBack;
    trap.manager.output_message = KeepQuiet;
    if (setjmp(trap.back)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    // Checked before decompressing: a progressive picture's buffers are
    // sized and filled for the whole claimed picture as decompression starts.
    if (info.image_width > LargestSide || info.image_height > LargestSide) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out.width = int(info.output_width);
    out.height = int(info.output_height);
    out.rgb.resize(std::size_t(info.output_width) * info.output_height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.rgb.data() + std::size_t(info.output_scanline) * info.output_width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    const bool whole = trap.manager.num_warnings == 0;
    jpeg_destroy_decompress(&info);
    return whole;
}

}  // namespace

std::optional<RgbPicture> DecodeJpeg(std::span<const std::uint8_t> data)
{
    RgbPicture picture;
    if (!Decode(data.data(), static_cast<unsigned long>(data.size()), picture))
        return std::nullopt;
    return picture;
}
