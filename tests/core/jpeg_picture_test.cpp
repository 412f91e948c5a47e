#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

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

}  // namespace
