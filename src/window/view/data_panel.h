// SPDX-License-Identifier: MIT
// "Flugdaten": the numbers of the frame shown, in a box in a top corner of the canvas. The box
// takes the corner that the flight's centre-of-mass path, widened by the body's reach, covers
// less, decided when a flight starts.
#pragma once

#include "body/point.h"
#include "design/canvas_design.h"
#include "flight/frame_step.h"
#include "flight/model.h"

#include <QCoreApplication>
#include <QFont>
#include <QLocale>
#include <QRectF>
#include <QStringList>
#include <QTransform>
#include <vector>

class QPainter;

namespace purzo {

struct PanelText;

// A text of the panel translated in the canvas's context, its arguments filled in.
QString FilledPanelText(const PanelText& text);
// The verdict line under the canvas for a flight that landed; empty for one that has not.
QString VerdictLineText(const std::vector<FrameResult>& frames);

class DataPanel {
public:
    struct Lines {
        QStringList text;
        int landingLines = 0; // the last ones, after a gap: the landed flight's summary
    };
    // The lines for a frame of a flight in `model`, numbers in `locale`.
    static Lines LinesFor(const FrameResult& frame, Model model, const Athlete& athlete,
                          const QLocale& locale);

    // The box at `scale` for these lines in `font` (already scaled), pixels.
    static QSizeF BoxSize(const Lines& lines, const QFont& font, double scale);
    static void Draw(QPainter& painter, const QRectF& box, const Lines& lines, const QFont& font,
                     double scale);

    // Whether the right top corner of `area` suits the box better than the left one: the
    // corner whose box covers less of the path widened by the body's reach (canvas units).
    // Ties go left.
    static bool BelongsRight(const std::vector<Point>& path, const QSizeF& box, const QRectF& area,
                             const QTransform& canvasToArea, double margin, double bodyReach);
};

} // namespace purzo
