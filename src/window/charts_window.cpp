// SPDX-License-Identifier: MIT
// Qt Charts draws the series; the numbers are the model's, read off the frames.
#include "window/charts_window.h"

#include "flight/quantities.h"
#include "window/fonts.h"
#include "window/saving.h"
#include "window/tool_window.h"
#include "window/translations.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QScreen>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace purzo {
namespace {

const QColor kFlightColour(20, 20, 20);
const QColor kPreviousColour(20, 90, 220);
const QColor kMarkerColour(220, 50, 20);
constexpr QSize kDesignSize{900, 840}; // at the main window's scale 1

// The plots in the order of the charts' quantities, as many as the exact model has.
Quantity Charted(ChartsWindow::Quantity q) {
    return ChartQuantities(Model::Exact)[std::size_t(q)];
}

double ValueOf(const FrameResult& f, ChartsWindow::Quantity q) {
    return FrameValueOf(Charted(q), f);
}

QString HeaderText(Quantity q) {
    return QString::fromStdString(HeaderOf(
        q, CurrentLanguage() == Language::English ? TextLanguage::English : TextLanguage::German));
}

QList<QPointF> PointsOf(const std::vector<FrameResult>& frames, ChartsWindow::Quantity q) {
    QList<QPointF> points;
    for (const FrameResult& f : frames) {
        points << QPointF(f.timeS, ValueOf(f, q));
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
    for (int q = 0; q < kQuantityCount; ++q) {
        Plot& p = plots_[std::size_t(q)];
        auto* chart = new QChart;
        chart->legend()->hide();
        chart->setMargins(QMargins(4, 4, 4, 4));
        p.previous = new QLineSeries;
        p.previous->setPen(QPen(kPreviousColour, 2));
        p.flight = new QLineSeries;
        p.flight->setPen(QPen(kFlightColour, 2));
        p.marker = new QScatterSeries;
        p.marker->setColor(kMarkerColour);
        p.marker->setBorderColor(kMarkerColour);
        p.marker->setMarkerSize(9);
        p.time = new QValueAxis;
        p.time->setTitleText(HeaderText(purzo::Quantity::Time));
        p.value = new QValueAxis;
        p.value->setTitleText(HeaderText(Charted(ChartsWindow::Quantity(q))));
        chart->addAxis(p.time, Qt::AlignBottom);
        chart->addAxis(p.value, Qt::AlignLeft);
        for (QXYSeries* series :
             {static_cast<QXYSeries*>(p.previous), static_cast<QXYSeries*>(p.flight),
              static_cast<QXYSeries*>(p.marker)}) {
            chart->addSeries(series);
            series->attachAxis(p.time);
            series->attachAxis(p.value);
        }
        p.view = new QChartView(chart);
        p.view->setRenderHint(QPainter::Antialiasing);
        grid->addWidget(p.view, q / 2, q % 2);
    }
    save_ = new QPushButton(tr("Diagramme speichern…"), this);
    save_->setObjectName(QStringLiteral("saveChartsButton"));
    connect(save_, &QPushButton::clicked, this, &ChartsWindow::chooseFile);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addWidget(save_, 0, Qt::AlignRight);
    showFlight(Model::Classic, {}, 0, {}, Model::Classic);
    setScale(1.0);
}

QChart* ChartsWindow::chart(Quantity quantity) const {
    return plots_[std::size_t(quantity)].view->chart();
}

bool ChartsWindow::isPlotShown(Quantity quantity) const {
    return !plots_[std::size_t(quantity)].view->isHidden();
}

void ChartsWindow::showFlight(Model model, const std::vector<FrameResult>& frames,
                              std::size_t shown, const std::vector<FrameResult>& previous,
                              Model previousModel) {
    const bool compare = !previous.empty() && previousModel == model;
    double lastTime = 0.1;
    for (const std::vector<FrameResult>* list : {&frames, &previous}) {
        if (!list->empty() && (list == &frames || compare)) {
            lastTime = std::max(lastTime, list->back().timeS);
        }
    }
    for (int q = 0; q < kQuantityCount; ++q) {
        Plot& p = plots_[std::size_t(q)];
        p.view->setVisible(std::size_t(q) < ChartQuantities(model).size());
        const QList<QPointF> flight = PointsOf(frames, Quantity(q));
        const QList<QPointF> before = compare ? PointsOf(previous, Quantity(q)) : QList<QPointF>{};
        p.flight->replace(flight);
        p.previous->replace(before);
        p.marker->clear();
        if (shown > 0 && shown <= std::size_t(flight.size())) {
            p.marker->append(flight[qsizetype(shown - 1)]);
        }
        // Value axes from the data, with a little room, and starting at 0 where the values do.
        double lo = 0, hi = 1;
        bool any = false;
        for (const QList<QPointF>* list : {&flight, &before}) {
            for (const QPointF& pt : *list) {
                lo = any ? std::min(lo, pt.y()) : pt.y();
                hi = any ? std::max(hi, pt.y()) : pt.y();
                any = true;
            }
        }
        if (any) {
            lo = std::min(lo, 0.0);
            const double room = std::max(1e-6, (hi - lo) * 0.05);
            hi += room;
            lo = lo < 0 ? lo - room : lo;
        }
        p.value->setRange(lo, hi);
        p.time->setRange(0, std::ceil(lastTime * 10) / 10);
        // Round steps on both axes: a teacher reads values off them.
        p.value->applyNiceNumbers();
        p.time->applyNiceNumbers();
    }
}

void ChartsWindow::setScale(double scale) {
    scale_ = scale;
    QFont font = DefaultFont();
    font.setPointSizeF(font.pointSizeF() * scale);
    setFont(font);
    for (Plot& p : plots_) {
        QFont axis = font;
        axis.setPointSizeF(font.pointSizeF() * 1.1);
        for (QValueAxis* a : {p.time, p.value}) {
            a->setLabelsFont(font);
            a->setTitleFont(axis);
        }
    }
    resize(QSize(int(kDesignSize.width() * scale), int(kDesignSize.height() * scale)));
}

void ChartsWindow::placeBeside(const QWidget& mainWindow) {
    PlaceBeside(*this, mainWindow);
}

QImage ChartsWindow::chartsPicture() const {
    return grid_->grab().toImage();
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
