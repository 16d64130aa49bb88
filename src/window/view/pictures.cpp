// SPDX-License-Identifier: MIT
// Smooth scaling from the sharper of the two sources.
#include "window/view/pictures.h"

#include <cmath>

namespace purzo {

Picture LoadPicture(const QString& name) {
    const QString base = QStringLiteral(":/pictures/") + name;
    return {QPixmap(base + QStringLiteral(".jpg")), QPixmap(base + QStringLiteral("-2x.jpg"))};
}

QPixmap PictureAtScale(const Picture& picture, double scale, double devicePixelRatio) {
    if (scale == 1.0 && devicePixelRatio == 1.0) {
        return picture.designed;
    }
    const bool useLarge = scale * devicePixelRatio > 1.0 && !picture.large.isNull();
    const QPixmap& source = useLarge ? picture.large : picture.designed;
    const QSize device(int(std::lround(picture.designed.width() * scale * devicePixelRatio)),
                       int(std::lround(picture.designed.height() * scale * devicePixelRatio)));
    QPixmap scaled = source.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(devicePixelRatio);
    return scaled;
}

} // namespace purzo
