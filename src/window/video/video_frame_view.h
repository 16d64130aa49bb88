// SPDX-License-Identifier: MIT
// The video's current frame, scaled to fit with its shape kept, with the overlay over it. A
// click tells the point of the frame; a mark or a stick end pressed and moved is dragged.
#pragma once

#include "video/video_image.h"
#include "window/video/video_overlay.h"

#include <QImage>
#include <QWidget>
#include <optional>
#include <vector>

namespace purzo {

class VideoFrameView : public QWidget {
    Q_OBJECT
public:
    explicit VideoFrameView(QWidget* parent = nullptr);

    void setFrame(const RgbImage& frame);
    const QImage& frame() const { return frame_; }
    void setOverlay(VideoOverlay overlay);
    const VideoOverlay& overlay() const { return overlay_; }
    // A line over the top of the frame: what a click does now.
    void setHint(const QString& hint);
    QString hint() const { return hint_; }
    // The points that can be dragged, in the video's pixels.
    void setDraggable(std::vector<PixelPoint> points);

    // Where the frame stands in the widget, and the mapping between the two.
    QRectF frameRect() const;
    QPointF toWidget(PixelPoint p) const;
    PixelPoint toFrame(QPointF widgetPoint) const; // on the picture's edge when beside it

    QSize sizeHint() const override { return {640, 360}; }
    QSize minimumSizeHint() const override { return {240, 135}; }

signals:
    void clicked(purzo::PixelPoint at);
    // While dragging, and once more when let go.
    void dragged(int index, purzo::PixelPoint at);
    void dragFinished(int index, purzo::PixelPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QTransform toWidgetTransform() const;
    std::optional<int> draggableNear(QPointF widgetPoint) const;

    QImage frame_;
    VideoOverlay overlay_;
    QString hint_;
    std::vector<PixelPoint> draggable_;
    std::optional<int> pressedOn_; // a draggable point pressed
    QPointF pressedAt_;
    bool dragging_ = false;
};

} // namespace purzo
