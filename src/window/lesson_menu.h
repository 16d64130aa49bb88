// SPDX-License-Identifier: MIT
// The canvas's context menu: the lesson tools, the replay, the two saves and the model the next
// flight runs in. The checkable entries are remembered for the life of the window; nothing is
// written to disk unasked.
#pragma once

#include "flight/model.h"
#include "window/canvas_tools.h"

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace purzo {

class LessonMenu : public QObject {
    Q_OBJECT
public:
    explicit LessonMenu(QWidget* parent);

    QMenu* menu() const { return menu_; }
    CanvasTools tools() const;
    // Replay, comparison and the CSV need a flight that ran to its end.
    void setFlightEnded(bool ended);
    // The model chosen for the next flight; classic when the window opens.
    Model model() const;
    void setModel(Model model);

    QAction* pathAction() const { return path_; }
    QAction* sequenceAction() const { return sequence_; }
    QAction* dataAction() const { return data_; }
    QAction* previousAction() const { return previous_; }
    QAction* wholeViewAction() const { return wholeView_; }
    QAction* replayAction() const { return replay_; }
    QAction* saveCsvAction() const { return saveCsv_; }
    QAction* savePictureAction() const { return savePicture_; }
    QAction* classicModelAction() const { return classic_; }
    QAction* exactModelAction() const { return exact_; }

signals:
    void toolsChanged(const CanvasTools& tools);
    void replayRequested();
    void saveCsvRequested();
    void savePictureRequested();

private:
    QAction* addCheckable(const QString& text, const char* name);

    QMenu* menu_;
    QAction* path_;
    QAction* sequence_;
    QAction* data_;
    QAction* previous_;
    QAction* wholeView_;
    QAction* replay_;
    QAction* saveCsv_;
    QAction* savePicture_;
    QAction* classic_;
    QAction* exact_;
};

} // namespace purzo
