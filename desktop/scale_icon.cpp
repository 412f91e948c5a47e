// Scales the 32 x 32 window icon to a size a desktop's icon theme looks for.
// The icon is pixel art in a 16-colour palette, so each pixel of the result
// is a copy of the pixel of the art under its top-left corner: edges stay
// hard and no colour appears that the palette does not have. Shrunk to
// 16 x 16, that keeps the even rows and columns, where the strokes of the
// title's glyphs mostly lie.
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s ART SIZE OUT\n", argv[0]);
        return 2;
    }
    const QImage art = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_Indexed8);
    bool is_number = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&is_number);
    if (art.isNull() || !is_number || size <= 0) {
        std::fprintf(stderr, "%s: cannot scale %s to %s pixels\n", argv[0], argv[1], argv[2]);
        return 1;
    }

    QImage icon(size, size, QImage::Format_Indexed8);
    icon.setColorTable(art.colorTable());
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            icon.setPixel(x, y, art.pixelIndex(x * art.width() / size, y * art.height() / size));
    return icon.save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
}
