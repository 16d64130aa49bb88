// SPDX-License-Identifier: MIT
// The lesson tools behind the canvas's menu: the menu itself, shown at the window's scale, and
// the saves of the last flight and of the picture, each with its dialog.
#pragma once

#include "flight/landing_map.h"
#include "flight/pace.h"
#include "flight/tuck_plan.h"
#include "window/controls/lesson_menu.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <functional>

class QLineEdit;
class QWidget;

namespace purzo {

class CanvasWidget;
class FlightPlayer;
class LessonLog;
class ScaledStyle;

class LessonTools : public QObject {
    Q_OBJECT
public:
    // The texts of the take-off boxes name a picture saved before any flight.
    // The caption of a picture taken before any flight names what the controls show: the texts
    // of the take-off boxes and `currentPace`.
    LessonTools(QWidget* window, CanvasWidget* canvas, const FlightPlayer* player,
                ScaledStyle* style, const QLineEdit* speedBox, const QLineEdit* angleBox,
                std::function<Pace()> currentPace);

    LessonMenu* menu() const { return menu_; }
    // The log names the saves: the flight's number and the name or group.
    void setLog(const LessonLog* log) { log_ = log; }
    // Opens the menu at a point of the canvas, its text at the window's scale.
    void showMenu(const QPoint& canvasPos, double scale);

    // The saves without their dialogs. A failure shows a message naming the file and the
    // reason, and leaves a file that was there as it was.
    bool saveFlightCsv(const QString& path);
    bool saveFlightWorkbook(const QString& path);
    bool saveCanvasPicture(const QString& path);
    // The lesson on one page as PDF: its title and date, the canvas as it stands with the
    // compared flights, and the groups' table.
    bool saveLessonSheet(const QString& path);
    void chooseLessonSheetFile();
    // The picture the save writes: the drawing area at twice its designed size (1402 × 1066),
    // whatever the window's size, with the shown flights' legend and a metre to measure with,
    // above a caption strip of two lines: the take-off, the pace and the model, then the tuck
    // and the verdict (1402 × 1170 in all).
    QImage worksheetPicture() const;
    // "6 m/s, 60°, Echtzeit, klassisches Modell": the last flight's take-off texts as typed,
    // its pace and model, in the window's language.
    QString worksheetCaption() const;
    // Its second line: the tuck and the verdict of the last flight; empty before any flight.
    QString worksheetLandingLine() const;
    static constexpr int kCaptionHeightPx = 104;

    // "Hockplan…" for the take-off in the boxes; the plan chosen and its prediction go out with
    // planChosen. The dialog opens with the plan chosen last.
    void askForPlan();
    const TuckPlan& lastPlan() const { return lastPlan_; }
    // A map of tuck plans for the take-off in the boxes (on the map's grid), the model and
    // athlete chosen and the plan chosen last.
    MapRequest mapRequest() const;

signals:
    void saveFailed(const QString& message);
    void planChosen(const TuckPlan& plan, const std::optional<Prediction>& prediction);

private:
    void chooseCsvFile();
    void chooseWorkbookFile();
    // The save dialog, starting in the save folder with the name the flight suggests; the
    // chosen name with its suffix, or empty when cancelled.
    QString chooseFile(const QString& title, const QString& filter, const QString& extension);
    void choosePictureFile();
    void reportSaveFailure(const QString& path, const QString& reason);

    QWidget* window_;
    CanvasWidget* canvas_;
    const FlightPlayer* player_;
    ScaledStyle* style_;
    const QLineEdit* speedBox_;
    const QLineEdit* angleBox_;
    std::function<Pace()> currentPace_;
    LessonMenu* menu_;
    TuckPlan lastPlan_ = FirstOfferedPlan();
    const LessonLog* log_ = nullptr;
};

} // namespace purzo
