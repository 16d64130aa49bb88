// SPDX-License-Identifier: MIT
// The entries come from the menu's design; what each does is the window's.
#include "window/controls/lesson_menu.h"

#include "design/lesson_menu_design.h"
#include "window/controls/athlete_dialog.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace purzo {

LessonMenu::LessonMenu(QWidget* parent) : QObject(parent), menu_(new QMenu(parent)) {
    menu_->setObjectName(QStringLiteral("lessonMenu"));
    auto* models = new QActionGroup(this);
    for (const MenuEntryDesign& entry : LessonMenuEntries()) {
        if (entry.kind == MenuEntryKind::Separator) {
            menu_->addSeparator();
            continue;
        }
        QString text = QCoreApplication::translate("purzo::LessonMenu", entry.text);
        if (*entry.shortcut) {
            // The key after the tab shows in the menu's shortcut column.
            text += QLatin1Char('\t') +
                    QCoreApplication::translate("purzo::LessonMenu", entry.shortcut);
        }
        QAction* action = menu_->addAction(text);
        action->setObjectName(QLatin1String(entry.name));
        if (entry.kind == MenuEntryKind::Tool) {
            action->setCheckable(true);
            connect(action, &QAction::toggled, this, [this] { emit toolsChanged(tools()); });
        } else if (entry.kind == MenuEntryKind::Model) {
            action->setCheckable(true);
            models->addAction(action);
        }
        entries_.push_back({entry.enabled, action});
    }
    path_ = entry("pathAction");
    sequence_ = entry("sequenceAction");
    data_ = entry("dataAction");
    previous_ = entry("previousAction");
    wholeView_ = entry("wholeViewAction");
    compare_ = entry("compareAction");
    sideBySide_ = entry("sideBySideAction");
    replay_ = entry("replayAction");
    pause_ = entry("pauseAction");
    nextFrame_ = entry("nextFrameAction");
    previousFrame_ = entry("previousFrameAction");
    tuckPlan_ = entry("tuckPlanAction");
    landingMap_ = entry("landingMapAction");
    video_ = entry("videoAction");
    charts_ = entry("chartsAction");
    log_ = entry("logAction");
    presentation_ = entry("presentationAction");
    saveCsv_ = entry("saveCsvAction");
    saveWorkbook_ = entry("saveWorkbookAction");
    savePicture_ = entry("savePictureAction");
    classic_ = entry("classicModelAction");
    exact_ = entry("exactModelAction");
    athleteEntry_ = entry("athleteAction");
    resetTools_ = entry("resetToolsAction");

    // Switched on, the comparison plays the shown flights together at once; side by side is a
    // way of comparing, which comes with it and goes with it.
    connect(compare_, &QAction::toggled, this, [this](bool on) {
        if (on) {
            emit compareRequested();
        } else {
            sideBySide_->setChecked(false);
        }
    });
    connect(sideBySide_, &QAction::toggled, this, [this](bool on) {
        if (on && !compare_->isChecked()) {
            compare_->setChecked(true);
        }
    });
    connect(replay_, &QAction::triggered, this, &LessonMenu::replayRequested);
    connect(pause_, &QAction::triggered, this, &LessonMenu::pauseRequested);
    connect(nextFrame_, &QAction::triggered, this, [this] { emit stepRequested(1); });
    connect(previousFrame_, &QAction::triggered, this, [this] { emit stepRequested(-1); });
    connect(tuckPlan_, &QAction::triggered, this, &LessonMenu::tuckPlanRequested);
    connect(landingMap_, &QAction::triggered, this, &LessonMenu::landingMapRequested);
    connect(video_, &QAction::triggered, this, &LessonMenu::videoRequested);
    connect(charts_, &QAction::triggered, this, &LessonMenu::chartsRequested);
    connect(log_, &QAction::triggered, this, &LessonMenu::logRequested);
    connect(presentation_, &QAction::triggered, this, &LessonMenu::presentationRequested);
    connect(saveCsv_, &QAction::triggered, this, &LessonMenu::saveCsvRequested);
    connect(saveWorkbook_, &QAction::triggered, this, &LessonMenu::saveWorkbookRequested);
    connect(savePicture_, &QAction::triggered, this, &LessonMenu::savePictureRequested);
    classic_->setChecked(true);
    connect(models, &QActionGroup::triggered, this, [this] { emit modelChanged(model()); });
    connect(athleteEntry_, &QAction::triggered, this, [this, parent] {
        AthleteDialog dialog(athlete_, parent);
        dialog.setFont(menu_->font()); // as large as the menu it came from, on a projector too
        if (dialog.exec() == QDialog::Accepted) {
            setAthlete(dialog.athlete());
        }
    });
    connect(resetTools_, &QAction::triggered, this, [this] {
        setTools({});
        setModel(Model::Classic);
        emit modelChanged(Model::Classic);
        setAthlete(kStandardAthlete);
    });
    applyState();
}

QAction* LessonMenu::entry(const char* name) const {
    for (const Entry& e : entries_) {
        if (e.action->objectName() == QLatin1String(name)) {
            return e.action;
        }
    }
    Q_ASSERT_X(false, "LessonMenu", name);
    return nullptr;
}

void LessonMenu::applyState() {
    for (const Entry& e : entries_) {
        switch (e.enabled) {
        case MenuEnabled::Always:
            e.action->setEnabled(true);
            break;
        case MenuEnabled::FlightEnded:
            e.action->setEnabled(state_.flightEnded);
            break;
        case MenuEnabled::CanReplay:
            e.action->setEnabled(state_.canReplay);
            break;
        case MenuEnabled::CanPause:
            e.action->setEnabled(state_.canPause);
            break;
        case MenuEnabled::CanStep:
            e.action->setEnabled(state_.canStep);
            break;
        }
    }
}

CanvasTools LessonMenu::tools() const {
    return {path_->isChecked(),      sequence_->isChecked(),  data_->isChecked(),
            previous_->isChecked(),  wholeView_->isChecked(), compare_->isChecked(),
            sideBySide_->isChecked()};
}

void LessonMenu::setTools(const CanvasTools& tools) {
    path_->setChecked(tools.path);
    sequence_->setChecked(tools.sequence);
    data_->setChecked(tools.data);
    previous_->setChecked(tools.previous);
    wholeView_->setChecked(tools.wholeView);
    compare_->setChecked(tools.compare);
    sideBySide_->setChecked(tools.sideBySide);
}

void LessonMenu::compare() {
    if (compare_->isChecked()) {
        emit compareRequested(); // already on: they play again
    } else {
        compare_->setChecked(true);
    }
}

void LessonMenu::setFlightEnded(bool ended) {
    state_.flightEnded = ended;
    state_.canReplay = state_.canReplay || ended; // the flight that ended can be replayed
    applyState();
}

void LessonMenu::setCanReplay(bool can) {
    state_.canReplay = can;
    applyState();
}

void LessonMenu::setPlayState(bool canPause, bool canStep) {
    state_.canPause = canPause;
    state_.canStep = canStep;
    applyState();
}

Model LessonMenu::model() const {
    return exact_->isChecked() ? Model::Exact : Model::Classic;
}

void LessonMenu::setAthlete(const Athlete& athlete) {
    const Athlete within = WithinRange(athlete);
    if (within != athlete_) {
        athlete_ = within;
        emit athleteChanged(athlete_);
    }
}

void LessonMenu::setModel(Model model) {
    (model == Model::Exact ? exact_ : classic_)->setChecked(true);
}

} // namespace purzo
