// SPDX-License-Identifier: MIT
// Fusion's standard palette is the light one a plain X server shows: window and buttons
// #efefef, black text, white text boxes.
#include "window/controls/look.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace purzo {

QStyle* NewFusionStyle() {
    return QStyleFactory::create(QStringLiteral("Fusion"));
}

void ApplyLook() {
    QStyle* fusion = NewFusionStyle();
    QApplication::setStyle(fusion);
    QApplication::setPalette(fusion->standardPalette());
}

} // namespace purzo
