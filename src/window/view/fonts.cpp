// SPDX-License-Identifier: MIT
// Font fall-backs: Liberation Sans has Arial's metrics and stands in for MS Sans Serif too.
#include "window/view/fonts.h"

#include <QStringList>

namespace purzo {

QFont MakeFont(const FontDesign& design) {
    const auto [face, pointSize, bold] = design;
    QFont font;
    switch (face) {
    case Face::MsSansSerif:
        font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                          QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        break;
    case Face::Arial:
        font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                          QStringLiteral("DejaVu Sans")});
        break;
    case Face::ArialBlack:
        font.setFamilies({QStringLiteral("Arial Black"), QStringLiteral("Liberation Sans"),
                          QStringLiteral("DejaVu Sans")});
        break;
    }
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    if (face == Face::ArialBlack) {
        font.setWeight(QFont::Black);
    } else {
        font.setWeight(bold ? QFont::Bold : QFont::Normal);
    }
    return font;
}

QFont DefaultFont() {
    return MakeFont(kDefaultFont);
}

} // namespace purzo
