#include "qt/door_glyph.h"

#include <QImage>
#include <QPixmap>

#include "form/glyphs.h"

namespace {

QPixmap Drawn(const DoorGlyphPixels& glyph)
{
    const QImage image(reinterpret_cast<const uchar*>(glyph.data()), DoorGlyphSide, DoorGlyphSide,
                       DoorGlyphSide * 4, QImage::Format_ARGB32);
    return QPixmap::fromImage(image);
}

}  // namespace

QIcon DoorGlyphIcon()
{
    QIcon glyph;
    glyph.addPixmap(Drawn(DoorGlyph(false)), QIcon::Normal);
    glyph.addPixmap(Drawn(DoorGlyph(true)), QIcon::Disabled);
    return glyph;
}
