#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

#include "core/jpeg_picture.h"

namespace {

std::vector<std::uint8_t> ReadAsset(const char* name)
{
    std::ifstream file(std::string(HORUMINA_ASSETS_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The colour at x, y within the few steps of error a JPEG allows itself.
void ExpectNear(const RgbPicture& picture, int x, int y, int r, int g, int b)
{
    const std::uint8_t* px = picture.rgb.data() + (std::size_t(y) * picture.width + x) * 3;
    const int tolerance = 24;
    EXPECT_LE(std::abs(px[0] - r), tolerance) << "red at " << x << "," << y;
    EXPECT_LE(std::abs(px[1] - g), tolerance) << "green at " << x << "," << y;
    EXPECT_LE(std::abs(px[2] - b), tolerance) << "blue at " << x << "," << y;
}

TEST(JpegPicture, TheHallPictureDecodesWhole)
{
    const std::vector<std::uint8_t> jpeg = ReadAsset("hall.jpg");
    ASSERT_GT(jpeg.size(), 2000u);
    const std::optional<RgbPicture> picture = DecodeJpeg(jpeg);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 71);
    EXPECT_EQ(picture->height, 127);
    ASSERT_EQ(picture->rgb.size(), 71u * 127u * 3u);
    ExpectNear(*picture, 2, 2, 0xEF, 0xEF, 0xEF);        // the page grey, top left
    ExpectNear(*picture, 68, 30, 0xEF, 0xEF, 0xEF);      // and top right, beyond the sheaf
    ExpectNear(*picture, 60, 115, 0x00, 0x00, 0x80);     // navy near where the blade rests
}

TEST(JpegPicture, DamagedDataGivesNoPicture)
{
    const std::vector<std::uint8_t> jpeg = ReadAsset("hall.jpg");
    ASSERT_FALSE(jpeg.empty());
    const std::vector<std::uint8_t> empty;
    const std::vector<std::uint8_t> cut_in_half(jpeg.begin(), jpeg.begin() + std::ptrdiff_t(jpeg.size() / 2));
    const std::vector<std::uint8_t> header_only(jpeg.begin(), jpeg.begin() + 100);
    const std::vector<std::uint8_t> end_marker_lost(jpeg.begin(), jpeg.end() - 2);
    const std::vector<std::uint8_t> garbage(3000, 0x5A);
    std::vector<std::uint8_t> bad_start = jpeg;
    bad_start[1] = 0x00;
    const std::vector<std::uint8_t> png = ReadAsset("horumina.png");
    for (const std::vector<std::uint8_t>* damaged : std::initializer_list<const std::vector<std::uint8_t>*>{&empty, &cut_in_half, &header_only, &end_marker_lost, &garbage, &bad_start, &png})
        EXPECT_FALSE(DecodeJpeg(*damaged)) << "case of " << damaged->size() << " bytes";
}

TEST(JpegPicture, ADecoderThatFailedStillDecodesTheNextPicture)
{
    const std::vector<std::uint8_t> jpeg = ReadAsset("hall.jpg");
    const std::vector<std::uint8_t> cut(jpeg.begin(), jpeg.begin() + 1500);
    EXPECT_FALSE(DecodeJpeg(cut));
    EXPECT_TRUE(DecodeJpeg(jpeg));
}

// A progressive JPEG of a few dozen bytes whose frame claims 40000 x 40000
// pixels: one quantisation table, the frame, a one-code DC Huffman table and
// the start of a DC scan with a few bytes of data.
std::vector<std::uint8_t> HugeProgressiveHeader()
{
    std::vector<std::uint8_t> jpeg{0xFF, 0xD8, 0xFF, 0xDB, 0x00, 0x43, 0x00};
    jpeg.insert(jpeg.end(), 64, 1);
    const std::uint8_t frame[] = {0xFF, 0xC2, 0x00, 0x11, 8, 0x9C, 0x40, 0x9C, 0x40, 3,
                                  1, 0x11, 0, 2, 0x11, 0, 3, 0x11, 0};
    jpeg.insert(jpeg.end(), std::begin(frame), std::end(frame));
    const std::uint8_t huffman[] = {0xFF, 0xC4, 0x00, 0x14, 0x00, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    jpeg.insert(jpeg.end(), std::begin(huffman), std::end(huffman));
    const std::uint8_t scan[] = {0xFF, 0xDA, 0x00, 0x0C, 3, 1, 0x00, 2, 0x00, 3, 0x00, 0, 0, 0};
    jpeg.insert(jpeg.end(), std::begin(scan), std::end(scan));
    jpeg.insert(jpeg.end(), 16, 0x00);
    jpeg.insert(jpeg.end(), {0xFF, 0xD9});
    return jpeg;
}

long PeakRssKiB()
{
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return long(counters.PeakWorkingSetSize / 1024);
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#endif
}

TEST(JpegPicture, AHugeClaimedSizeIsRejectedBeforeDecompressing)
{
    const std::vector<std::uint8_t> jpeg = HugeProgressiveHeader();
    const long peak_before = PeakRssKiB();
    EXPECT_FALSE(DecodeJpeg(jpeg));
    // Decompressing would first fill coefficient buffers of about 4.6 GB;
    // rejecting the header takes next to nothing.
    EXPECT_LT(PeakRssKiB() - peak_before, 64 * 1024) << "peak RSS grew, in KiB";
}

}  // namespace
