// Draws the window icon: a grey blade standing nearly upright on a dark olive
// base, the title's first two glyphs in navy down the left, and its last
// glyph in red over a red "!" on the right. 32 x 32 in the 16 colours of the
// classic palette. Run once; its output, horumina.png, is what the game ships.
#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("horumina.png");

    QImage art(32, 32, QImage::Format_ARGB32);
    art.fill(Qt::transparent);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing, false);

    // Olive base.
    p.fillRect(QRect(4, 27, 24, 5), QColor(0x80, 0x80, 0x00));
    p.fillRect(QRect(6, 26, 20, 1), QColor(0x80, 0x80, 0x00));
    // The blade, leaning a little to the right, with a dark edge and a hilt.
    QPainterPath blade;
    blade.moveTo(17, 1);
    blade.lineTo(19, 3);
    blade.lineTo(17, 22);
    blade.lineTo(14, 22);
    blade.closeSubpath();
    p.fillPath(blade, QColor(0xC0, 0xC0, 0xC0));
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawLine(18, 3, 16, 22);
    p.fillRect(QRect(12, 22, 8, 2), QColor(0x80, 0x80, 0x80));
    p.fillRect(QRect(15, 24, 2, 3), QColor(0x00, 0x00, 0x00));

    QFont font;
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0x00, 0x00, 0x80));
    p.drawText(QRect(0, 0, 13, 13), Qt::AlignCenter, QStringLiteral("ホ"));
    p.drawText(QRect(0, 12, 13, 13), Qt::AlignCenter, QStringLiteral("ル"));
    p.setPen(QColor(0xFF, 0x00, 0x00));
    p.drawText(QRect(19, 0, 13, 13), Qt::AlignCenter, QStringLiteral("ナ"));
    p.drawText(QRect(19, 12, 13, 13), Qt::AlignCenter, QStringLiteral("!"));
    p.end();

    // The 16 colours of the classic palette, plus transparency.
    QList<QRgb> palette = {0x00000000};
    for (QRgb c : {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0, 0x808080,
                   0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF})
        palette.append(0xFF000000 | c);
    // Glyph edges come out half-transparent: make each pixel either clear or solid.
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            QRgb px = art.pixel(x, y);
            art.setPixel(x, y, qAlpha(px) < 96 ? 0 : (0xFF000000 | (px & 0xFFFFFF)));
        }
    return art.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither).save(out) ? 0 : 1;
}
