// SPDX-License-Identifier: MIT
// The entries in their order, with their accelerator letters.
#include "window/lesson_menu.h"

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
    menu_->addSeparator();
    replay_ = menu_->addAction(tr("Letzten Flug &wiederholen"), this, &LessonMenu::replayRequested);
    replay_->setObjectName(QStringLiteral("replayAction"));
    saveCsv_ =
        menu_->addAction(tr("Flug als &CSV speichern…"), this, &LessonMenu::saveCsvRequested);
    saveCsv_->setObjectName(QStringLiteral("saveCsvAction"));
    savePicture_ =
        menu_->addAction(tr("B&ild speichern…"), this, &LessonMenu::savePictureRequested);
    savePicture_->setObjectName(QStringLiteral("savePictureAction"));
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
    setFlightEnded(false);
}

Model LessonMenu::model() const {
    return exact_->isChecked() ? Model::Exact : Model::Classic;
}

void LessonMenu::setModel(Model model) {
    (model == Model::Exact ? exact_ : classic_)->setChecked(true);
}

QAction* LessonMenu::addCheckable(const QString& text, const char* name) {
    QAction* action = menu_->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setCheckable(true);
    connect(action, &QAction::toggled, this, [this] { emit toolsChanged(tools()); });
    return action;
}

CanvasTools LessonMenu::tools() const {
    return {path_->isChecked(), sequence_->isChecked(), data_->isChecked(), previous_->isChecked(),
            wholeView_->isChecked()};
}

void LessonMenu::setFlightEnded(bool ended) {
    previous_->setEnabled(ended);
    replay_->setEnabled(ended);
    saveCsv_->setEnabled(ended);
}

} // namespace purzo
