// SPDX-License-Identifier: MIT
#include "ui/fonts.h"

#include <QFontDatabase>

namespace hexbrawl::ui {

QStringList candidates(Face face)
{
    switch (face) {
    case Face::arial: return {"Liberation Sans", "Arimo", "Nimbus Sans", "Arial", "DejaVu Sans"};
    case Face::bookantiqua: return {"P052", "TeX Gyre Pagella", "URW Palladio L", "Book Antiqua", "DejaVu Serif"};
    case Face::lucidasans: return {"DejaVu Sans", "Bitstream Vera Sans", "Lucida Sans", "Verdana"};
    case Face::chancery: return {"Z003", "URW Chancery L", "TeX Gyre Chorus", "Black Chancery"};
    }
    return {};
}

QString firstinstalled(const QStringList& families)
{
    for (const QString& family : families)
        if (QFontDatabase::hasFamily(family))
            return family;
    return {};
}

QFont gamefont(Face face, int pixels, bool bold, bool italic)
{
    return gamefont(face, candidates(face), pixels, bold, italic);
}

QFont gamefont(Face face, const QStringList& families, int pixels, bool bold, bool italic)
{
    QFont font;
    // Without any of the faces the kind is what matters: a chancery becomes an
    // italic serif rather than a plain sans serif.
    QString family = firstinstalled(families);
    bool serif = face == Face::bookantiqua || face == Face::chancery;
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    // Whatever the face lacks, a name typed with emoji included, comes from the
    // colour emoji face after it.
    font.setFamilies(
        {family.isEmpty() ? (serif ? QStringLiteral("serif") : QStringLiteral("sans-serif")) : family, emojifamily});
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic || (family.isEmpty() && face == Face::chancery));
    return font;
}

}  // namespace hexbrawl::ui
