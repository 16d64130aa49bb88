// SPDX-License-Identifier: MIT
// A filmed jump made up for the video tests: a figure of the posture table standing, then flying
// a parabola and turning at a steady rate, a coloured marker on each joint, a one-metre stick on
// the floor, and each frame's number written into its top left corner as ten black or white
// blocks. Rendered with QPainter and encoded by the ffmpeg program.
#pragma once

#include "body/athlete.h"
#include "body/canvas_units.h"
#include "body/reference_figure.h"
#include "video/body_points.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QString>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace purzo::test {

struct FilmedJump {
    int width = 640, height = 360;
    int framesPerSecond = 30;
    double pixelsPerMetre = 80;
    double floorY = 320; // the floor's row
    double stickX = 70;  // the stick's column
    double startX = 2.0; // the standing centre, m right of the stick
    int standingFrames = 5;
    double speedMPerS = 5.5;
    double angleDeg = 65;
    double spinDegPerS = 120;
    double gravity = 9.81;
    int posture = 1;
    double extraS = 0.0; // filmed after the centre is back at its take-off height
    bool markers = true;

    double takeoffS() const { return double(standingFrames) / framesPerSecond; }
    double flightS() const {
        return 2 * speedMPerS * std::sin(angleDeg * std::numbers::pi / 180) / gravity;
    }
    int frameCount() const {
        return standingFrames + int(std::floor((flightS() + extraS) * framesPerSecond));
    }
    double timeOf(int frame) const { return double(frame) / framesPerSecond; }

    // The posture's points about their centre of mass, upright, m.
    BodyPoints shape() const {
        const BodyPoints p = PointsOfFigure(BuildReferenceFigure(
            SegmentLengthsOf(kStandardAthlete), kCanvasHeight, LimbDirectionsFor(posture)));
        const ScenePoint c = CentreOfPoints(p);
        BodyPoints out;
        for (std::size_t j = 0; j < p.size(); ++j) {
            out[j] = {p[j].xM - c.xM, p[j].heightM - c.heightM};
        }
        return out;
    }
    double standingCentreM() const {
        double lowest = 0;
        for (const ScenePoint& p : shape()) {
            lowest = std::min(lowest, p.heightM);
        }
        return -lowest;
    }
    // The centre of mass in the plane of the jump at `frame`'s time.
    ScenePoint centreAt(int frame) const {
        const double tau = std::max(timeOf(frame) - takeoffS(), 0.0);
        const double a = angleDeg * std::numbers::pi / 180;
        return {startX + speedMPerS * std::cos(a) * tau,
                standingCentreM() + speedMPerS * std::sin(a) * tau - gravity / 2 * tau * tau};
    }
    bool airborne(int frame) const { return timeOf(frame) > takeoffS(); }
    // Every joint at `frame`, in the video's pixels.
    std::array<QPointF, kJointCount> jointsAt(int frame) const {
        const double tau = std::max(timeOf(frame) - takeoffS(), 0.0);
        const double turn = spinDegPerS * tau * std::numbers::pi / 180; // clockwise
        const ScenePoint c = centreAt(frame);
        std::array<QPointF, kJointCount> out;
        const BodyPoints s = shape();
        for (std::size_t j = 0; j < s.size(); ++j) {
            const double x = s[j].xM * std::cos(turn) + s[j].heightM * std::sin(turn);
            const double h = -s[j].xM * std::sin(turn) + s[j].heightM * std::cos(turn);
            out[j] = toPixels({c.xM + x, c.heightM + h});
        }
        return out;
    }
    QPointF toPixels(ScenePoint p) const {
        return {stickX + p.xM * pixelsPerMetre, floorY - p.heightM * pixelsPerMetre};
    }
    QPointF stickFoot() const { return {stickX, floorY}; }
    QPointF stickTop() const { return {stickX, floorY - pixelsPerMetre}; }

    static QColor markerColour(int joint) {
        static const std::array<QColor, kJointCount> colours{
            QColor(255, 0, 0),   QColor(0, 220, 0),   QColor(0, 0, 255),  QColor(255, 255, 0),
            QColor(255, 0, 255), QColor(0, 255, 255), QColor(255, 140, 0)};
        return colours[std::size_t(joint)];
    }

    QImage frame(int index) const {
        QImage image(width, height, QImage::Format_RGB888);
        image.fill(QColor(150, 150, 150));
        QPainter p(&image);
        p.fillRect(QRectF(0, floorY, width, height - floorY), QColor(95, 95, 95));
        p.setPen(QPen(Qt::white, 4));
        p.drawLine(stickFoot(), stickTop());
        const auto joints = jointsAt(index);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(40, 40, 40), 5, Qt::SolidLine, Qt::RoundCap));
        const int bones[6][2] = {{0, 1}, {1, 2}, {2, 3}, {1, 4}, {4, 5}, {5, 6}};
        for (const auto& b : bones) {
            p.drawLine(joints[std::size_t(b[0])], joints[std::size_t(b[1])]);
        }
        p.setRenderHint(QPainter::Antialiasing, false);
        if (markers) {
            for (int j = 0; j < kJointCount; ++j) {
                p.fillRect(QRectF(joints[std::size_t(j)] - QPointF(4, 4), QSizeF(8, 8)),
                           markerColour(j));
            }
        }
        for (int bit = 0; bit < 10; ++bit) {
            p.fillRect(QRect(4 + bit * 14, 4, 12, 12), (index >> bit) & 1 ? Qt::white : Qt::black);
        }
        return image;
    }

    // Encodes the frames to `path` (its suffix chooses the container), with `extra` options for
    // the output; false when ffmpeg fails.
    bool render(const QString& path, const QStringList& extra = {}) const {
        QProcess ffmpeg;
        ffmpeg.start(QStringLiteral("ffmpeg"),
                     QStringList{"-v",
                                 "error",
                                 "-y",
                                 "-f",
                                 "rawvideo",
                                 "-pix_fmt",
                                 "rgb24",
                                 "-s",
                                 QStringLiteral("%1x%2").arg(width).arg(height),
                                 "-r",
                                 QString::number(framesPerSecond),
                                 "-i",
                                 "-",
                                 "-c:v",
                                 "libx264",
                                 "-crf",
                                 "12",
                                 "-pix_fmt",
                                 "yuv420p",
                                 "-g",
                                 "10"} +
                         extra + QStringList{path});
        if (!ffmpeg.waitForStarted()) {
            return false;
        }
        for (int i = 0; i < frameCount(); ++i) {
            const QImage f = frame(i);
            for (int y = 0; y < f.height(); ++y) {
                ffmpeg.write(reinterpret_cast<const char*>(f.constScanLine(y)), width * 3);
            }
            ffmpeg.waitForBytesWritten();
        }
        ffmpeg.closeWriteChannel();
        return ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0;
    }
};

// The frame number a frame's blocks write.
inline int FrameNumberIn(const QImage& image) {
    int number = 0;
    for (int bit = 0; bit < 10; ++bit) {
        if (qGray(image.pixel(4 + bit * 14 + 6, 10)) > 128) {
            number |= 1 << bit;
        }
    }
    return number;
}

} // namespace purzo::test
