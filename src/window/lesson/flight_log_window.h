// SPDX-License-Identifier: MIT
// "Flugprotokoll": the lesson's flights in a table beside the main window, who flew them, and
// what to do with the selected one: show it beside the current flight, replay it, delete it;
// each group's best attempts shown at once; the log saved for the class, exported, merged with
// students' logs, or emptied after asking.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTableView;

namespace purzo {

class FlightLogModel;
class LessonLog;

class FlightLogWindow : public QWidget {
    Q_OBJECT
public:
    FlightLogWindow(LessonLog* log, QWidget* mainWindow);
    ~FlightLogWindow() override;

    QTableView* table() const { return table_; }
    FlightLogModel* model() const { return model_; }
    // The number of the selected flight; 0 when none is selected.
    int selectedNumber() const;
    void selectNumber(int number);

    // The buttons' work, without the question before emptying the log or the save dialog.
    void toggleShownOfSelected();
    void deleteSelected();
    void replaySelected();
    // Writes the log as a workbook; a failure shows a message naming the file and the reason.
    bool saveWorkbook(const QString& path);
    // The name the save suggests: flugprotokoll-<name>-<date>.xlsx.
    QString suggestedWorkbookName() const;
    // Ticks each group's best attempt and unticks every other flight.
    void showBestAttempts();
    // Merges students' logs into the lesson and says what it did; returns that message.
    QString mergeFiles(const QStringList& paths);

signals:
    void replayRequested(int number);
    void compareRequested();
    void lessonSheetRequested();
    void saveFailed(const QString& message);

private:
    void askToClear();
    void chooseWorkbookFile();
    void chooseExportFile();
    void chooseFilesToMerge();
    void updateButtons();

    LessonLog* log_;
    FlightLogModel* model_;
    QTableView* table_;
    QLabel* note_;
    QPushButton* show_;
    QPushButton* replay_;
    QPushButton* delete_;
    QPushButton* clear_;
    QPushButton* save_;
    QPushButton* export_;
    QPushButton* best_;
};

} // namespace purzo
