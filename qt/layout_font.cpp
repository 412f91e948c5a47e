#include "qt/layout_font.h"

#include <algorithm>

#include <QFontDatabase>
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
    // By the database, not by the name the font resolves to: fontconfig gives
    // a face its name in the locale's language first, so under a Japanese
    // locale IPA P Gothic resolves as "IPA Pゴシック", and the database
    // knows it by every one of its names.
    return std::ranges::any_of(LayoutFaces(), [](const QString& face) { return QFontDatabase::hasFamily(face); });
}
