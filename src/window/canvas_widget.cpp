// SPDX-License-Identifier: MIT
// The canvas paints from state: any repaint brings back the background, the tools that are on
// and the current figure.
#include "window/canvas_widget.h"

#include "body/canvas_units.h"
#include "body/segment_lengths.h"
#include "flight/flight_record.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace purzo {
namespace {

// The picture's ground line: image row 533 is canvas y 150 in the designed view.
constexpr double kImageRowsPerGround = 533.0;

const QColor kPathColour(220, 50, 20);
const QColor kSequenceColour(0, 0, 0, 60);
const QColor kPreviousColour(20, 90, 220, 120);
const QColor kPanelBackground(255, 255, 255, 225);

QString PartName(BodyPart part) {
    switch (part) {
    case BodyPart::Hip:
        return QCoreApplication::translate("purzo::CanvasWidget", "Hüfte");
    case BodyPart::Shoulder:
        return QCoreApplication::translate("purzo::CanvasWidget", "Schulter");
    case BodyPart::Elbow:
        return QCoreApplication::translate("purzo::CanvasWidget", "Ellbogen");
    case BodyPart::Hand:
        return QCoreApplication::translate("purzo::CanvasWidget", "Hand");
    case BodyPart::Knee:
        return QCoreApplication::translate("purzo::CanvasWidget", "Knie");
    case BodyPart::Foot:
        return QCoreApplication::translate("purzo::CanvasWidget", "Fuß");
    case BodyPart::Neck:
        return QCoreApplication::translate("purzo::CanvasWidget", "Hals");
    case BodyPart::Head:
        return QCoreApplication::translate("purzo::CanvasWidget", "Kopf");
    }
    return {};
}

DrawnFigure Drawn(const FrameResult& frame) {
    return ToDrawn(frame.figure, StandardSegmentLengths().headRadius);
}

} // namespace

CanvasWidget::CanvasWidget(QWidget* parent)
    : QFrame(parent), hall_(LoadPicture(QStringLiteral("sporthalle"))) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorderPx);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    locale_.setNumberOptions(QLocale::OmitGroupSeparator);
}

void CanvasWidget::setScale(double scale) {
    scale_ = scale;
    setLineWidth(std::max(1, int(std::lround(kBorderPx * scale))));
    update();
}

double CanvasWidget::penWidthDevicePx() const {
    // A cosmetic pen is measured in device pixels, whatever the painter's transform.
    return kPenWidthPx * scale_ * devicePixelRatioF();
}

void CanvasWidget::startFlight(Model model) {
    model_ = model;
    frames_.clear();
    update();
}

void CanvasWidget::showFrame(const FrameResult& frame) {
    frames_.push_back(frame);
    update(contentsRect());
}

void CanvasWidget::showFrames(std::vector<FrameResult> frames) {
    frames_ = std::move(frames);
    update(contentsRect());
}

void CanvasWidget::setPreviousFlight(std::vector<FrameResult> frames) {
    previous_ = std::move(frames);
    update();
}

void CanvasWidget::setTools(const CanvasTools& tools) {
    tools_ = tools;
    update();
}

void CanvasWidget::setNumberLocale(const QLocale& locale) {
    locale_ = locale;
    locale_.setNumberOptions(QLocale::OmitGroupSeparator);
    update();
}

std::optional<DrawnFigure> CanvasWidget::figure() const {
    if (frames_.empty()) {
        return std::nullopt;
    }
    return Drawn(frames_.back());
}

QTransform CanvasWidget::designTransform() const {
    const QRect area = contentsRect();
    QTransform t;
    t.translate(area.left(), area.top());
    t.scale(area.width() / double(kCanvasWidth), area.height() / double(kCanvasHeight));
    return t;
}

QTransform CanvasWidget::wholeViewTransform() const {
    const QRectF area = contentsRect();
    const double k =
        std::min(area.width() / kWholeView.width(), area.height() / kWholeView.height());
    QTransform t;
    t.translate(area.left() + (area.width() - kWholeView.width() * k) / 2,
                area.top() + (area.height() - kWholeView.height() * k) / 2);
    t.scale(k, k);
    t.translate(-kWholeView.left(), -kWholeView.top());
    return t;
}

QTransform CanvasWidget::canvasTransform() const {
    return tools_.wholeView ? wholeViewTransform() : designTransform();
}

QPixmap CanvasWidget::wholeViewBackground() const {
    // The picture keeps its place in canvas units, at one scale for both directions with its
    // ground line on y 150. Beyond its edges the wall and the floor go on plainly: each strip
    // carries the mean colour of the picture's outermost band, row by row or column by column.
    const QRect area = contentsRect();
    const double ratio = devicePixelRatioF();
    const QTransform t = wholeViewTransform();
    const double imagePxToLogical = t.m11() * kCanvasHeight / kImageRowsPerGround;
    const QImage hall = PictureAtScale(hall_, imagePxToLogical, ratio)
                            .toImage()
                            .convertToFormat(QImage::Format_RGB32);
    const QSizeF hallSize = QSizeF(hall.size()) / ratio;
    const QPointF origin = t.map(QPointF(0, 0)) - QPointF(area.topLeft());

    // Edge bands of the picture averaged across their depth: a column for the sides, a row for
    // top and bottom.
    const int depth = std::max(
        1, std::min({hall.width(), hall.height(), int(std::lround(6 * imagePxToLogical * ratio))}));
    auto bandMean = [&hall, depth](bool vertical, bool farEdge) {
        const int length = vertical ? hall.height() : hall.width();
        QImage band(vertical ? 1 : length, vertical ? length : 1, QImage::Format_RGB32);
        for (int i = 0; i < length; ++i) {
            int r = 0, g = 0, b = 0;
            for (int d = 0; d < depth; ++d) {
                const int across = farEdge ? (vertical ? hall.width() : hall.height()) - 1 - d : d;
                const QRgb p = vertical ? hall.pixel(across, i) : hall.pixel(i, across);
                r += qRed(p);
                g += qGreen(p);
                b += qBlue(p);
            }
            band.setPixel(vertical ? 0 : i, vertical ? i : 0,
                          qRgb(r / depth, g / depth, b / depth));
        }
        return band;
    };
    const QImage left = bandMean(true, false), right = bandMean(true, true);
    const QImage top = bandMean(false, false), bottom = bandMean(false, true);

    QPixmap out(area.size() * ratio);
    out.setDevicePixelRatio(ratio);
    QPainter p(&out);
    const QRectF whole(QPointF(0, 0), QSizeF(area.size()));
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

const QPixmap& CanvasWidget::background() {
    const double ratio = devicePixelRatioF();
    const QRect area = contentsRect();
    if (background_.isNull() || backgroundRatio_ != ratio || backgroundArea_ != area ||
        backgroundWholeView_ != tools_.wholeView) {
        background_ =
            tools_.wholeView ? wholeViewBackground() : PictureAtScale(hall_, scale_, ratio);
        backgroundRatio_ = ratio;
        backgroundArea_ = area;
        backgroundWholeView_ = tools_.wholeView;
    }
    return background_;
}

void CanvasWidget::drawFigure(QPainter& painter, const DrawnFigure& figure,
                              const QTransform& transform, const QColor& colour,
                              double widthFactor) const {
    painter.setTransform(transform);
    QPen pen(colour, penWidthDevicePx() * widthFactor, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const CanvasLine& l : figure.lines) {
        painter.drawLine(QLineF(l.x1, l.y1, l.x2, l.y2));
    }
    // The radius is in x units; the y radius is adjusted so that the head is round on screen.
    const CanvasCircle& h = figure.head;
    painter.drawEllipse(QPointF(h.x, h.y), h.radius, h.radius * transform.m11() / transform.m22());
}

void CanvasWidget::drawPath(QPainter& painter, const std::vector<FrameResult>& frames,
                            const QTransform& transform, const QColor& colour, bool markers) const {
    // Drawn in widget pixels, so that the line and the markers keep their size in either view.
    painter.resetTransform();
    QPainterPath path;
    for (const FrameResult& f : frames) {
        const QPointF p = transform.map(QPointF(f.pathX, f.pathY));
        if (path.elementCount() == 0) {
            path.moveTo(p);
        } else {
            path.lineTo(p);
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 1.5 * scale_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    if (markers) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        const double r = 2.5 * scale_;
        for (const FrameResult& f : frames) {
            painter.drawEllipse(transform.map(QPointF(f.pathX, f.pathY)), r, r);
        }
    }
}

QStringList CanvasWidget::dataPanelLines() const {
    return panelLines(nullptr);
}

QStringList CanvasWidget::panelLines(int* landingLines) const {
    if (landingLines) {
        *landingLines = 0;
    }
    if (frames_.empty()) {
        return {};
    }
    const FrameResult& f = frames_.back();
    const bool exact = model_ == Model::Exact;
    auto number = [this](double value, int decimals = 2) {
        return locale_.toString(value, 'f', decimals);
    };
    QString posture = QString::number(f.posture);
    if (f.posture == 1) {
        posture = tr("%1 gestreckt").arg(f.posture);
    } else if (f.posture == 7) {
        posture = tr("%1 gehockt").arg(f.posture);
    }
    const QString rotation = exact ? number(f.rotationDeg, 1) : QString::number(f.rotationDeg);
    QStringList lines{
        exact ? tr("Modell: exakt") : tr("Modell: klassisch"),
        tr("Zeit: %1 s").arg(number(f.timeS)),
        tr("Weite: %1 m").arg(number(f.flightX)),
        tr("Höhe: %1 m").arg(number(CentreHeightM(f))),
        tr("Drehung: %1° (%2 Umdrehungen)").arg(rotation, number(TurnsOf(f))),
        tr("Haltung: %1").arg(posture),
    };
    if (exact) {
        lines << tr("Winkelgeschwindigkeit: %1 °/s").arg(number(f.omegaDegPerS, 1))
              << tr("Trägheitsmoment: %1 kg·m²").arg(number(f.inertiaKgM2))
              << tr("Drehimpuls: %1 kg·m²/s").arg(number(f.angularMomentumKgM2PerS));
    }
    if (f.lastFrame) {
        const QStringList landing{tr("Flugzeit: %1 s").arg(number(f.timeS)),
                                  tr("Weite: %1 m").arg(number(f.flightX)),
                                  tr("Bilder: %1").arg(f.frame)};
        lines << landing;
        if (landingLines) {
            *landingLines = int(landing.size());
        }
        if (exact && f.landed) {
            lines << tr("Erster Bodenkontakt: %1").arg(PartName(f.lowestPart));
            if (landingLines) {
                ++*landingLines;
            }
        }
    }
    return lines;
}

void CanvasWidget::drawDataPanel(QPainter& painter) const {
    int landingLines = 0;
    const QStringList lines = panelLines(&landingLines);
    if (lines.isEmpty()) {
        return;
    }
    painter.resetTransform();
    QFont font = this->font();
    font.setPointSizeF(9.0 * scale_);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const double margin = 6 * scale_;
    double width = 0;
    for (const QString& line : lines) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    const double gap = landingLines ? metrics.lineSpacing() / 2 : 0;
    const QRectF box(contentsRect().topLeft() + QPointF(margin, margin),
                     QSizeF(width + 2 * margin, lines.size() * metrics.lineSpacing() + gap +
                                                    2 * margin - metrics.leading()));
    painter.setPen(QPen(QColor(120, 120, 120), 1));
    painter.setBrush(kPanelBackground);
    painter.drawRect(box);
    painter.setPen(Qt::black);
    double y = box.top() + margin + metrics.ascent();
    for (int i = 0; i < lines.size(); ++i) {
        if (i == lines.size() - landingLines) {
            y += gap;
        }
        painter.drawText(QPointF(box.left() + margin, y), lines[i]);
        y += metrics.lineSpacing();
    }
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    const QRect area = contentsRect();
    QPainter painter(this);
    painter.setClipRect(area);
    painter.fillRect(area, palette().window());
    // From the drawing area's top-left corner, cut off at its right and bottom edges.
    painter.drawPixmap(area.topLeft(), background());
    const QTransform transform = canvasTransform();
    painter.setRenderHint(QPainter::Antialiasing);
    if (tools_.previous && !previous_.empty()) {
        drawPath(painter, previous_, transform, kPreviousColour, false);
        drawFigure(painter, Drawn(previous_.back()), transform, kPreviousColour, 1.0);
    }
    if (tools_.sequence && frames_.size() > 1) {
        for (std::size_t i = 0; i + 1 < frames_.size(); ++i) {
            drawFigure(painter, Drawn(frames_[i]), transform, kSequenceColour, 1.0);
        }
    }
    if (tools_.path && !frames_.empty()) {
        drawPath(painter, frames_, transform, kPathColour, true);
    }
    if (!frames_.empty()) {
        drawFigure(painter, Drawn(frames_.back()), transform, Qt::black, 1.0);
    }
    if (tools_.data) {
        drawDataPanel(painter);
    }
}

} // namespace purzo
