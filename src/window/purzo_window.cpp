// SPDX-License-Identifier: MIT
// The window computes no physics: it reads the controls, has the flight player ask the model for
// each frame and shows what comes back.
#include "window/purzo_window.h"

#include "flight/centre_path.h"
#include "flight/flight_constants.h"
#include "flight/landing.h"
#include "flight/number_text.h"
#include "flight/panel_lines.h"
#include "flight/quantities.h"
#include "flight/takeoff_check.h"
#include "window/beep.h"
#include "window/controls/arrow_key_taps.h"
#include "window/controls/lesson_menu.h"
#include "window/controls/playback_keys.h"
#include "window/controls/scaled_style.h"
#include "window/controls/takeoff_field.h"
#include "window/controls/tools_button.h"
#include "window/lesson/comparison.h"
#include "window/lesson/flight_log_window.h"
#include "window/lesson/lesson_log.h"
#include "window/lesson/lesson_tools.h"
#include "window/remembered_choices.h"
#include "window/tools/charts_window.h"
#include "window/tools/tool_windows.h"
#include "window/translations.h"
#include "window/view/accessible_flight.h"
#include "window/view/canvas_widget.h"
#include "window/view/data_panel.h"
#include "window/view/fonts.h"
#include "window/view/presentation.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

namespace purzo {

PurzoWindow::PurzoWindow(QWidget* parent)
    : QWidget(parent), style_(new ScaledStyle), layout_(style_),
      arrowKeys_(LoadPicture(CurrentLanguage() == Language::English
                                 ? QStringLiteral("pfeiltasten-en")
                                 : QStringLiteral("pfeiltasten"))),
      mark_(LoadPicture(QStringLiteral("zeichen"))) {
    style_->setParent(this);
    setObjectName(QStringLiteral("Purzo"));
    setWindowTitle(QStringLiteral("Purzosimulation"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icons/purzo-256.png")));
    setFont(DefaultFont());
    form_.setupUi(this, arrowKeys_, mark_);

    speed_ = new TakeoffField(form_.text1, form_.hScrollGeschw, kMinSpeed, kMaxSpeed, this);
    angle_ = new TakeoffField(form_.text2, form_.hScrollAngle, kMinAngle, kMaxAngle, this);
    // Enter in a text box starts a flight, as the Start button would.
    connect(speed_, &TakeoffField::returnPressed, this, &PurzoWindow::startFlight);
    connect(angle_, &TakeoffField::returnPressed, this, &PurzoWindow::startFlight);
    connect(form_.start, &QPushButton::clicked, this, &PurzoWindow::startFlight);
    connect(form_.ende, &QPushButton::clicked, this, &QWidget::close);
    form_.picture1->setFocus();

    // Every control is drawn with the window's style and placed at the window's scale.
    for (QWidget* control : findChildren<QWidget*>()) {
        control->setStyle(style_);
    }
    form_.addTo(layout_);
    setMinimumSize(MinimumClientSize());

    // Each frame of a flight gives the posture bar the focus, so that the arrow keys move it,
    // and reads it.
    player_.setPostureSource([this] {
        if (runningPlan_) { // the plan chooses, and the bar shows it
            form_.hScroll1->setValue(
                PlannedPosture(*runningPlan_, int(player_.recordedFrames().size()) + 1));
        }
        form_.hScroll1->setFocus();
        return form_.hScroll1->value();
    });
    connect(&player_, &FlightPlayer::frameReady, this, [this](const FrameResult& frame) {
        form_.picture1->showFrame(frame);
        refreshCharts();
        emit frameShown(frame.frame);
    });
    connect(&player_, &FlightPlayer::flightFinished, this, [this](int frames) {
        form_.hScroll1->setEnabled(true);
        lessonTools_->menu()->setFlightEnded(true);
        if (lastFlight()) {
            log_->logFlight(*lastFlight());
        }
        showVerdict();
        emit flightFinished(frames);
    });
    connect(&player_, &FlightPlayer::replayFinished, this, [this](int frames) {
        showVerdict();
        emit replayFinished(frames);
    });
    connect(&player_, &FlightPlayer::frameSelected, this, [this](std::size_t count) {
        const std::vector<FrameResult>& frames = player_.recordedFrames();
        form_.picture1->showFrames({frames.begin(), frames.begin() + std::ptrdiff_t(count)});
        refreshCharts();
        emit frameShown(frames[count - 1].frame);
    });

    new AccessibleFlight(form_.picture1, &player_);
    lessonTools_ = new LessonTools(this, form_.picture1, &player_, style_, form_.text1, form_.text2,
                                   [this] { return form_.selectedPace(); });
    LessonMenu* menu = lessonTools_->menu();
    connect(menu, &LessonMenu::toolsChanged, form_.picture1, &CanvasWidget::setTools);
    connect(menu, &LessonMenu::replayRequested, this, &PurzoWindow::replayLastFlight);
    connect(menu, &LessonMenu::compareRequested, this, &PurzoWindow::compareShownFlights);
    form_.picture1->setComparison(ComparisonRowNames(), true);
    connect(menu, &LessonMenu::pauseRequested, &player_, &FlightPlayer::togglePause);
    connect(menu, &LessonMenu::stepRequested, &player_, &FlightPlayer::step);
    connect(lessonTools_, &LessonTools::saveFailed, this, &PurzoWindow::saveFailed);
    connect(lessonTools_, &LessonTools::planChosen, this, &PurzoWindow::flyPlan);
    form_.picture1->setNumberLocale(
        QLocale(CurrentLanguage() == Language::English ? QLocale::English : QLocale::German));
    form_.picture1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(form_.picture1, &QWidget::customContextMenuRequested, this,
            &PurzoWindow::showLessonMenu);
    auto* keys = new PlaybackKeys(form_.picture1, form_.hScroll1, &player_);
    connect(keys, &PlaybackKeys::menuRequested, this, &PurzoWindow::showLessonMenu);
    toolsButton_ = new ToolsButton(form_.picture1);
    toolsButton_->setStyle(style_);
    setTabOrder(form_.picture1, toolsButton_); // the canvas's own button comes after it
    connect(toolsButton_, &ToolsButton::menuRequested, this, &PurzoWindow::showLessonMenu);
    new ArrowKeyTaps(form_.picture2, form_.hScroll1,
                     [this] { return player_.flightRunning() && !runningPlan_; });
    connect(menu, &LessonMenu::chartsRequested, this, &PurzoWindow::showCharts);
    connect(menu, &LessonMenu::toolsChanged, this, &PurzoWindow::refreshCharts);
    log_ = new LessonLog(this);
    lessonTools_->setLog(log_);
    connect(log_, &LessonLog::changed, this, [this] {
        refreshShownFlights();
        refreshCharts();
    });
    connect(log_, &LessonLog::problem, this,
            [this](const QString& m) { ShowLogMessage(this, QMessageBox::Warning, m); });
    connect(log_, &LessonLog::recovered, this,
            [this](const QString& m) { ShowLogMessage(this, QMessageBox::Information, m); });
    connect(menu, &LessonMenu::toolsChanged, this, &PurzoWindow::refreshShownFlights);
    connect(menu, &LessonMenu::logRequested, this, &PurzoWindow::showLog);
    tools_ = new ToolWindows(this, log_);
    connect(tools_, &ToolWindows::replayRequested, this, &PurzoWindow::replayLoggedFlight);
    connect(tools_, &ToolWindows::saveFailed, this, &PurzoWindow::saveFailed);
    connect(tools_, &ToolWindows::compareRequested, menu, &LessonMenu::compare);
    connect(tools_, &ToolWindows::lessonSheetRequested, lessonTools_,
            &LessonTools::chooseLessonSheetFile);
    connect(menu, &LessonMenu::landingMapRequested, this, &PurzoWindow::showLandingMap);
    connect(menu, &LessonMenu::videoRequested, this,
            [this, menu] { tools_->showVideo([menu] { return menu->athlete(); }); });
    connect(tools_, &ToolWindows::flyRequested, this, [this](double v, double a, TuckPlan plan) {
        const QChar point = CurrentLanguage() == Language::English ? '.' : ',';
        form_.text1->setText(QString::fromStdString(ShortestDoubleText(v)).replace('.', point));
        form_.text2->setText(QString::fromStdString(ShortestDoubleText(a)));
        flyPlan(plan, std::nullopt);
    });

    presentation_ =
        new Presentation({this, form_.picture1, form_.verdictLine, form_.hScroll1, toolsButton_},
                         [this] { startFlight(); });
    connect(menu, &LessonMenu::presentationRequested, presentation_, &Presentation::toggle);
}

PurzoWindow::~PurzoWindow() {
    delete tools_; // the log's window reads the log, which as an older child would go first
}

void PurzoWindow::rememberChoicesIn(const QString& settingsFile) {
    KeepChoices(settingsFile, lessonMenu(), form_.paceOptions);
    tools_->rememberIn(settingsFile);
}

void PurzoWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (presentation_ && presentation_->active()) {
        presentation_->layOut(size());
    } else {
        applyScale();
    }
}

void PurzoWindow::applyScale() {
    layout_.apply(size());
    const double s = layout_.scale();
    const double ratio = devicePixelRatioF();
    form_.picture1->setScale(s);
    if (toolsButton_) {
        toolsButton_->setScale(s);
    }
    form_.picture2->setLineWidth(style_->scaled(2));
    form_.picture2->setPixmap(PictureAtScale(arrowKeys_, s, ratio));
    form_.picture3->setPixmap(PictureAtScale(mark_, s, ratio));
    if (chartsWindow()) {
        chartsWindow()->setScale(s);
    }
}

void PurzoWindow::showLandingMap() {
    tools_->showLandingMap(lessonTools_->mapRequest());
}

void PurzoWindow::showCharts() {
    tools_->showCharts(layout_.scale());
    refreshCharts();
}

void PurzoWindow::refreshCharts() {
    ChartsWindow* charts = chartsWindow();
    if (!charts) {
        return;
    }
    // The flight on show is the running one, the replayed or the last; beside it the flights
    // the canvas shows.
    const std::optional<FlightRecord>& replayed = player_.replayedFlight();
    const Model model = player_.flightRunning() ? runningModel_
                        : replayed              ? replayed->model
                        : lastFlight()          ? lastFlight()->model
                                                : Model::Classic;
    // In a comparison the charts stand at its moment too.
    const std::size_t count = player_.shownCount();
    charts->showFlight(model, player_.recordedFrames(), count,
                       form_.picture1->comparing() ? AtMoment(shownFlights(), count)
                                                   : shownFlights());
}

void PurzoWindow::showAtBestSize() {
    const QScreen* screen = this->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    resize(available.isValid() ? BestClientSize(available.size()) : kDesignClientSize);
    show();
    form_.picture1->setFocus();
}

int PurzoWindow::pauseMs() const {
    return pauseOverrideMs_.value_or(FrameDelayMs(form_.selectedPace()));
}

void PurzoWindow::flyPlan(const TuckPlan& plan, const std::optional<Prediction>& prediction) {
    runningPlan_ = plan;
    runningPrediction_ = prediction;
    launch();
}

void PurzoWindow::startFlight() {
    runningPlan_.reset();
    runningPrediction_.reset();
    launch();
}

void PurzoWindow::launch() {
    // A press during a flight ends that flight and starts afresh: flights never nest. A flight
    // cut off so is dropped; a replay simply ends.
    player_.stop();
    form_.label19->hide();
    form_.verdictLine->hide();
    const TakeoffCheck check =
        CheckTakeoff(speed_->text().toStdString(), angle_->text().toStdString());
    if (check.beep) {
        SoundWarningBeep();
        emit beepSounded();
    }
    if (check.showWarning) {
        // The bars stand where the texts do, so that the next arrow click starts from 5 and 50.
        speed_->setValue(kStandardSpeed);
        angle_->setValue(kStandardAngle);
        form_.label19->show();
        AnnounceAlert(form_.label19);
    }
    form_.hScroll1->setValue(kFirstPosture);
    params_ = ComputeFlightParameters(check.takeoffSpeed, check.takeoffAngle);
    frameDelayMs_ = FrameDelayMs(form_.selectedPace());
    const Model model = this->model();
    runningModel_ = model;
    const Athlete athlete = lessonMenu()->athlete();
    form_.picture1->startFlight(model, athlete, CentreOfMassPath(params_, model, athlete));
    form_.picture1->setComparison(ComparisonRowNames(), true);
    refreshShownFlights();
    // A planned flight's bar only shows the plan: the keys reach the canvas instead.
    form_.hScroll1->setEnabled(!runningPlan_);
    form_.hScroll1->isEnabled() ? form_.hScroll1->setFocus() : form_.picture1->setFocus();
    emit flightStarted();
    FlightRecord record{speed_->text().toStdString(),
                        angle_->text().toStdString(),
                        params_,
                        model,
                        {},
                        form_.selectedPace(),
                        athlete,
                        runningPlan_,
                        runningPrediction_,
                        std::nullopt};
    player_.startFlight(std::move(record), pauseOverrideMs_.value_or(frameDelayMs_));
    refreshCharts();
}

void PurzoWindow::replayLastFlight() {
    if (!lastFlight()) {
        if (!log_->log().flights().empty()) {
            replayLoggedFlight(log_->log().flights().back().number);
        }
        return;
    }
    prepareReplay(*lastFlight(), true);
    refreshShownFlights();
    player_.replayLastFlight(pauseMs());
    refreshCharts();
}

void PurzoWindow::prepareReplay(const FlightRecord& r, bool currentCompared) {
    form_.picture1->startFlight(r.model, r.athlete, CentreOfMassPath(r.params, r.model, r.athlete));
    form_.picture1->setComparison(ComparisonRowNames(), currentCompared);
    // The replay plays the recorded postures; the arrow keys have nothing to move.
    form_.picture1->setFocus();
    form_.hScroll1->setEnabled(true);
    form_.verdictLine->hide();
}

void PurzoWindow::compareShownFlights() {
    const std::optional<FlightRecord> clock = ComparisonClock(log_->log(), shownFlights());
    if (!clock) {
        return;
    }
    // The clock's own figure stays hidden: each compared flight draws its own.
    player_.stop();
    prepareReplay(*clock, false);
    player_.replay(*clock, pauseMs());
    refreshShownFlights();
    refreshCharts();
}

void PurzoWindow::showVerdict() {
    const QString verdict = VerdictLineText(player_.recordedFrames());
    // A comparison's verdicts stand in its table, the clock's own would mislead.
    if (verdict.isEmpty() || form_.picture1->comparingWithoutCurrent()) {
        return;
    }
    form_.verdictLine->setText(verdict);
    // The warning keeps its place until the next start; the panel names the landing then.
    form_.verdictLine->setVisible(form_.label19->isHidden());
    form_.verdictLine->setAccessibleName(verdict);
}

void PurzoWindow::keepLogIn(const QString& file) {
    log_->keepIn(file);
}

FlightLogWindow* PurzoWindow::logWindow() const {
    return tools_->logWindow();
}

ChartsWindow* PurzoWindow::chartsWindow() const {
    return tools_->chartsWindow();
}

void PurzoWindow::showLog() {
    tools_->showLog();
}

bool PurzoWindow::replayLoggedFlight(int number) {
    const LoggedFlight* flight = log_->log().find(number);
    if (!flight) {
        return false;
    }
    prepareReplay(flight->record, true);
    player_.replay(flight->record, pauseMs());
    refreshShownFlights();
    refreshCharts();
    return true;
}

std::vector<ShownFlight> PurzoWindow::shownFlights() const {
    return ShownFlightsOf(log_->log(), lessonMenu()->tools().previous, flightRunning());
}

void PurzoWindow::refreshShownFlights() {
    form_.picture1->setShownFlights(shownFlights());
}

void PurzoWindow::showLessonMenu(const QPoint& canvasPos) {
    lessonTools_->menu()->setPlayState(player_.flightRunning() || player_.replayRunning(),
                                       player_.canStep());
    // After a restart the log's newest flight is the last one to replay.
    lessonTools_->menu()->setCanReplay(lastFlight() || !log_->log().flights().empty());
    lessonTools_->showMenu(canvasPos, layout_.scale());
}

void PurzoWindow::closeEvent(QCloseEvent* event) {
    player_.stop();
    event->accept();
}

} // namespace purzo
