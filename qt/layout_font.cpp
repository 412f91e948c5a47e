#include "qt/layout_font.h"

#include <algorithm>

#include <QFontDatabase>
#include <QStringList>

#include "form/layout.h"

namespace {
const QStringList& Faces()
{
    static const QStringList faces = [] {
        QStringList names;
        for (const char* face : LayoutFaces)
            names << QString::fromUtf8(face);
        return names;
    }();
    return faces;
}

// The first of the layout's faces that is installed and proportional,
// alone: asked for a face it does not have, Qt looks through the fallbacks
// of every script before it tries the next. With none, the whole list, so
// Qt's own substitutes still apply.
const QStringList& FacesToAsk()
{
    static const QStringList faces = [] {
        for (const QString& face : Faces())
            if (QFontDatabase::hasFamily(face) && !QFontDatabase::isFixedPitch(face))
                return QStringList{face};
        return Faces();
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
    return std::ranges::any_of(Faces(), [](const QString& face) { return QFontDatabase::hasFamily(face); });
}
