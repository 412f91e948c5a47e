#include "window/layout_font.h"

#include <QFontInfo>
#include <QStringList>

namespace {
const QStringList& LayoutFaces()
{
    static const QStringList faces{QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")};
    return faces;
}
}  // namespace

QFont LayoutFont(int pixels, bool bold)
{
    QFont font;
    font.setFamilies(LayoutFaces());
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

bool LayoutFaceInstalled()
{
    return LayoutFaces().contains(QFontInfo(LayoutFont(12)).family());
}
