// SPDX-License-Identifier: MIT
// What the video window draws over a frame: the stick and the floor line through its foot, the
// marks, and once fitted the measured centre of mass, the fitted parabola and the model's figure.
// Everything in the video's pixels; the drawing maps them onto the widget.
#pragma once

#include "video/body_marks.h"

#include <QString>
#include <QTransform>
#include <array>
#include <optional>
#include <vector>

class QPainter;

namespace purzo {

struct VideoOverlay {
    std::optional<PixelPoint> stickA, stickB;
    // The floor runs through `floorAt` along `floorDirection` (a unit vector in pixels).
    std::optional<PixelPoint> floorAt;
    PixelPoint floorDirection{1, 0};
    QString stickLabel; // "1,00 m"
    FrameMarks marks;
    std::optional<Joint> offered; // ringed: the joint the next click marks
    // From the fit, for this frame.
    std::optional<PixelPoint> centre;
    std::vector<PixelPoint> parabola; // the fitted path over the whole flight
    std::optional<PixelPoint> parabolaNow;
    std::optional<std::array<PixelPoint, kJointCount>> model;
    // "Was wäre, wenn…": the same take-off with another tuck, at this frame's time.
    std::optional<std::array<PixelPoint, kJointCount>> whatIf;
};

// Draws `overlay` with `toWidget` taking the video's pixels to the widget's; `scale` sizes pens
// and marks (1 at the window's standard size).
void DrawVideoOverlay(QPainter& painter, const VideoOverlay& overlay, const QTransform& toWidget,
                      double scale);

} // namespace purzo
