#include "qt/door_glyph.h"

#include <QImage>
#include <QPainter>

namespace {

constexpr int Side = 18;

QPixmap DrawDoor()
{
    QPixmap door(Side, Side);
    door.fill(Qt::transparent);
    QPainter p(&door);
    // The frame, and the dark doorway the open door leaves.
    p.fillRect(QRect(3, 1, 12, 16), QColor(0x40, 0x40, 0x40));
    p.fillRect(QRect(4, 2, 10, 15), QColor(0x00, 0x00, 0x00));
    // The door itself, swung a little towards the viewer on its left hinges.
    const QPoint leaf[] = {{4, 2}, {11, 4}, {11, 17}, {4, 16}};
    p.setPen(QColor(0x80, 0x40, 0x00));
    p.setBrush(QColor(0xC0, 0x80, 0x40));
    p.drawPolygon(leaf, 4);
    p.fillRect(QRect(9, 10, 2, 2), QColor(0xFF, 0xFF, 0x00));
    // The floor line.
    p.fillRect(QRect(1, 17, 16, 1), QColor(0x80, 0x80, 0x80));
    return door;
}

// A greyed twin as a disabled glyph looks: the darker strokes of the glyph
// in grey over their own white shadow, one pixel down and to the right; its
// light patches drop out.
QPixmap Greyed(const QPixmap& glyph)
{
    const QImage colour = glyph.toImage();
    QImage grey(Side, Side, QImage::Format_ARGB32);
    grey.fill(Qt::transparent);
    auto ink = [&](int x, int y) { return qAlpha(colour.pixel(x, y)) > 0 && qGray(colour.pixel(x, y)) < 192; };
    for (int y = 0; y + 1 < Side; ++y)
        for (int x = 0; x + 1 < Side; ++x)
            if (ink(x, y))
                grey.setPixel(x + 1, y + 1, qRgb(0xFF, 0xFF, 0xFF));
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x)
            if (ink(x, y))
                grey.setPixel(x, y, qRgb(0x80, 0x80, 0x80));
    return QPixmap::fromImage(grey);
}

}  // namespace

QIcon DoorGlyph()
{
    const QPixmap door = DrawDoor();
    QIcon glyph;
    glyph.addPixmap(door, QIcon::Normal);
    glyph.addPixmap(Greyed(door), QIcon::Disabled);
    return glyph;
}
