// SPDX-License-Identifier: MIT
// The window's pictures at their designed size and drawn at twice that size, and the pixmap to
// show at a scale: the designed one untouched at scale 1, otherwise scaled smoothly from the
// larger source whenever the scale times the device pixel ratio exceeds 1.
#pragma once

#include <QPixmap>
#include <QString>

namespace purzo {

struct Picture {
    QPixmap designed; // one image pixel per logical pixel at scale 1
    QPixmap large;    // the same subject at twice the resolution
};

// `name` without extension, e.g. "sporthalle": loads name.jpg and name-2x.jpg from the resources.
Picture LoadPicture(const QString& name);

// The picture at `scale` logical pixels per design pixel on a device with `devicePixelRatio`.
QPixmap PictureAtScale(const Picture& picture, double scale, double devicePixelRatio);

} // namespace purzo
