#include "qt/layout_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace {
const QStringList& LayoutFaces()
{
    static const QStringList faces{QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")};
    return faces;
}

// The first of the layout's faces that is installed, alone: asked for a
// face it does not have, Qt looks through the fallbacks of every script
// before it tries the next. With none installed, the whole list, so Qt's
// own substitutes still apply.
const QStringList& FacesToAsk()
{
    static const QStringList faces = [] {
        for (const QString& face : LayoutFaces())
            if (QFontDatabase::hasFamily(face))
                return QStringList{face};
        return LayoutFaces();
    }();
    return faces;
}
}  // namespace

QFont LayoutFont(int pixels, bool bold)
{
    QFont font;
    font.setFamilies(FacesToAsk());
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

bool LayoutFaceInstalled()
{
    return LayoutFaces().contains(QFontInfo(LayoutFont(12)).family());
}
