// SPDX-License-Identifier: MIT
// Qt Charts draws the series; the numbers are the model's, read off the frames.
#include "window/tools/charts_window.h"

#include "flight/quantities.h"
#include "window/lesson/saving.h"
#include "window/tools/charts_legend.h"
#include "window/translations.h"
#include "window/view/flight_marks.h"
#include "window/view/fonts.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace purzo {
namespace {

const QColor kMarkerColour(220, 50, 20);
constexpr QSize kDesignSize{900, 840}; // at the main window's scale 1
constexpr QSize kSmallestChartPx{250, 200};

// The plots in the order of the charts' quantities, as many as the exact model has.
Quantity Charted(std::size_t plot) {
    return ChartQuantities(Model::Exact)[plot];
}

QString HeaderText(Quantity q) {
    return QString::fromStdString(HeaderOf(
        q, CurrentLanguage() == Language::English ? TextLanguage::English : TextLanguage::German));
}

// The header in lines no wider than `room`: its words where they fit, "(unit)" kept whole.
QString WrappedTitle(Quantity q, const QFontMetricsF& metrics, double room) {
    const TextLanguage language =
        CurrentLanguage() == Language::English ? TextLanguage::English : TextLanguage::German;
    QStringList words = QString::fromUtf8(NameOf(q, language)).split(QLatin1Char(' '));
    if (const QString unit = QString::fromUtf8(InfoOf(q).unit); !unit.isEmpty()) {
        words << QStringLiteral("(%1)").arg(unit);
    }
    QStringList lines;
    for (const QString& word : words) {
        const QString longer = lines.isEmpty() ? word : lines.back() + QLatin1Char(' ') + word;
        if (!lines.isEmpty() && metrics.horizontalAdvance(longer) <= room) {
            lines.back() = longer;
        } else {
            lines << word;
        }
    }
    return lines.join(QStringLiteral("<br>"));
}

// A marker of the style, drawn once at the size the charts show it.
QImage MarkerImage(const FlightStyle& style) {
    QImage image(22, 22, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawMarker(painter, QPointF(11, 11), style, 8);
    return image;
}

QList<QPointF> PointsOf(const std::vector<FrameResult>& frames, Quantity q) {
    QList<QPointF> points;
    for (const FrameResult& f : frames) {
        points << QPointF(f.timeS, FrameValueOf(q, f));
    }
    return points;
}

} // namespace

ChartsWindow::ChartsWindow(QWidget* mainWindow) : QWidget(mainWindow, Qt::Tool) {
    setObjectName(QStringLiteral("chartsWindow"));
    setWindowTitle(tr("Diagramme – Purzosimulation"));
    grid_ = new QWidget(this);
    auto* grid = new QGridLayout(grid_);
    grid->setContentsMargins(0, 0, 0, 0);
    plots_.resize(ChartQuantities(Model::Exact).size());
    for (int q = 0; q < int(plots_.size()); ++q) {
        Plot& p = plots_[std::size_t(q)];
        auto* chart = new QChart;
        chart->legend()->hide(); // one legend under them all names the flights whole
        chart->setMargins(QMargins(4, 4, 4, 4));
        p.flight = new QLineSeries;
        p.flight->setPen(QPen(kChartedFlightColour, 2));
        p.marker = new QScatterSeries;
        p.marker->setColor(kMarkerColour);
        p.marker->setBorderColor(kMarkerColour);
        p.marker->setMarkerSize(9);
        p.time = new QValueAxis;
        p.time->setTitleText(HeaderText(purzo::Quantity::Time));
        p.value = new QValueAxis;
        p.value->setTitleText(HeaderText(Charted(std::size_t(q))));
        chart->addAxis(p.time, Qt::AlignBottom);
        chart->addAxis(p.value, Qt::AlignLeft);
        std::vector<QXYSeries*> all{p.flight, p.marker};
        for (std::size_t i = 0; i < kMostBeside; ++i) {
            // In its style, its marker at each frame, so that a grey print tells them apart.
            p.beside[i] = new QLineSeries;
            p.beside[i]->setPen(FlightPen(kShownFlightStyles[i], 2));
            p.beside[i]->setLightMarker(MarkerImage(kShownFlightStyles[i]));
            p.beside[i]->setMarkerSize(11);
            all.push_back(p.beside[i]);
        }
        for (QXYSeries* series : all) {
            chart->addSeries(series);
            series->attachAxis(p.time);
            series->attachAxis(p.value);
        }
        p.view = new QChartView(chart);
        p.view->setRenderHint(QPainter::Antialiasing);
        // Never smaller than this: a narrow window shows the charts in one column and scrolls.
        p.view->setMinimumSize(kSmallestChartPx);
        grid->addWidget(p.view, q / 2, q % 2);
    }
    save_ = new QPushButton(tr("Diagramme speichern…"), this);
    save_->setObjectName(QStringLiteral("saveChartsButton"));
    connect(save_, &QPushButton::clicked, this, &ChartsWindow::chooseFile);
    legend_ = new ChartsLegend(this);
    auto* layout = new QVBoxLayout(this);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("chartsScroll"));
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidget(grid_);
    layout->addWidget(scroll_, 1);
    layout->addWidget(legend_);
    layout->addWidget(save_, 0, Qt::AlignRight);
    showFlight(Model::Classic, {}, 0, {});
    setScale(1.0);
}

const ChartsWindow::Plot& ChartsWindow::plotOf(Quantity quantity) const {
    const std::span<const Quantity> charted = ChartQuantities(Model::Exact);
    const auto at = std::find(charted.begin(), charted.end(), quantity);
    return plots_.at(std::size_t(at - charted.begin()));
}

QChart* ChartsWindow::chart(Quantity quantity) const {
    return plotOf(quantity).view->chart();
}

bool ChartsWindow::isPlotShown(Quantity quantity) const {
    return !plotOf(quantity).view->isHidden();
}

void ChartsWindow::showFlight(Model model, const std::vector<FrameResult>& frames,
                              std::size_t shown, const std::vector<ShownFlight>& beside) {
    double lastTime = frames.empty() ? 0.1 : std::max(0.1, frames.back().timeS);
    for (const ShownFlight& b : beside) {
        if (!b.frames.empty()) {
            lastTime = std::max(lastTime, b.frames.back().timeS);
        }
    }
    // The exact model's charts whenever a flight drawn is exact, the one on show or beside it.
    bool anyExact = model == Model::Exact;
    for (const ShownFlight& b : beside) {
        anyExact = anyExact || b.model == Model::Exact;
    }
    for (std::size_t q = 0; q < plots_.size(); ++q) {
        Plot& p = plots_[q];
        const Quantity quantity = Charted(q);
        const bool plotted = ModelHas(anyExact ? Model::Exact : model, quantity);
        p.view->setVisible(plotted);
        const QList<QPointF> flight =
            ModelHas(model, quantity) ? PointsOf(frames, quantity) : QList<QPointF>{};
        p.flight->replace(flight);
        p.flight->setName(tr("Flug auf dem Bild"));
        p.marker->clear();
        if (shown > 0 && shown <= std::size_t(flight.size())) {
            p.marker->append(flight[qsizetype(shown - 1)]);
        }
        std::vector<QList<QPointF>> lists{flight};
        for (std::size_t i = 0; i < kMostBeside; ++i) {
            QLineSeries* series = p.beside[i];
            const bool has = i < beside.size() && plotted && ModelHas(beside[i].model, quantity);
            series->replace(has ? PointsOf(beside[i].frames, quantity) : QList<QPointF>{});
            series->setPen(FlightPen(kShownFlightStyles[has ? beside[i].style : i], 2));
            series->setLightMarker(MarkerImage(kShownFlightStyles[has ? beside[i].style : i]));
            // Named short: the canvas's legend gives the take-off in the same colour.
            series->setName(has ? tr("Flug %1").arg(beside[i].number) : QString());
            series->setVisible(has);
            if (has) {
                lists.push_back(series->points());
            }
        }
        // Value axes from the data, with a little room, and starting at 0 where the values do.
        double lo = 0, hi = 1;
        bool any = false;
        for (const QList<QPointF>& list : lists) {
            for (const QPointF& pt : list) {
                lo = any ? std::min(lo, pt.y()) : pt.y();
                hi = any ? std::max(hi, pt.y()) : pt.y();
                any = true;
            }
        }
        if (any) {
            lo = std::min(lo, 0.0);
            // A quantity that stays nought (H while no limb moves) gets a unit of room, not a
            // millionth.
            if (hi - lo < 1e-6) {
                hi = lo + 1;
            }
            const double room = (hi - lo) * 0.05;
            hi += room;
            lo = lo < 0 ? lo - room : lo;
        }
        p.value->setRange(lo, hi);
        p.time->setRange(0, std::ceil(lastTime * 10) / 10);
        // Round steps on both axes: a teacher reads values off them. A narrow chart takes fewer
        // steps in time, so that every label stays whole.
        p.value->applyNiceNumbers();
        p.time->applyNiceNumbers();
    }
    std::vector<ChartsLegend::Entry> entries;
    if (!beside.empty()) {
        entries.push_back({tr("Flug auf dem Bild"), std::nullopt});
    }
    for (const ShownFlight& b : beside) {
        const QString name = tr("Flug %1").arg(b.number);
        entries.push_back(
            {b.group.isEmpty() ? name : name + QStringLiteral(" – ") + b.group, b.style});
    }
    legend_->setEntries(std::move(entries));
    legend_->setVisible(!beside.empty());
    applyFonts(); // the charts shown may have changed their sizes
}

void ChartsWindow::setScale(double scale) {
    scale_ = scale;
    QSize wanted(int(kDesignSize.width() * scale), int(kDesignSize.height() * scale));
    // Never taller or wider than the screen leaves room for, its frame included.
    if (const QScreen* s = screen()) {
        const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize();
        wanted = wanted.boundedTo(s->availableGeometry().size() - frame);
    }
    resize(wanted);
    applyFonts();
}

void ChartsWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    applyFonts();
}

void ChartsWindow::applyFonts() {
    // The text grows and shrinks with the window, as the canvas's does with the main window.
    const double factor = std::clamp(
        std::min(width() / double(kDesignSize.width()), height() / double(kDesignSize.height())) *
            1.15,
        0.8, 2.2);
    QFont font = DefaultFont();
    font.setPointSizeF(font.pointSizeF() * factor);
    setFont(font);
    QFont axis = font;
    axis.setPointSizeF(font.pointSizeF() * 1.1);
    const QFontMetricsF metrics(axis);
    for (std::size_t q = 0; q < plots_.size(); ++q) {
        Plot& p = plots_[q];
        for (QValueAxis* a : {p.time, p.value}) {
            a->setLabelsFont(font);
            a->setTitleFont(axis);
        }
        // The value's title along the chart's height: on more lines where one is too long,
        // the unit never split off or cut.
        const double room = std::max(40.0, p.view->height() * 0.6);
        p.value->setTitleText(WrappedTitle(Charted(q), metrics, room));
        p.time->setTickCount(p.view->width() < 380 ? 3 : 5);
    }
    // Two columns where two fit side by side, else one.
    auto* grid = static_cast<QGridLayout*>(grid_->layout());
    const int columns = width() >= 2 * kSmallestChartPx.width() + 40 ? 2 : 1;
    if (columns != columns_) {
        columns_ = columns;
        for (int q = 0; q < int(plots_.size()); ++q) {
            grid->addWidget(plots_[std::size_t(q)].view, q / columns, q % columns);
        }
    }
}

QImage ChartsWindow::chartsPicture() const {
    // At least at the designed size, however small the window stands beside the main one.
    // Its scroll area would size it back to the window at once: held for the picture.
    const QSize designed(int(kDesignSize.width() * scale_), int(kDesignSize.height() * scale_));
    scroll_->setWidgetResizable(false);
    grid_->resize(grid_->size().expandedTo(designed));
    const QImage picture = grid_->grab().toImage();
    scroll_->setWidgetResizable(true);
    return picture;
}

bool ChartsWindow::saveCharts(const QString& path) {
    const auto failure = SavePngAtomically(path, chartsPicture());
    if (failure) {
        emit saveFailed(ShowSaveFailure(this, path, *failure));
    }
    return !failure;
}

void ChartsWindow::chooseFile() {
    const QString path = WithSuffix(
        QFileDialog::getSaveFileName(this, tr("Diagramme speichern"),
                                     QDir(SaveFolder()).filePath(QStringLiteral("diagramme.png")),
                                     tr("PNG-Bilder (*.png)")),
        QStringLiteral("png"));
    if (!path.isEmpty()) {
        saveCharts(path);
    }
}

} // namespace purzo
