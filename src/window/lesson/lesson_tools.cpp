// SPDX-License-Identifier: MIT
// Saves go through a temporary file, so that a failed save never spoils the file that was there.
#include "window/lesson/lesson_tools.h"

#include "flight/csv_writer.h"
#include "flight/file_names.h"
#include "flight/panel_lines.h"
#include "flight/takeoff_check.h"
#include "window/controls/scaled_style.h"
#include "window/lesson/lesson_log.h"
#include "window/lesson/lesson_sheet.h"
#include "window/lesson/saving.h"
#include "window/lesson/tuck_plan_dialog.h"
#include "window/translations.h"
#include "window/view/canvas_widget.h"
#include "window/view/data_panel.h"
#include "window/view/flight_player.h"
#include "window/view/fonts.h"
#include "workbook/flight_workbook.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <cmath>

namespace purzo {

LessonTools::LessonTools(QWidget* window, CanvasWidget* canvas, const FlightPlayer* player,
                         ScaledStyle* style, const QLineEdit* speedBox, const QLineEdit* angleBox,
                         std::function<Pace()> currentPace)
    : QObject(window), window_(window), canvas_(canvas), player_(player), style_(style),
      speedBox_(speedBox), angleBox_(angleBox), currentPace_(std::move(currentPace)),
      menu_(new LessonMenu(window)) {
    connect(menu_, &LessonMenu::saveCsvRequested, this, &LessonTools::chooseCsvFile);
    connect(menu_, &LessonMenu::tuckPlanRequested, this, &LessonTools::askForPlan);
    connect(menu_, &LessonMenu::saveWorkbookRequested, this, &LessonTools::chooseWorkbookFile);
    connect(menu_, &LessonMenu::savePictureRequested, this, &LessonTools::choosePictureFile);
}

void LessonTools::showMenu(const QPoint& canvasPos, double scale) {
    // The menu grows with the window, so that it reads on a projector too.
    QMenu* menu = menu_->menu();
    menu->setStyle(style_);
    QFont font = DefaultFont();
    font.setPointSizeF(font.pointSizeF() * scale);
    menu->setFont(font);
    menu->popup(canvas_->mapToGlobal(canvasPos));
}

QString LessonTools::worksheetCaption() const {
    // A comparison's picture names the compared flights, not the last one.
    if (canvas_->comparing()) {
        QStringList flights;
        for (const ShownFlight& f : canvas_->shownFlights()) {
            flights << QStringLiteral("%1 (%2)").arg(f.title, f.group);
        }
        return tr("Vergleich: %1").arg(flights.join(QStringLiteral(", ")));
    }
    const std::optional<FlightRecord>& last = player_->lastFlight();
    const std::string speed = last ? last->speedText : speedBox_->text().toStdString();
    const std::string angle = last ? last->angleText : angleBox_->text().toStdString();
    const Pace pace = last && last->pace ? *last->pace : currentPace_();
    const Model model = last ? last->model : menu_->model();
    const Athlete athlete = last ? last->athlete : menu_->athlete();
    const char point = CurrentLanguage() == Language::English ? '.' : ',';
    return FilledPanelText(CaptionTakeOffText(speed, angle, pace, model, athlete, point));
}

QString LessonTools::worksheetLandingLine() const {
    if (canvas_->comparing()) {
        QStringList verdicts;
        for (const ShownFlight& f : canvas_->shownFlights()) {
            verdicts << QStringLiteral("%1: %2").arg(f.number).arg(f.comparison.back());
        }
        return verdicts.join(QStringLiteral(" · "));
    }
    const std::optional<FlightRecord>& last = player_->lastFlight();
    if (!last) {
        return {};
    }
    const char point = CurrentLanguage() == Language::English ? '.' : ',';
    QStringList parts;
    for (const PanelText& text : CaptionLandingTexts(last->frames, point)) {
        parts << FilledPanelText(text);
    }
    return parts.join(QStringLiteral(" · "));
}

QImage LessonTools::worksheetPicture() const {
    const QImage area = canvas_->drawingAreaPicture(2.0);
    QImage picture(area.width(), area.height() + kCaptionHeightPx, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawImage(0, 0, area);

    QFont font = DefaultFont();
    font.setPixelSize(26);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int line = kCaptionHeightPx / 2 - 6;
    painter.drawText(QRect(24, area.height() + 6, area.width() - 48, line),
                     Qt::AlignVCenter | Qt::AlignLeft, worksheetCaption());
    painter.drawText(QRect(24, area.height() + 6 + line, area.width() - 48, line),
                     Qt::AlignVCenter | Qt::AlignLeft, worksheetLandingLine());
    return picture;
}

void LessonTools::reportSaveFailure(const QString& path, const QString& reason) {
    emit saveFailed(ShowSaveFailure(window_, path, reason));
}

bool LessonTools::saveFlightCsv(const QString& path) {
    const std::optional<FlightRecord>& last = player_->lastFlight();
    if (!last) {
        return false;
    }
    const std::string csv = FlightCsv(last->frames, last->model);
    const auto failure = SaveAtomically(path, [&csv](QIODevice& file) {
        return file.write(csv.data(), qint64(csv.size())) == qint64(csv.size());
    });
    if (failure) {
        reportSaveFailure(path, *failure);
    }
    return !failure;
}

bool LessonTools::saveFlightWorkbook(const QString& path) {
    const std::optional<FlightRecord>& last = player_->lastFlight();
    if (!last) {
        return false;
    }
    const WorkbookLanguage language = CurrentLanguage() == Language::English
                                          ? WorkbookLanguage::English
                                          : WorkbookLanguage::German;
    const auto failure =
        WriteFlightWorkbook(QFile::encodeName(path).toStdString(), *last, language);
    if (failure) {
        reportSaveFailure(path, FileFailureReason(*failure));
    }
    return !failure;
}

bool LessonTools::saveCanvasPicture(const QString& path) {
    const auto failure = SavePngAtomically(path, worksheetPicture());
    if (failure) {
        reportSaveFailure(path, *failure);
    }
    return !failure;
}

bool LessonTools::saveLessonSheet(const QString& path) {
    if (!log_) {
        return false;
    }
    const QByteArray pdf = LessonSheetPdf(log_->log(), canvas_->drawingAreaPicture(2.0),
                                          QDate::currentDate().toString(Qt::ISODate));
    const auto failure = SaveAtomically(
        path, [&pdf](QIODevice& file) { return file.write(pdf) == qint64(pdf.size()); });
    if (failure) {
        reportSaveFailure(path, *failure);
    }
    return !failure;
}

void LessonTools::chooseLessonSheetFile() {
    if (!log_) {
        return;
    }
    // Named after the lesson, as its workbook is.
    const FlightLog& log = log_->log();
    const std::string date =
        log.date.empty() ? QDate::currentDate().toString(Qt::ISODate).toStdString() : log.date;
    const QString suggested = QString::fromStdString(LogFileName(log.title, date, "pdf"));
    const QString path =
        WithSuffix(QFileDialog::getSaveFileName(window_, tr("Stundenblatt als PDF speichern"),
                                                QDir(SaveFolder()).filePath(suggested),
                                                tr("PDF-Dokumente (*.pdf)")),
                   QStringLiteral("pdf"));
    if (!path.isEmpty()) {
        saveLessonSheet(path);
    }
}

QString LessonTools::chooseFile(const QString& title, const QString& filter,
                                const QString& extension) {
    const std::optional<FlightRecord>& last = player_->lastFlight();
    const std::string speed = last ? last->speedText : speedBox_->text().toStdString();
    const std::string angle = last ? last->angleText : angleBox_->text().toStdString();
    FlightNaming naming{0, speed, angle, last ? last->model : menu_->model(), {}};
    if (log_) {
        naming.group = log_->log().group;
        // The last flight is the log's newest: it was logged as it landed.
        if (last && !log_->log().flights().empty()) {
            naming.number = log_->log().flights().back().number;
        }
    }
    const QString suggested =
        QString::fromStdString(FlightFileName(naming, extension.toStdString()));
    return WithSuffix(QFileDialog::getSaveFileName(window_, title,
                                                   QDir(SaveFolder()).filePath(suggested), filter),
                      extension);
}

void LessonTools::chooseCsvFile() {
    if (!player_->lastFlight()) {
        return;
    }
    const QString path =
        chooseFile(tr("Flug als CSV speichern"), tr("CSV-Dateien (*.csv)"), QStringLiteral("csv"));
    if (!path.isEmpty()) {
        saveFlightCsv(path);
    }
}

void LessonTools::chooseWorkbookFile() {
    if (!player_->lastFlight()) {
        return;
    }
    const QString path = chooseFile(tr("Flug als Tabelle speichern"),
                                    tr("Excel-Arbeitsmappen (*.xlsx)"), QStringLiteral("xlsx"));
    if (!path.isEmpty()) {
        saveFlightWorkbook(path);
    }
}

void LessonTools::choosePictureFile() {
    const QString path =
        chooseFile(tr("Bild speichern"), tr("PNG-Bilder (*.png)"), QStringLiteral("png"));
    if (!path.isEmpty()) {
        saveCanvasPicture(path);
    }
}

MapRequest LessonTools::mapRequest() const {
    const TakeoffCheck check =
        CheckTakeoff(speedBox_->text().toStdString(), angleBox_->text().toStdString());
    return {MapKind::Tuck,
            menu_->model(),
            menu_->athlete(),
            lastPlan_,
            std::round(check.takeoffSpeed * 10) / 10,
            std::round(check.takeoffAngle),
            lastPlan_.depth};
}

void LessonTools::askForPlan() {
    const TakeoffCheck check =
        CheckTakeoff(speedBox_->text().toStdString(), angleBox_->text().toStdString());
    TuckPlanDialog dialog(ComputeFlightParameters(check.takeoffSpeed, check.takeoffAngle),
                          menu_->model(), menu_->athlete(), lastPlan_, window_);
    dialog.setFont(menu_->menu()->font()); // as large as the menu it came from
    if (dialog.exec() == QDialog::Accepted) {
        lastPlan_ = dialog.plan();
        emit planChosen(dialog.plan(), dialog.prediction());
    }
}

} // namespace purzo
