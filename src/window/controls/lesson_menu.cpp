// SPDX-License-Identifier: MIT
// The entries in their order, with their accelerator letters, unique within each language.
#include "window/controls/lesson_menu.h"

#include "window/controls/athlete_dialog.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace purzo {

LessonMenu::LessonMenu(QWidget* parent) : QObject(parent), menu_(new QMenu(parent)) {
    menu_->setObjectName(QStringLiteral("lessonMenu"));
    path_ = addCheckable(tr("&Schwerpunktbahn"), "pathAction");
    sequence_ = addCheckable(tr("&Bewegungsablauf"), "sequenceAction");
    data_ = addCheckable(tr("Flug&daten"), "dataAction");
    previous_ = addCheckable(tr("&Vorigen Flug zum Vergleich"), "previousAction");
    wholeView_ = addCheckable(tr("&Ganze Flugbahn zeigen"), "wholeViewAction");
    // Switched on, it plays the shown flights together at once.
    compare_ = addCheckable(tr("Vergleiche&n"), "compareAction");
    connect(compare_, &QAction::toggled, this, [this](bool on) {
        if (on) {
            emit compareRequested();
        } else {
            sideBySide_->setChecked(false);
        }
    });
    // A way of comparing: switched on, the comparison starts with it.
    sideBySide_ = addCheckable(tr("N&ebeneinander"), "sideBySideAction");
    connect(sideBySide_, &QAction::toggled, this, [this](bool on) {
        if (on && !compare_->isChecked()) {
            compare_->setChecked(true);
        }
    });
    menu_->addSeparator();
    replay_ = addEntry(tr("Letzten Flug &wiederholen"), "replayAction");
    connect(replay_, &QAction::triggered, this, &LessonMenu::replayRequested);
    // The key after the tab shows in the menu's shortcut column.
    pause_ =
        addEntry(tr("&Anhalten / Weiter") + QLatin1Char('\t') + tr("Leertaste"), "pauseAction");
    connect(pause_, &QAction::triggered, this, &LessonMenu::pauseRequested);
    nextFrame_ = addEntry(tr("Bild vo&r") + QLatin1Char('\t') + tr("Bild ab"), "nextFrameAction");
    connect(nextFrame_, &QAction::triggered, this, [this] { emit stepRequested(1); });
    previousFrame_ =
        addEntry(tr("Bild &zurück") + QLatin1Char('\t') + tr("Bild auf"), "previousFrameAction");
    connect(previousFrame_, &QAction::triggered, this, [this] { emit stepRequested(-1); });
    charts_ = addEntry(tr("Diagra&mme…"), "chartsAction");
    connect(charts_, &QAction::triggered, this, &LessonMenu::chartsRequested);
    log_ = addEntry(tr("&Flugprotokoll…"), "logAction");
    connect(log_, &QAction::triggered, this, &LessonMenu::logRequested);
    presentation_ = addEntry(tr("&Präsentation") + QLatin1Char('\t') + QStringLiteral("F5"),
                             "presentationAction");
    connect(presentation_, &QAction::triggered, this, &LessonMenu::presentationRequested);
    menu_->addSeparator();
    saveCsv_ = addEntry(tr("Flug als &CSV speichern…"), "saveCsvAction");
    connect(saveCsv_, &QAction::triggered, this, &LessonMenu::saveCsvRequested);
    saveWorkbook_ = addEntry(tr("Flug als &Tabelle speichern…"), "saveWorkbookAction");
    connect(saveWorkbook_, &QAction::triggered, this, &LessonMenu::saveWorkbookRequested);
    savePicture_ = addEntry(tr("B&ild speichern…"), "savePictureAction");
    connect(savePicture_, &QAction::triggered, this, &LessonMenu::savePictureRequested);
    menu_->addSeparator();
    // A choice applies from the next start: a running flight or replay keeps its model.
    auto* models = new QActionGroup(this);
    classic_ = models->addAction(tr("&Klassisches Modell"));
    classic_->setObjectName(QStringLiteral("classicModelAction"));
    exact_ = models->addAction(tr("E&xaktes Modell (Drehimpulserhaltung)"));
    exact_->setObjectName(QStringLiteral("exactModelAction"));
    for (QAction* action : {classic_, exact_}) {
        action->setCheckable(true);
        menu_->addAction(action);
    }
    classic_->setChecked(true);
    connect(models, &QActionGroup::triggered, this, [this] { emit modelChanged(model()); });
    athleteEntry_ = addEntry(tr("At&hlet…"), "athleteAction");
    connect(athleteEntry_, &QAction::triggered, this, [this, parent] {
        AthleteDialog dialog(athlete_, parent);
        dialog.setFont(menu_->font()); // as large as the menu it came from, on a projector too
        if (dialog.exec() == QDialog::Accepted) {
            setAthlete(dialog.athlete());
        }
    });
    menu_->addSeparator();
    resetTools_ = addEntry(tr("Werkzeuge z&urücksetzen"), "resetToolsAction");
    connect(resetTools_, &QAction::triggered, this, [this] {
        setTools({});
        setModel(Model::Classic);
        emit modelChanged(Model::Classic);
        setAthlete(kStandardAthlete);
    });
    setFlightEnded(false);
    setPlayState(false, false);
}

QAction* LessonMenu::addCheckable(const QString& text, const char* name) {
    QAction* action = addEntry(text, name);
    action->setCheckable(true);
    connect(action, &QAction::toggled, this, [this] { emit toolsChanged(tools()); });
    return action;
}

QAction* LessonMenu::addEntry(const QString& text, const char* name) {
    QAction* action = menu_->addAction(text);
    action->setObjectName(QLatin1String(name));
    return action;
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
    previous_->setEnabled(ended);
    replay_->setEnabled(ended);
    saveCsv_->setEnabled(ended);
    saveWorkbook_->setEnabled(ended);
}

void LessonMenu::setCanReplay(bool can) {
    replay_->setEnabled(can);
}

void LessonMenu::setPlayState(bool canPause, bool canStep) {
    pause_->setEnabled(canPause);
    nextFrame_->setEnabled(canStep);
    previousFrame_->setEnabled(canStep);
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
