// SPDX-License-Identifier: MIT
// "Kalibrieren": the student clicks the two ends of a stick of known length standing on the
// floor in the plane of the jump; its length in a box. The model turns the stick into the
// video's scale, floor and vertical; a stick without length or with both ends in one place
// gives a message and no calibration.
#pragma once

#include "video/stick_calibration.h"
#include "window/video/video_overlay.h"

#include <QWidget>
#include <optional>

class QDoubleSpinBox;
class QLabel;

namespace purzo {

class CalibrationPanel : public QWidget {
    Q_OBJECT
public:
    explicit CalibrationPanel(QWidget* parent = nullptr);

    // The first click the foot's end, the second the other; a third starts the stick afresh.
    void clickAt(PixelPoint at);
    // A stick end dragged: 0 the first, 1 the second.
    void moveEnd(int end, PixelPoint at);
    void reset();

    std::optional<PixelPoint> firstEnd() const { return first_; }
    std::optional<PixelPoint> secondEnd() const { return second_; }
    double lengthM() const;
    const std::optional<Calibration>& calibration() const { return calibration_; }
    // What a click on the frame does next.
    QString hint() const;
    // The stick, its length and the floor line.
    void addToOverlay(VideoOverlay& overlay) const;

    QDoubleSpinBox* lengthField() const { return length_; }
    QLabel* message() const { return message_; }

signals:
    void changed();

private:
    void recalibrate();

    std::optional<PixelPoint> first_;
    std::optional<PixelPoint> second_;
    std::optional<Calibration> calibration_;
    QDoubleSpinBox* length_;
    QLabel* message_;
};

} // namespace purzo
