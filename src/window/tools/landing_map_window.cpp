// SPDX-License-Identifier: MIT
#include "window/tools/landing_map_window.h"

#include "flight/flight_constants.h"
#include "flight/log_cells.h"
#include "flight/number_text.h"
#include "flight/quantities.h"
#include "window/lesson/saving.h"
#include "window/tools/landing_map_view.h"
#include "window/tools/map_computation.h"
#include "window/translations.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>

namespace purzo {
namespace {

QString Number(double value, int decimals) {
    const char point = CurrentTextLanguage() == TextLanguage::English ? '.' : ',';
    return QString::fromStdString(FixedText(value, decimals, point));
}

QComboBox* DepthField(QWidget* parent) {
    auto* depth = new QComboBox(parent);
    for (int p = kFirstPlanDepth; p <= kLastPosture; ++p) {
        depth->addItem(LandingMapWindow::tr("Haltung %1").arg(p), p);
    }
    return depth;
}

bool SameAthlete(const FlightRecord& r, const MapRequest& request) {
    return r.model == request.model && (r.model == Model::Classic || r.athlete == request.athlete);
}

} // namespace

LandingMapWindow::LandingMapWindow(const FlightLog* log, QWidget* parent)
    : QWidget(parent, Qt::Window), log_(log) {
    setObjectName(QStringLiteral("landingMapWindow"));
    setWindowTitle(tr("Landekarte – Purzosimulation"));
    auto* grid = new QGridLayout(this);
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("mapKindField"));
    kind_->addItem(tr("Hockbeginn × Dauer"));
    kind_->addItem(tr("Geschwindigkeit × Winkel"));
    auto* kindLabel = new QLabel(tr("&Karte:"), this);
    kindLabel->setBuddy(kind_);
    grid->addWidget(kindLabel, 0, 0);
    grid->addWidget(kind_, 0, 1, 1, 3);
    model_ = new QLabel(this);
    model_->setWordWrap(true);
    grid->addWidget(model_, 1, 1, 1, 3);

    // A kind's fields: its label, two numbers beside it and the depth under them.
    const auto fieldsRow = [](QWidget* row, QLabel* label, QWidget* a, QWidget* b, QWidget* depth) {
        auto* fields = new QGridLayout(row);
        fields->setContentsMargins(0, 0, 0, 0);
        label->setBuddy(a);
        fields->addWidget(label, 0, 0);
        fields->addWidget(a, 0, 1);
        fields->addWidget(b, 0, 2);
        fields->addWidget(depth, 1, 1, 1, 2);
        fields->setColumnStretch(3, 1);
    };
    auto* takeoff = new QWidget(this);
    speed_ = new QDoubleSpinBox(takeoff);
    speed_->setObjectName(QStringLiteral("mapSpeedField"));
    speed_->setRange(kMinSpeed, kMaxSpeed);
    speed_->setDecimals(1);
    speed_->setSingleStep(0.1);
    speed_->setSuffix(QStringLiteral(" m/s"));
    speed_->setLocale(
        QLocale(CurrentLanguage() == Language::English ? QLocale::English : QLocale::German));
    angle_ = new QSpinBox(takeoff);
    angle_->setObjectName(QStringLiteral("mapAngleField"));
    angle_->setRange(kMinAngle, kMaxAngle);
    angle_->setSuffix(QStringLiteral("°"));
    tuckDepth_ = DepthField(takeoff);
    fieldsRow(takeoff, new QLabel(tr("&Absprung:"), takeoff), speed_, angle_, tuckDepth_);
    auto* plan = new QWidget(this);
    planStart_ = new QSpinBox(plan);
    planStart_->setObjectName(QStringLiteral("mapPlanStartField"));
    planStart_->setRange(kFirstPlanStartFrame, kMostFlightFrames);
    planStart_->setPrefix(tr("ab Bild "));
    planLength_ = new QSpinBox(plan);
    planLength_->setObjectName(QStringLiteral("mapPlanLengthField"));
    planLength_->setRange(1, kMostFlightFrames);
    planLength_->setSuffix(tr(" Bilder"));
    planDepth_ = DepthField(plan);
    fieldsRow(plan, new QLabel(tr("&Hockplan:"), plan), planStart_, planLength_, planDepth_);
    // Each kind's fields in the same place, the other kind's hidden.
    inputs_ = {takeoff, plan};
    grid->addWidget(takeoff, 2, 0, 1, 4);
    grid->addWidget(plan, 2, 0, 1, 4);

    view_ = new LandingMapView(this);
    grid->addWidget(view_, 3, 0, 1, 4);
    grid->setRowStretch(3, 1);
    summary_ = new QLabel(
        tr("Ein Klick auf ein Feld zeigt seinen Flug, ein Doppelklick fliegt ihn."), this);
    summary_->setObjectName(QStringLiteral("mapSummary"));
    summary_->setWordWrap(true);
    grid->addWidget(summary_, 4, 0, 1, 4);
    answer_ = new QLabel(this);
    answer_->setObjectName(QStringLiteral("mapAnswer"));
    answer_->setWordWrap(true);
    grid->addWidget(answer_, 5, 0, 1, 4);
    progress_ = new QProgressBar(this);
    cancel_ = new QPushButton(tr("Abbr&echen"), this);
    grid->addWidget(progress_, 6, 0, 1, 3);
    grid->addWidget(cancel_, 6, 3);
    auto* savePicture = new QPushButton(tr("Als &Bild speichern…"), this);
    auto* saveCsv = new QPushButton(tr("Als &CSV speichern…"), this);
    auto* saves = new QHBoxLayout;
    saves->addStretch();
    saves->addWidget(savePicture);
    saves->addWidget(saveCsv);
    grid->addLayout(saves, 7, 0, 1, 4);

    restart_.setSingleShot(true);
    restart_.setInterval(120);
    connect(&restart_, &QTimer::timeout, this, &LandingMapWindow::start);
    poll_.setInterval(30);
    connect(&poll_, &QTimer::timeout, this, &LandingMapWindow::poll);
    const auto changed = [this] {
        readFields();
        restart_.start();
    };
    connect(kind_, &QComboBox::currentIndexChanged, this, [this, changed] {
        showInputs();
        changed();
    });
    for (QComboBox* box : {tuckDepth_, planDepth_}) {
        connect(box, &QComboBox::currentIndexChanged, this, changed);
    }
    connect(speed_, &QDoubleSpinBox::valueChanged, this, changed);
    for (QSpinBox* box : {angle_, planStart_, planLength_}) {
        connect(box, &QSpinBox::valueChanged, this, changed);
    }
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (computation_) {
            computation_->cancel();
        }
    });
    connect(view_, &LandingMapView::cellPicked, this, &LandingMapWindow::showCell);
    connect(view_, &LandingMapView::cellActivated, this, [this](int index) {
        const MapCell& cell = view_->cells()[std::size_t(index)];
        emit flyRequested(cell.speedMPerS, cell.angleDeg, cell.plan);
    });
    // The save dialog starts in the save folder; a name typed without its suffix gets it.
    const auto saveAs = [this](const QString& title, const QString& filter, const QString& ext,
                               bool (LandingMapWindow::*save)(const QString&)) {
        const QString path =
            WithSuffix(QFileDialog::getSaveFileName(
                           this, title, QDir(SaveFolder()).filePath("landekarte." + ext), filter),
                       ext);
        if (!path.isEmpty()) {
            (this->*save)(path);
        }
    };
    connect(saveCsv, &QPushButton::clicked, this, [this, saveAs] {
        saveAs(tr("Landekarte als CSV speichern"), tr("CSV-Dateien (*.csv)"), "csv",
               &LandingMapWindow::saveCsv);
    });
    connect(savePicture, &QPushButton::clicked, this, [this, saveAs] {
        saveAs(tr("Landekarte als Bild speichern"), tr("PNG-Bilder (*.png)"), "png",
               &LandingMapWindow::savePicture);
    });
    progress_->hide();
    cancel_->hide();
    resize(760, 640); // where the screen has the room; narrower beside a wide main window
}

LandingMapWindow::~LandingMapWindow() = default;

void LandingMapWindow::setUp(const MapRequest& request) {
    request_ = request;
    const QSignalBlocker blockers[] = {QSignalBlocker(kind_),      QSignalBlocker(speed_),
                                       QSignalBlocker(angle_),     QSignalBlocker(tuckDepth_),
                                       QSignalBlocker(planStart_), QSignalBlocker(planLength_),
                                       QSignalBlocker(planDepth_)};
    kind_->setCurrentIndex(request.kind == MapKind::Tuck ? 0 : 1);
    showInputs();
    speed_->setValue(request.speedMPerS);
    angle_->setValue(int(std::lround(request.angleDeg)));
    tuckDepth_->setCurrentIndex(request.depth - kFirstPlanDepth);
    planStart_->setValue(request.plan.startFrame);
    planLength_->setValue(request.plan.frames);
    planDepth_->setCurrentIndex(request.plan.depth - kFirstPlanDepth);
    readFields();
    start();
}

void LandingMapWindow::showInputs() {
    inputs_[0]->setVisible(kind_->currentIndex() == 0);
    inputs_[1]->setVisible(kind_->currentIndex() == 1);
}

void LandingMapWindow::readFields() {
    request_.kind = kind_->currentIndex() == 0 ? MapKind::Tuck : MapKind::SpeedAngle;
    request_.speedMPerS = std::round(speed_->value() * 10) / 10;
    request_.angleDeg = angle_->value();
    request_.depth = tuckDepth_->currentData().toInt();
    request_.plan = {planStart_->value(), planLength_->value(), planDepth_->currentData().toInt()};
    const TextLanguage language = CurrentTextLanguage();
    QString who = tr("Modell: %1").arg(QString::fromUtf8(ModelText(request_.model, language)));
    if (request_.model == Model::Exact && request_.athlete != kStandardAthlete) {
        who += tr(", eigener Athlet");
    }
    model_->setText(who);
}

bool LandingMapWindow::computing() const {
    return computation_ && !computation_->finished();
}

void LandingMapWindow::start() {
    computation_.reset(); // cancels and waits for the map before
    computation_ = std::make_unique<MapComputation>(request_);
    progress_->setRange(0, computation_->total());
    progress_->setValue(0);
    progress_->show();
    cancel_->show();
    summary_->clear();
    answer_->clear();
    poll_.start();
}

void LandingMapWindow::poll() {
    if (!computation_) {
        poll_.stop();
        return;
    }
    progress_->setValue(computation_->done());
    if (!computation_->finished()) {
        return;
    }
    poll_.stop();
    progress_->hide();
    cancel_->hide();
    if (computation_->done() < computation_->total()) {
        answer_->setText(tr("Abgebrochen: die Karte ist nicht ganz berechnet."));
        return;
    }
    view_->setMap(request_.kind, computation_->axes(), computation_->cells());
    refreshMarkers();
    showAnswer();
}

bool LandingMapWindow::waitForMap() {
    while (computing()) {
        QThread::msleep(2);
    }
    poll();
    return computation_ && computation_->done() == computation_->total();
}

void LandingMapWindow::refreshMarkers() {
    std::vector<MapMarker> markers;
    const MapAxes& axes = view_->axes();
    for (const LoggedFlight& f : log_ ? log_->flights() : std::vector<LoggedFlight>{}) {
        const FlightRecord& r = f.record;
        const std::optional<TuckPlan> plan = MapPlanOf(r);
        if (!SameAthlete(r, request_) || !plan) {
            continue;
        }
        MapMarker m;
        m.label =
            QString::number(f.number) +
            (f.group.empty() ? QString() : QLatin1Char(' ') + QString::fromStdString(f.group));
        if (request_.kind == MapKind::SpeedAngle) {
            if (*plan != request_.plan) {
                continue;
            }
            m.column = (r.params.takeoffSpeed - axes.firstColumn) / axes.columnStep;
            m.row = (r.params.takeoffAngle - axes.firstRow) / axes.rowStep;
        } else {
            if (r.params.takeoffSpeed != request_.speedMPerS ||
                r.params.takeoffAngle != request_.angleDeg || plan->depth != request_.depth) {
                continue;
            }
            m.column = plan->startFrame - axes.firstColumn;
            m.row = std::min(plan->frames, axes.rows) - 1;
        }
        markers.push_back(m);
    }
    view_->setMarkers(std::move(markers));
}

void LandingMapWindow::showCell(int index) {
    const MapCell& c = view_->cells()[std::size_t(index)];
    const TextLanguage language = CurrentTextLanguage();
    const QString landing =
        c.summary.landing
            ? tr("%1 Umdrehungen, Lage %2°, %3")
                  .arg(Number(c.summary.turns, 2), Number(c.summary.landing->attitudeDeg, 1),
                       QString::fromUtf8(MapClassName(c.mapClass, language)))
            : tr("keine Landung");
    summary_->setText(tr("%1 m/s, %2°, %3: %4. Ein Doppelklick oder Enter fliegt ihn.")
                          .arg(Number(c.speedMPerS, 1), Number(c.angleDeg, 0),
                               QString::fromStdString(PlanText(c.plan, language)), landing));
    view_->setAccessibleDescription(summary_->text());
}

void LandingMapWindow::showAnswer() {
    const std::vector<MapCell>& cells = view_->cells();
    const bool anyOnFeet = std::any_of(cells.begin(), cells.end(), [](const MapCell& c) {
        return c.mapClass != MapClass::NotOnFeet;
    });
    if (!anyOnFeet) {
        answer_->setText(tr("Kein Flug dieser Karte landet auf den Füßen."));
        return;
    }
    if (request_.kind != MapKind::Tuck) {
        answer_->clear();
        return;
    }
    const BestPlans best = BestPlansOf(cells);
    if (!best.earliestStartS) {
        answer_->setText(tr("Kein Hockplan landet bei diesem Absprung aufrecht und gestreckt."));
        return;
    }
    answer_->setText(
        tr("Aufrecht und gestreckt landet, wer frühestens %1 s und spätestens %2 s nach dem "
           "Absprung zu hocken beginnt und mindestens %3 s, höchstens %4 s gehockt bleibt.")
            .arg(Number(*best.earliestStartS, 2), Number(*best.latestStartS, 2),
                 Number(*best.shortestS, 2), Number(*best.longestS, 2)));
}

QString LandingMapWindow::caption() const {
    const TextLanguage language = CurrentTextLanguage();
    const QString what =
        request_.kind == MapKind::Tuck
            ? tr("Landekarte für %1 m/s und %2°, Haltung %3")
                  .arg(Number(request_.speedMPerS, 1), Number(request_.angleDeg, 0))
                  .arg(request_.depth)
            : tr("Landekarte für den Hockplan %1")
                  .arg(QString::fromStdString(PlanText(request_.plan, language)));
    return what + QStringLiteral(", ") + model_->text();
}

QImage LandingMapWindow::picture() const {
    const QImage map = view_->grab().toImage();
    const int line = view_->fontMetrics().height();
    QImage out(map.width(), map.height() + 4 * line, QImage::Format_ARGB32);
    out.fill(Qt::white);
    QPainter painter(&out);
    painter.drawImage(0, 0, map);
    painter.setFont(view_->font());
    painter.drawText(QRect(line, map.height(), map.width() - 2 * line, 4 * line),
                     Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignVCenter,
                     caption() + QStringLiteral("\n") + answer_->text());
    return out;
}

bool LandingMapWindow::savePicture(const QString& path) {
    const auto failure = SavePngAtomically(path, picture());
    if (failure) {
        emit saveFailed(ShowSaveFailure(this, path, *failure));
    }
    return !failure;
}

bool LandingMapWindow::saveCsv(const QString& path) {
    std::string text = MapCsvHeader() + "\n";
    for (const MapCell& cell : view_->cells()) {
        text += MapCsvRow(cell) + "\n";
    }
    const auto failure = SaveAtomically(path, [&text](QIODevice& out) {
        return out.write(text.data(), qint64(text.size())) == qint64(text.size());
    });
    if (failure) {
        emit saveFailed(ShowSaveFailure(this, path, *failure));
    }
    return !failure;
}

// Closing leaves nothing running.
void LandingMapWindow::closeEvent(QCloseEvent* event) {
    restart_.stop();
    poll_.stop();
    computation_.reset();
    progress_->hide();
    cancel_->hide();
    QWidget::closeEvent(event);
}

} // namespace purzo
