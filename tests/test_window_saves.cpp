// SPDX-License-Identifier: MIT
// What leaves the window for a worksheet: the spreadsheet of the last flight with its charts,
// and the names the save dialogs give; and what the window remembers between starts.
#include "window/controls/lesson_menu.h"
#include "window/lesson/saving.h"
#include "window/view/canvas_widget.h"
#include "window_fixture.h"
#include "xlsx_cells.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

using namespace purzo;
using purzo::test::Control;
using purzo::test::Fly;
using purzo::test::ModelFlight;
using purzo::test::ShowWhole;

class WindowSavesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        purzo::test::FailOnWarnings();
        purzo::test::UseProgramLook();
    }

    void spreadsheetHoldsTheFlightAsRecorded() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        window.setModel(Model::Exact);
        Control<QRadioButton>(window, "Option2")->setChecked(true);
        Control<QLineEdit>(window, "Text1")->setText(QStringLiteral("6,5"));
        Fly(window);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("flug.xlsx"));
        QVERIFY(window.saveFlightWorkbook(path));
        const QMap<QString, QString> cells = purzo::test::XlsxCells(path, 1);
        QCOMPARE(cells.value("B1").toDouble(), 6.5);
        QCOMPARE(cells.value("B3"), QStringLiteral("exakt"));
        QCOMPARE(cells.value("B4"), QStringLiteral("Zeitlupe"));
        QCOMPARE(cells.value("E6"), QString::fromUtf8("Drehung (°)"));
        const std::vector<FrameResult>& frames = window.lastFlight()->frames;
        for (std::size_t i = 0; i < frames.size(); ++i) {
            const QString row = QString::number(7 + i);
            QCOMPARE(cells.value("A" + row).toInt(), frames[i].frame);
            QVERIFY(std::abs(cells.value("B" + row).toDouble() - frames[i].timeS) < 1e-12);
            QVERIFY(std::abs(cells.value("E" + row).toDouble() - frames[i].rotationDeg) < 1e-9);
            QVERIFY(std::abs(cells.value("H" + row).toDouble() - frames[i].inertiaKgM2) < 1e-12);
        }
        QVERIFY(purzo::test::ZipEntry(path, "xl/charts/chart2.xml").contains("scatterChart"));
    }

    void aFailedSpreadsheetSaveSaysWhyAndLeavesTheFileAlone() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        Fly(window);
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("fehlt/flug.xlsx"));
        QSignalSpy failed(&window, &PurzoWindow::saveFailed);
        QVERIFY(!window.saveFlightWorkbook(missing));
        QCOMPARE(failed.count(), 1);
        QVERIFY(failed.at(0).at(0).toString().contains(QLatin1String("flug.xlsx")));
        // A file already there is replaced whole or not at all.
        const QString existing = dir.filePath(QStringLiteral("alt.xlsx"));
        QFile old(existing);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("alt");
        old.close();
        QVERIFY(window.saveFlightWorkbook(existing));
        QVERIFY(QFile(existing).size() > 1000);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("alt.xlsx")});
    }

    void toolsModelAndPaceAreRememberedBetweenStarts() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("purzo.conf"));
        {
            PurzoWindow fresh;
            fresh.rememberChoicesIn(file);
            QVERIFY(ShowWhole(fresh));
            const CanvasTools tools = fresh.lessonMenu()->tools();
            QVERIFY(!tools.path && !tools.sequence && !tools.data && !tools.previous &&
                    !tools.wholeView);
            QCOMPARE(fresh.model(), Model::Classic);
            QVERIFY(Control<QRadioButton>(fresh, "Option1")->isChecked());
            QVERIFY(!QFile::exists(file)); // nothing written unasked
            fresh.lessonMenu()->pathAction()->trigger();
            fresh.lessonMenu()->wholeViewAction()->trigger();
            fresh.lessonMenu()->exactModelAction()->trigger();
            QTest::mouseClick(Control<QRadioButton>(fresh, "Option3"), Qt::LeftButton);
        }
        {
            PurzoWindow again;
            again.rememberChoicesIn(file);
            const CanvasTools tools = again.lessonMenu()->tools();
            QVERIFY(tools.path && tools.wholeView && !tools.sequence && !tools.data);
            QCOMPARE(Control<CanvasWidget>(again, "Picture1")->tools().wholeView, true);
            QCOMPARE(again.model(), Model::Exact);
            QVERIFY(Control<QRadioButton>(again, "Option3")->isChecked());
            // A model given on the command line holds for that start only, also when a tool is
            // switched then.
            again.setModel(Model::Classic);
            again.lessonMenu()->dataAction()->trigger();
        }
        {
            PurzoWindow third;
            third.rememberChoicesIn(file);
            QCOMPARE(third.model(), Model::Exact);
            QVERIFY(third.lessonMenu()->tools().data);
            third.lessonMenu()->resetToolsAction()->trigger();
            const CanvasTools tools = third.lessonMenu()->tools();
            QVERIFY(!tools.path && !tools.wholeView);
            QCOMPARE(third.model(), Model::Classic);
        }
        PurzoWindow fourth;
        fourth.rememberChoicesIn(file);
        QVERIFY(!fourth.lessonMenu()->tools().path);
        QCOMPARE(fourth.model(), Model::Classic);
        QVERIFY(Control<QRadioButton>(fourth, "Option3")->isChecked()); // the pace stays
    }

    void aNameWithoutSuffixGetsOne_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("bare") << "/tmp/bild"
                              << "/tmp/bild.png";
        QTest::newRow("own suffix kept") << "/tmp/bild.jpeg"
                                         << "/tmp/bild.jpeg";
        QTest::newRow("dot in the folder") << "/tmp/v6.5/bild"
                                           << "/tmp/v6.5/bild.png";
        QTest::newRow("cancelled") << ""
                                   << "";
    }
    void aNameWithoutSuffixGetsOne() {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        QCOMPARE(WithSuffix(typed, QStringLiteral("png")), saved);
    }
};

QTEST_MAIN(WindowSavesTest)
#include "test_window_saves.moc"
