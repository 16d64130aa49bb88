// SPDX-License-Identifier: MIT
// The log's table and its buttons.
#include "window/lesson/flight_log_window.h"

#include "flight/file_names.h"
#include "flight/flight_log.h"
#include "flight/lesson_groups.h"
#include "window/lesson/flight_log_model.h"
#include "window/lesson/lesson_bar.h"
#include "window/lesson/lesson_log.h"
#include "window/lesson/log_transfer.h"
#include "window/lesson/posture_strip_delegate.h"
#include "window/lesson/saving.h"
#include "window/translations.h"
#include "workbook/log_workbook.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QVBoxLayout>

namespace purzo {

FlightLogWindow::FlightLogWindow(LessonLog* log, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool), log_(log), model_(new FlightLogModel(log, this)) {
    setObjectName(QStringLiteral("flightLogWindow"));
    setWindowTitle(tr("Flugprotokoll – Purzosimulation"));

    auto* lesson = new LessonBar(log_, this);

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("logTable"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setAccessibleName(tr("Flüge der Stunde"));
    const auto postures = std::find(FlightLogModel::Columns().begin(),
                                    FlightLogModel::Columns().end(), Quantity::Postures);
    table_->setItemDelegateForColumn(FlightLogModel::kFirstQuantityColumn +
                                         int(postures - FlightLogModel::Columns().begin()),
                                     new PostureStripDelegate(table_));

    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("logNote"));
    show_ = new QPushButton(tr("&Zeigen"), this);
    show_->setObjectName(QStringLiteral("showButton"));
    replay_ = new QPushButton(tr("&Wiederholen"), this);
    replay_->setObjectName(QStringLiteral("replayButton"));
    delete_ = new QPushButton(tr("&Löschen"), this);
    delete_->setObjectName(QStringLiteral("deleteButton"));
    clear_ = new QPushButton(tr("Protokoll &leeren…"), this);
    clear_->setObjectName(QStringLiteral("clearButton"));
    connect(show_, &QPushButton::clicked, this, &FlightLogWindow::toggleShownOfSelected);
    connect(replay_, &QPushButton::clicked, this, &FlightLogWindow::replaySelected);
    connect(delete_, &QPushButton::clicked, this, &FlightLogWindow::deleteSelected);
    connect(clear_, &QPushButton::clicked, this, &FlightLogWindow::askToClear);
    save_ = new QPushButton(tr("Protokoll als &Tabelle speichern…"), this);
    save_->setObjectName(QStringLiteral("saveLogButton"));
    connect(save_, &QPushButton::clicked, this, &FlightLogWindow::chooseWorkbookFile);
    connect(table_, &QTableView::doubleClicked, this, &FlightLogWindow::replaySelected);
    best_ = new QPushButton(tr("&Beste Versuche zeigen"), this);
    best_->setObjectName(QStringLiteral("bestButton"));
    connect(best_, &QPushButton::clicked, this, &FlightLogWindow::showBestAttempts);
    auto* compare = new QPushButton(tr("&Vergleichen"), this);
    compare->setObjectName(QStringLiteral("compareButton"));
    connect(compare, &QPushButton::clicked, this, &FlightLogWindow::compareRequested);
    export_ = new QPushButton(tr("Protokoll e&xportieren…"), this);
    export_->setObjectName(QStringLiteral("exportButton"));
    connect(export_, &QPushButton::clicked, this, &FlightLogWindow::chooseExportFile);
    auto* sheet = new QPushButton(tr("Stundenblatt als &PDF…"), this);
    sheet->setObjectName(QStringLiteral("lessonSheetButton"));
    connect(sheet, &QPushButton::clicked, this, &FlightLogWindow::lessonSheetRequested);
    auto* merge = new QPushButton(tr("Protokolle zusa&mmenführen…"), this);
    merge->setObjectName(QStringLiteral("mergeButton"));
    connect(merge, &QPushButton::clicked, this, &FlightLogWindow::chooseFilesToMerge);

    // The buttons in rows of two or three: the window must fit beside the main one on small
    // screens.
    auto* flightButtons = new QHBoxLayout;
    for (QPushButton* b : {show_, replay_, delete_}) {
        flightButtons->addWidget(b);
    }
    flightButtons->addStretch(1);
    auto* lessonButtons = new QHBoxLayout;
    lessonButtons->addWidget(best_);
    lessonButtons->addWidget(compare);
    lessonButtons->addStretch(1);
    auto* saveButtons = new QHBoxLayout;
    saveButtons->addWidget(save_);
    saveButtons->addWidget(export_);
    saveButtons->addWidget(sheet);
    saveButtons->addStretch(1);
    auto* logButtons = new QHBoxLayout;
    logButtons->addWidget(merge);
    logButtons->addStretch(1);
    logButtons->addWidget(clear_);
    // Narrower than its buttons, the window scrolls rather than leave the screen.
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(lesson);
    layout->addWidget(table_, 1);
    layout->addWidget(note_);
    layout->addLayout(flightButtons);
    layout->addLayout(lessonButtons);
    layout->addLayout(saveButtons);
    layout->addLayout(logButtons);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FlightLogWindow::updateButtons);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        // The newest flight is the one a class wants to see next.
        if (model_->rowCount() > 0) {
            table_->selectRow(model_->rowCount() - 1);
        }
        updateButtons();
    });
    if (model_->rowCount() > 0) {
        table_->selectRow(model_->rowCount() - 1);
    }
    updateButtons();
    resize(1000, 320);
}

FlightLogWindow::~FlightLogWindow() {
    // Closing takes the focus from a lesson field, whose last word changes the log while this
    // window is half destroyed: its table and buttons must not hear of it.
    disconnect(model_, nullptr, this, nullptr);
    disconnect(table_->selectionModel(), nullptr, this, nullptr);
}

int FlightLogWindow::selectedNumber() const {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : model_->numberAt(rows.first().row());
}

void FlightLogWindow::selectNumber(int number) {
    for (int row = 0; row < model_->rowCount(); ++row) {
        if (model_->numberAt(row) == number) {
            table_->selectRow(row);
            return;
        }
    }
}

void FlightLogWindow::toggleShownOfSelected() {
    const LoggedFlight* flight = log_->log().find(selectedNumber());
    if (!flight) {
        return;
    }
    const int number = flight->number;
    if (!log_->setShown(number, !flight->shown)) {
        note_->setText(
            tr("Höchstens %1 Flüge werden zugleich gezeigt.").arg(FlightLog::kMostShown));
        return;
    }
    note_->clear();
    selectNumber(number);
}

void FlightLogWindow::replaySelected() {
    if (const int number = selectedNumber()) {
        emit replayRequested(number);
    }
}

void FlightLogWindow::deleteSelected() {
    if (const int number = selectedNumber()) {
        log_->remove(number);
    }
}

QString FlightLogWindow::suggestedWorkbookName() const {
    // The class's hand-in is named after the lesson, not after whoever flew last.
    const FlightLog& log = log_->log();
    const std::string date =
        log.date.empty() ? QDate::currentDate().toString(Qt::ISODate).toStdString() : log.date;
    return QString::fromStdString(LogFileName(log.title, date, "xlsx"));
}

bool FlightLogWindow::saveWorkbook(const QString& path) {
    const TextLanguage language =
        CurrentLanguage() == Language::English ? TextLanguage::English : TextLanguage::German;
    const auto failure =
        WriteLogWorkbook(QFile::encodeName(path).toStdString(), log_->log(), language,
                         QDate::currentDate().toString(Qt::ISODate).toStdString());
    if (failure) {
        emit saveFailed(ShowSaveFailure(this, path, FileFailureReason(*failure)));
    }
    return !failure;
}

void FlightLogWindow::chooseWorkbookFile() {
    const QString path = WithSuffix(
        QFileDialog::getSaveFileName(this, tr("Protokoll als Tabelle speichern"),
                                     QDir(SaveFolder()).filePath(suggestedWorkbookName()),
                                     tr("Excel-Arbeitsmappen (*.xlsx)")),
        QStringLiteral("xlsx"));
    if (!path.isEmpty()) {
        saveWorkbook(path);
    }
}

void FlightLogWindow::askToClear() {
    auto* box = new QMessageBox(QMessageBox::Question, tr("Protokoll leeren"),
                                tr("Alle %1 Flüge des Protokolls löschen? Das kann nicht "
                                   "rückgängig gemacht werden.")
                                    .arg(log_->log().flights().size()),
                                QMessageBox::Yes | QMessageBox::No, this);
    box->setObjectName(QStringLiteral("clearQuestion"));
    box->setDefaultButton(QMessageBox::No);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this](int result) {
        if (result == QMessageBox::Yes) {
            log_->clear();
        }
    });
    box->open();
}

void FlightLogWindow::showBestAttempts() {
    std::vector<int> best;
    for (const GroupAttempts& g : GroupsOf(log_->log())) {
        if (g.best != 0 && best.size() < FlightLog::kMostShown) {
            best.push_back(g.best);
        }
    }
    log_->showOnly(best);
    note_->setText(best.empty() ? tr("Noch keine Gruppe ist aufrecht gelandet.") : QString());
}

void FlightLogWindow::chooseExportFile() {
    const std::string date = QDate::currentDate().toString(Qt::ISODate).toStdString();
    const QString path = WithSuffix(
        QFileDialog::getSaveFileName(
            this, tr("Protokoll exportieren"),
            QDir(SaveFolder())
                .filePath(QString::fromStdString(LogFileName(log_->log().group, date, "txt"))),
            tr("Flugprotokolle (*.txt)")),
        QStringLiteral("txt"));
    if (path.isEmpty()) {
        return;
    }
    if (const auto failure = ExportLog(log_->log(), path)) {
        emit saveFailed(ShowSaveFailure(this, path, *failure));
    }
}

void FlightLogWindow::chooseFilesToMerge() {
    const QStringList paths =
        QFileDialog::getOpenFileNames(this, tr("Protokolle zusammenführen"), SaveFolder(),
                                      tr("Flugprotokolle (*.txt);;Alle Dateien (*)"));
    if (!paths.isEmpty()) {
        mergeFiles(paths);
    }
}

QString FlightLogWindow::mergeFiles(const QStringList& paths) {
    const QString message = MergeMessage(MergeLogFiles(*log_, paths));
    auto* box = new QMessageBox(QMessageBox::Information, tr("Protokolle zusammenführen"), message,
                                QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("mergeReport"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return message;
}

void FlightLogWindow::updateButtons() {
    const LoggedFlight* flight = log_->log().find(selectedNumber());
    show_->setEnabled(flight != nullptr);
    show_->setText(flight && flight->shown ? tr("Nicht &zeigen") : tr("&Zeigen"));
    replay_->setEnabled(flight != nullptr);
    delete_->setEnabled(flight != nullptr);
    clear_->setEnabled(!log_->log().flights().empty());
    save_->setEnabled(!log_->log().flights().empty());
    export_->setEnabled(!log_->log().flights().empty());
    best_->setEnabled(!log_->log().flights().empty());
}

} // namespace purzo
