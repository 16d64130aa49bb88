// SPDX-License-Identifier: MIT
// The flight log as a class uses it: every flight a row, kept across a restart, shown beside the
// current flight, replayed in its own model, emptied only after asking; a damaged file set aside
// and a log that cannot be written said once.
#include "flight/flight_log.h"
#include "window/controls/lesson_menu.h"
#include "window/lesson/flight_log_model.h"
#include "window/lesson/flight_log_window.h"
#include "window/lesson/lesson_log.h"
#include "window/view/canvas_widget.h"
#include "window_fixture.h"
#include "xlsx_cells.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTableView>
#include <QTemporaryDir>

using namespace purzo;
using purzo::test::Control;
using purzo::test::Fly;
using purzo::test::SetTexts;
using purzo::test::ShowWhole;

namespace {

std::vector<int> Numbers(const FlightLog& log) {
    std::vector<int> numbers;
    for (const LoggedFlight& f : log.flights()) {
        numbers.push_back(f.number);
    }
    return numbers;
}

QMessageBox* OpenMessage(const QWidget& parent) {
    for (QMessageBox* box : parent.findChildren<QMessageBox*>()) {
        if (box->isVisible()) {
            return box;
        }
    }
    return nullptr;
}

} // namespace

class WindowLogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        purzo::test::FailOnWarnings();
        purzo::test::UseProgramLook();
    }

    // Four flights, four rows; the window started again with the same file has them all.
    void everyFlightIsARowAndARestartKeepsThem() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("sub/flugprotokoll.txt"));
        {
            PurzoWindow window;
            window.setPauseOverrideForTesting(1);
            QVERIFY(ShowWhole(window));
            window.keepLogIn(file);
            window.showLog();
            window.logWindow()->findChild<QLineEdit*>(QStringLiteral("groupField"))->setText("7b");
            emit window.logWindow()
                ->findChild<QLineEdit*>(QStringLiteral("groupField"))
                ->editingFinished();
            const QStringList angles{"60", "70", "45", "80"};
            for (const QString& angle : angles) {
                SetTexts(window, "6", angle);
                Fly(window);
            }
            QCOMPARE(window.logWindow()->table()->model()->rowCount(), 4);
            QCOMPARE(window.lessonLog()->log().flights().back().summary.angleDeg, 80.0);
            QCOMPARE(window.lessonLog()->log().flights().front().group, std::string("7b"));
        }
        PurzoWindow again;
        again.keepLogIn(file);
        const FlightLog& log = again.lessonLog()->log();
        QCOMPARE(Numbers(log), (std::vector<int>{1, 2, 3, 4}));
        QCOMPARE(log.flights()[1].summary.angleDeg, 70.0);
        QCOMPARE(log.group, std::string("7b"));
        // The next flight goes on with number 5.
        again.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(again));
        Fly(again);
        QCOMPARE(log.flights().back().number, 5);
    }

    // Flights 1 and 3 drawn beside the current one, each in its own colour with its number.
    void shownFlightsAreDrawnInTheirOwnColours() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        for (const char* speed : {"5", "6", "8"}) {
            SetTexts(window, speed, "60");
            Fly(window);
        }
        window.showLog();
        auto* model = window.logWindow()->model();
        QVERIFY(model->setData(model->index(0, 0), Qt::Checked, Qt::CheckStateRole));
        QVERIFY(model->setData(model->index(2, 0), Qt::Checked, Qt::CheckStateRole));
        auto* canvas = Control<CanvasWidget>(window, "Picture1");
        const auto& shown = canvas->shownFlights();
        QCOMPARE(shown.size(), std::size_t(2));
        QCOMPARE(shown[0].number, 1);
        QCOMPARE(shown[1].number, 3);
        QCOMPARE(shown[0].frames.size(), window.lessonLog()->log().find(1)->record.frames.size());
        const QImage image = canvas->grab().toImage();
        for (const auto& flight : shown) {
            const FrameResult& middle = flight.frames[flight.frames.size() / 3];
            const QColor drawn(
                image.pixel(canvas->toWidget({middle.pathX, middle.pathY}).toPoint()));
            const QColor style = QColor::fromRgba(kShownFlightStyles[flight.style].colour);
            QVERIFY2(std::abs(drawn.hue() - style.hue()) < 20 && drawn.saturation() > 120,
                     qPrintable(drawn.name() + " for " + style.name()));
        }
        // Unchecked, the flight is gone from the canvas.
        QVERIFY(model->setData(model->index(0, 0), Qt::Unchecked, Qt::CheckStateRole));
        QCOMPARE(canvas->shownFlights().size(), std::size_t(1));
    }

    // A classic flight replayed while the exact model is chosen flies as it was flown.
    void replayShowsAFlightInItsOwnModel() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        Fly(window);
        window.setModel(Model::Exact);
        Fly(window);
        QSignalSpy replayed(&window, &PurzoWindow::replayFinished);
        QVERIFY(window.replayLoggedFlight(1));
        QVERIFY(replayed.wait(10000));
        const FlightRecord& first = window.lessonLog()->log().find(1)->record;
        QCOMPARE(first.model, Model::Classic);
        QCOMPARE(window.currentFrame()->frame, int(first.frames.size()));
        QCOMPARE(window.currentFrame()->figure, first.frames.back().figure);
        QCOMPARE(Control<CanvasWidget>(window, "Picture1")->dataPanelLines().value(0),
                 QStringLiteral("Modell: klassisch"));
        QVERIFY(!window.replayLoggedFlight(42));
    }

    // The class's workbook: the log's rows as numbers, a sheet per flight, the shown flights'
    // lines in the charts.
    void theLogWorkbookHoldsTheRows() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        window.lessonLog()->setGroup(QStringLiteral("7b: Anna/Ben"));
        window.lessonLog()->setLesson(QStringLiteral("Salto: 9b/Gruppe 2"), {});
        SetTexts(window, "8", "80");
        Fly(window);
        window.setModel(Model::Exact);
        SetTexts(window, "6", "60");
        Fly(window);
        SetTexts(window, "5", "60");
        Fly(window);
        window.lessonLog()->setShown(1, true);
        window.lessonLog()->setShown(3, true);
        window.showLog();
        QCOMPARE(window.logWindow()->suggestedWorkbookName(),
                 QStringLiteral("flugprotokoll-Salto-9b-Gruppe-2-%1.xlsx")
                     .arg(QDate::currentDate().toString(Qt::ISODate)));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("protokoll.xlsx"));
        QVERIFY(window.logWindow()->saveWorkbook(path));
        // First the groups: one here, three attempts, none of them upright.
        const QMap<QString, QString> groups = test::XlsxCells(path, 1);
        QCOMPARE(groups.value("A5"), QStringLiteral("7b: Anna/Ben"));
        QCOMPARE(groups.value("B5").toInt(), 3);
        QCOMPARE(groups.value("C5"), QStringLiteral("keiner aufrecht"));
        const QMap<QString, QString> cells = test::XlsxCells(path, 2);
        QCOMPARE(cells.value("B1"), QStringLiteral("Salto: 9b/Gruppe 2")); // as typed inside
        QCOMPARE(cells.value("B5"), QStringLiteral("7b: Anna/Ben"));
        QCOMPARE(cells.value("D4"), QStringLiteral("v (m/s)"));
        // A column by its header in row 4.
        const auto column = [&cells](const QString& header) {
            for (char c = 'A'; c <= 'Z'; ++c) {
                if (cells.value(QString(QChar(c)) + "4") == header) {
                    return QString(QChar(c));
                }
            }
            return QString();
        };
        // The standard athlete's empty columns are not printed; no flight was planned.
        QVERIFY(column("m (kg)").isEmpty() && column(QString::fromUtf8("Vorhersage")).isEmpty());
        const QString time = column("Flugzeit (s)"),
                      turned = column(QString::fromUtf8("Drehung (°)"));
        const QString attitude = column(QString::fromUtf8("Lage (°)")), contact = column("Kontakt");
        const QString verdict = column("Urteil");
        QVERIFY(!time.isEmpty() && !turned.isEmpty() && !attitude.isEmpty() && !verdict.isEmpty());
        const FlightLog& log = window.lessonLog()->log();
        for (int i = 0; i < 3; ++i) {
            const FlightSummary& s = log.flights()[std::size_t(i)].summary;
            const QString row = QString::number(5 + i);
            QCOMPARE(cells.value("A" + row).toInt(), i + 1);
            QCOMPARE(cells.value("C" + row), s.model == Model::Exact ? "exakt" : "klassisch");
            QCOMPARE(cells.value("D" + row).toDouble(), s.speedMPerS);
            QCOMPARE(cells.value(time + row).toDouble(), s.flightTimeS);
            QCOMPARE(cells.value(turned + row).toDouble(), s.rotationDeg);
            QCOMPARE(cells.value(attitude + row).toDouble(), s.landing->attitudeDeg);
        }
        QVERIFY(!cells.contains("A8"));
        // 8 m/s at 80° classic lands 60° short of upright; 6 m/s at 60° exact on the hand.
        QCOMPARE(cells.value(verdict + "5"), QStringLiteral("zu wenig gedreht"));
        QCOMPARE(cells.value(attitude + "5").toDouble(), -60.0);
        QCOMPARE(cells.value(contact + "6"), QStringLiteral("Hand"));
        QCOMPARE(cells.value(verdict + "6"), QString::fromUtf8("nicht auf den Füßen"));
        // Every flight's sheet names who flew it; every sheet prints A4 landscape, one page wide,
        // the table's header on every page.
        QCOMPARE(test::XlsxCells(path, 3).value("H3"), QStringLiteral("7b: Anna/Ben"));
        for (const char* sheet : {"xl/worksheets/sheet1.xml", "xl/worksheets/sheet2.xml"}) {
            const QByteArray xml = test::ZipEntry(path, sheet);
            QVERIFY2(xml.contains("paperSize=\"9\"") && xml.contains("orientation=\"landscape\"") &&
                         xml.contains("fitToPage=\"1\"") && xml.contains("fitToHeight=\"0\"") &&
                         !xml.contains("fitToWidth="),
                     sheet);
        }
        const QByteArray book = test::ZipEntry(path, "xl/workbook.xml");
        QVERIFY(book.contains("_xlnm.Print_Titles"));
        for (const char* sheet :
             {"Gruppen", "Protokoll", "Flug 1", "Flug 2", "Flug 3", "Diagramme"}) {
            QVERIFY2(book.contains(QByteArray("name=\"") + sheet + "\""), sheet);
        }
        // The height chart draws flights 1 and 3 from their own sheets' height column.
        const QByteArray chart = test::ZipEntry(path, "xl/charts/chart1.xml");
        QCOMPARE(chart.count("<c:ser>"), 2);
        QVERIFY(chart.contains("'Flug 1'!$D$7"));
        QVERIFY(chart.contains("'Flug 3'!$D$7"));
        QVERIFY(!chart.contains("'Flug 2'"));
    }

    void emptyingTheLogAsksFirst() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        Fly(window);
        Fly(window);
        window.showLog();
        auto* clear = window.logWindow()->findChild<QPushButton*>(QStringLiteral("clearButton"));
        QTest::mouseClick(clear, Qt::LeftButton);
        QMessageBox* question = OpenMessage(*window.logWindow());
        QVERIFY(question);
        question->button(QMessageBox::No)->click();
        QCOMPARE(window.lessonLog()->log().flights().size(), std::size_t(2));
        QTest::mouseClick(clear, Qt::LeftButton);
        OpenMessage(*window.logWindow())->button(QMessageBox::Yes)->click();
        QVERIFY(window.lessonLog()->log().flights().empty());
        Fly(window);
        QCOMPARE(window.lessonLog()->log().flights().front().number, 1);
    }

    // A log cut short inside its only flight: the copy set aside holds it as it was, the count
    // of damaged lines is said, and the lesson starts empty.
    void aDamagedLogIsSetAside() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("flugprotokoll.txt"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("Purzosimulation flight log 1\ngroup\t\nflight\t1\tclassic\t0\t0\t6\t6");
        out.close();
        PurzoWindow window;
        QSignalSpy problems(window.lessonLog(), &LessonLog::problem);
        window.keepLogIn(file);
        QCOMPARE(problems.count(), 1);
        QVERIFY(problems.first().first().toString().contains(QStringLiteral("2 Zeilen")));
        QVERIFY(window.lessonLog()->log().flights().empty());
        const QStringList aside =
            QDir(dir.path()).entryList({QStringLiteral("flugprotokoll.txt.defekt-*")});
        QCOMPARE(aside.size(), 1);
        QFile kept(dir.filePath(aside.first()));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QVERIFY(kept.readAll().endsWith("\t6\t6"));
    }

    // Where the log cannot be written, the class is told once and flies on.
    void aLogThatCannotBeWrittenIsSaidOnce() {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("a-file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        QSignalSpy problems(window.lessonLog(), &LessonLog::problem);
        window.keepLogIn(dir.filePath(QStringLiteral("a-file/flugprotokoll.txt")));
        Fly(window);
        Fly(window);
        QCOMPARE(problems.count(), 1);
        QCOMPARE(window.lessonLog()->log().flights().size(), std::size_t(2));
        if (QMessageBox* box = OpenMessage(window)) {
            box->close();
        }
    }
};

QTEST_MAIN(WindowLogTest)
#include "test_window_log.moc"
