// SPDX-License-Identifier: MIT
// The canvas's context menu: the lesson tools, the replay, pause and stepping, the charts, the
// saves, the model and the athlete the next flight runs with, and the reset of the tools. The
// keys that pause and
// step are shown beside their entries; the window's key handling does what they say.
#pragma once

#include "body/athlete.h"
#include "design/lesson_menu_design.h"
#include "flight/model.h"
#include "window/view/canvas_tools.h"

#include <QObject>
#include <vector>

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
    void setTools(const CanvasTools& tools);
    // Replay, comparison and the saves of the flight need a flight that ran to its end.
    void setFlightEnded(bool ended);
    // The comparison's tool on, and the shown flights played together from take-off.
    void compare();
    // "Letzten Flug wiederholen" has a flight to play: the last flown or the log's newest.
    void setCanReplay(bool can);
    // Pause needs a flight or replay on the way; stepping a paused one or a finished flight.
    void setPlayState(bool canPause, bool canStep);
    // The model chosen for the next flight; classic when the window opens.
    Model model() const;
    void setModel(Model model);
    // The exact model's athlete for the next flight; the standard one when the window opens.
    Athlete athlete() const { return athlete_; }
    void setAthlete(const Athlete& athlete);

    QAction* pathAction() const { return path_; }
    QAction* sequenceAction() const { return sequence_; }
    QAction* dataAction() const { return data_; }
    QAction* previousAction() const { return previous_; }
    QAction* wholeViewAction() const { return wholeView_; }
    QAction* compareAction() const { return compare_; }
    QAction* sideBySideAction() const { return sideBySide_; }
    QAction* replayAction() const { return replay_; }
    QAction* pauseAction() const { return pause_; }
    QAction* nextFrameAction() const { return nextFrame_; }
    QAction* previousFrameAction() const { return previousFrame_; }
    QAction* tuckPlanAction() const { return tuckPlan_; }
    QAction* landingMapAction() const { return landingMap_; }
    QAction* videoAction() const { return video_; }
    QAction* chartsAction() const { return charts_; }
    QAction* logAction() const { return log_; }
    QAction* presentationAction() const { return presentation_; }
    QAction* saveCsvAction() const { return saveCsv_; }
    QAction* saveWorkbookAction() const { return saveWorkbook_; }
    QAction* savePictureAction() const { return savePicture_; }
    QAction* classicModelAction() const { return classic_; }
    QAction* exactModelAction() const { return exact_; }
    QAction* athleteAction() const { return athleteEntry_; }
    QAction* resetToolsAction() const { return resetTools_; }

signals:
    void toolsChanged(const CanvasTools& tools);
    void modelChanged(Model model);
    void athleteChanged(const Athlete& athlete);
    void replayRequested();
    // The shown flights played together from take-off, the comparison's tool on.
    void compareRequested();
    void pauseRequested();
    void stepRequested(int frames);
    void tuckPlanRequested();
    void landingMapRequested();
    void videoRequested();
    void chartsRequested();
    void logRequested();
    void presentationRequested();
    void saveCsvRequested();
    void saveWorkbookRequested();
    void savePictureRequested();

private:
    QAction* entry(const char* name) const;
    // Each entry enabled as its design says for the state the window last told.
    void applyState();

    QMenu* menu_;
    QAction* path_;
    QAction* sequence_;
    QAction* compare_;
    QAction* sideBySide_;
    QAction* data_;
    QAction* previous_;
    QAction* wholeView_;
    QAction* replay_;
    QAction* pause_;
    QAction* nextFrame_;
    QAction* previousFrame_;
    QAction* tuckPlan_;
    QAction* landingMap_;
    QAction* video_;
    QAction* charts_;
    QAction* log_;
    QAction* presentation_;
    QAction* saveCsv_;
    QAction* saveWorkbook_;
    QAction* savePicture_;
    QAction* classic_;
    QAction* exact_;
    QAction* athleteEntry_;
    QAction* resetTools_;
    Athlete athlete_;
    struct Entry {
        MenuEnabled enabled;
        QAction* action;
    };
    std::vector<Entry> entries_;
    struct State {
        bool flightEnded = false, canReplay = false, canPause = false, canStep = false;
    } state_;
};

} // namespace purzo
