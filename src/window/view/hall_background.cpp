// SPDX-License-Identifier: MIT
#include "window/view/hall_background.h"

#include "body/canvas_units.h"
#include "design/canvas_design.h"
#include "design/edge_bands.h"

#include <QImage>
#include <QPainter>
#include <span>

namespace purzo {

QPixmap HallBackground::draw(const HallView& view) const {
    return view.wholeView ? wholeView(view) : PictureAtScale(hall_, view.scale, view.ratio);
}

QPixmap HallBackground::at(Place place, const HallView& view) {
    Kept& kept = kept_[std::size_t(place)];
    const HallView& k = kept.view;
    const bool same = !kept.pixmap.isNull() && k.areaPx == view.areaPx &&
                      k.wholeView == view.wholeView && k.ratio == view.ratio &&
                      (view.wholeView ? k.transform == view.transform : k.scale == view.scale);
    if (!same) {
        kept = {view, draw(view)};
    }
    return kept.pixmap;
}

QPixmap HallBackground::wholeView(const HallView& view) const {
    // The picture keeps its place in canvas units, at one scale for both directions with its
    // ground line on y 150. Beyond its edges the wall and the floor go on plainly: each strip
    // carries the mean colour of the picture's outermost band, row by row or column by column.
    const QTransform& t = view.transform;
    const double ratio = view.ratio;
    const double imagePxToLogical = t.m11() * kCanvasHeight / kHallRowsPerGround;
    const QImage hall = PictureAtScale(hall_, imagePxToLogical, ratio)
                            .toImage()
                            .convertToFormat(QImage::Format_RGB32);
    const QSizeF hallSize = QSizeF(hall.size()) / ratio;
    const QPointF origin = t.map(QPointF(0, 0));

    // Edge bands of the picture averaged across their depth: a column for the sides, a row for
    // top and bottom.
    const int depth = EdgeBandDepth(hall.width(), hall.height(), imagePxToLogical * ratio);
    const std::span<const std::uint32_t> pixels(
        reinterpret_cast<const std::uint32_t*>(hall.constBits()),
        std::size_t(hall.width()) * std::size_t(hall.height()));
    auto bandMean = [&](PictureEdge edge) {
        const std::vector<std::uint32_t> means =
            EdgeBandMeans(pixels, hall.width(), hall.height(), edge, depth);
        const bool side = edge == PictureEdge::Left || edge == PictureEdge::Right;
        QImage band(side ? 1 : int(means.size()), side ? int(means.size()) : 1,
                    QImage::Format_RGB32);
        for (int i = 0; i < int(means.size()); ++i) {
            band.setPixel(side ? 0 : i, side ? i : 0, means[std::size_t(i)]);
        }
        return band;
    };
    const QImage left = bandMean(PictureEdge::Left), right = bandMean(PictureEdge::Right);
    const QImage top = bandMean(PictureEdge::Top), bottom = bandMean(PictureEdge::Bottom);

    QPixmap out(view.areaPx * ratio);
    out.setDevicePixelRatio(ratio);
    QPainter p(&out);
    const QRectF whole(QPointF(0, 0), QSizeF(view.areaPx));
    const QRectF picture(origin, hallSize);
    const double xs[] = {whole.left(), picture.left(), picture.right(), whole.right()};
    const double ys[] = {whole.top(), picture.top(), picture.bottom(), whole.bottom()};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            const QRectF target(QPointF(xs[i], ys[j]), QPointF(xs[i + 1], ys[j + 1]));
            if (target.width() <= 0 || target.height() <= 0) {
                continue;
            }
            if (i == 1 && j == 1) {
                p.drawImage(target, hall);
            } else if (i == 1) {
                p.drawImage(target, j == 0 ? top : bottom);
            } else if (j == 1) {
                p.drawImage(target, i == 0 ? left : right);
            } else {
                // A corner: the colour where the two strips meet.
                const QImage& side = i == 0 ? left : right;
                p.fillRect(target, side.pixelColor(0, j == 0 ? 0 : side.height() - 1));
            }
        }
    }
    return out;
}

} // namespace purzo
