// SPDX-License-Identifier: MIT
// The lesson on one A4 landscape page as PDF: its title and date, the picture of the canvas with
// the compared flights, their legend and groups, and the groups' table as the hand-in's first
// sheet has it.
#pragma once

#include "flight/flight_log.h"

#include <QByteArray>

class QPaintDevice;
#include <QImage>
#include <QRectF>
#include <QString>

namespace purzo {

// The page's PDF. `today` names a lesson without its own date; the table's numbers use the
// window's language.
QByteArray LessonSheetPdf(const FlightLog& log, const QImage& picture, const QString& today);

// The same page painted on `device` (a PDF writer's page, or a picture of it); returns the
// rectangle all that was painted takes, in the device's pixels.
QRectF PaintLessonSheet(QPaintDevice& device, const FlightLog& log, const QImage& picture,
                        const QString& today);

// The smallest text on the page, in points: it reads when printed.
inline constexpr double kLessonSheetTextPt = 10;

} // namespace purzo
