// SPDX-License-Identifier: MIT
// The entries in their order, with their accelerator letters.
#include "window/lesson_menu.h"

#include <QAction>
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
    setFlightEnded(false);
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
