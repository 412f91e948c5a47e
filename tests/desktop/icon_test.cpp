// The icons the desktop's menus show are the window icon's art at the icon
// theme's sizes, pixel for pixel: hard edges, no colour the art lacks, and
// nothing moved or lost.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>

namespace {

constexpr int kSizes[] = {HORUMINA_ICON_SIZES};

QImage Art()
{
    return QImage(QStringLiteral(HORUMINA_ASSETS_DIR "/horumina.png")).convertToFormat(QImage::Format_ARGB32);
}

QImage Icon(int size)
{
    const QString path = QStringLiteral("%1/hicolor/%2x%2/apps/%3.png")
                             .arg(QStringLiteral(HORUMINA_ICON_DIR))
                             .arg(size)
                             .arg(QStringLiteral(HORUMINA_APP_ID));
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

TEST(Icon, EachThemeSizeIsASquareOfThatSize)
{
    for (int size : kSizes) {
        const QImage icon = Icon(size);
        ASSERT_FALSE(icon.isNull()) << size;
        EXPECT_EQ(icon.width(), size);
        EXPECT_EQ(icon.height(), size);
    }
}

TEST(Icon, AtItsOwnSizeItIsTheArt)
{
    EXPECT_EQ(Icon(32), Art());
}

TEST(Icon, WholeMultiplesRepeatEachPixelOfTheArtInASquare)
{
    const QImage art = Art();
    for (int size : kSizes) {
        if (size % art.width() != 0)
            continue;
        const QImage icon = Icon(size);
        const int block = size / art.width();
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                ASSERT_EQ(icon.pixel(x, y), art.pixel(x / block, y / block)) << size << " at " << x << "," << y;
    }
}

// Every pixel of any size, the uneven ones and the shrunken one included,
// is a copy of a pixel of the art that it covers.
TEST(Icon, EveryPixelIsOneOfTheArtsPixelsUnderIt)
{
    const QImage art = Art();
    const int n = art.width();
    for (int size : kSizes) {
        const QImage icon = Icon(size);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                bool found = false;
                for (int ay = y * n / size; ay <= ((y + 1) * n - 1) / size; ++ay)
                    for (int ax = x * n / size; ax <= ((x + 1) * n - 1) / size; ++ax)
                        found = found || icon.pixel(x, y) == art.pixel(ax, ay);
                ASSERT_TRUE(found) << size << " at " << x << "," << y;
            }
    }
}

}  // namespace
