#include "window/layout_font.h"

#include <QStringList>

QFont LayoutFont(int pixels, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
