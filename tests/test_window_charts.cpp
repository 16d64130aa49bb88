// SPDX-License-Identifier: MIT
// The charts window: a tool window of the main one that plots the flight the canvas shows, with a
// marker at the frame shown, the previous flight of the same model, and a save as PNG. And the
// data panel, which keeps out of the flight's way.
#include "window/controls/lesson_menu.h"
#include "window/tools/charts_legend.h"
#include "window/tools/charts_window.h"
#include "window/tools/tool_window.h"
#include "window/view/canvas_widget.h"
#include "window_fixture.h"

#include <QChart>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>

using namespace purzo;
using purzo::test::Control;
using purzo::test::Fly;
using purzo::test::ModelFlight;
using purzo::test::ShowWhole;

namespace {

// The series of a chart in the order they were added: the flight, its marker, then the flights
// shown beside it.
QList<QPointF> Points(QChart* chart, int series) {
    return static_cast<QXYSeries*>(chart->series().at(series))->points();
}

} // namespace

class WindowChartsTest : public QObject {
    Q_OBJECT
private slots:
    // The charts window (900 × 840 at scale 1, plus a frame) on screens a classroom has, the
    // main window where it opens there: centred at its best size, or at the screen's left.
    void toolWindowStaysOnTheScreenAndOffTheMainWindow_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("mainFrame");
        QTest::addColumn<QString>("where");
        QTest::newRow("1024 × 768, full width")
            << QRect(0, 0, 1024, 740) << QRect(0, 0, 1024, 740) << "narrowed";
        QTest::newRow("1366 × 768, centred")
            << QRect(0, 0, 1366, 740) << QRect(174, 0, 1018, 740) << "narrowed";
        QTest::newRow("1280 × 800, window at the left")
            << QRect(0, 0, 1280, 800) << QRect(0, 0, 1105, 806) << "narrowed";
        QTest::newRow("1920 × 1080, centred")
            << QRect(0, 0, 1920, 1080) << QRect(411, 151, 1099, 806) << "moved";
        QTest::newRow("1920 × 1080, window at the left")
            << QRect(0, 0, 1920, 1080) << QRect(0, 0, 1105, 806) << "right";
        QTest::newRow("1920 × 1080, window at the right")
            << QRect(0, 0, 1920, 1080) << QRect(815, 100, 1105, 806) << "left";
        QTest::newRow("second screen beside the first")
            << QRect(1920, 0, 1920, 1080) << QRect(1920, 0, 1105, 806) << "right";
    }
    void toolWindowStaysOnTheScreenAndOffTheMainWindow() {
        QFETCH(QRect, screen);
        QFETCH(QRect, mainFrame);
        QFETCH(QString, where);
        const QSize wanted(908, 868), smallest(324, 328), mainSmallest(662, 494);
        const ToolRoom room = ToolWindowRoom(wanted, smallest, mainFrame, mainSmallest, screen);
        const auto text = [](const QRect& r) {
            return QStringLiteral("%1,%2 %3×%4")
                .arg(r.x())
                .arg(r.y())
                .arg(r.width())
                .arg(r.height());
        };
        QVERIFY2(screen.contains(room.tool), qPrintable(text(room.tool)));
        QVERIFY2(!room.tool.intersects(room.mainFrame),
                 qPrintable(text(room.tool) + " over " + text(room.mainFrame)));
        QVERIFY(room.tool.width() >= smallest.width() && room.tool.height() >= smallest.height());
        QVERIFY(room.mainFrame.width() >= mainSmallest.width());
        QVERIFY(room.mainFrame.height() >= mainSmallest.height());
        if (where == "right") {
            QCOMPARE(room.tool.left(), mainFrame.right() + 9);
            QCOMPARE(room.mainFrame, mainFrame);
        } else if (where == "left") {
            QCOMPARE(room.tool.right(), mainFrame.left() - 9);
            QCOMPARE(room.mainFrame, mainFrame);
        } else if (where == "moved") {
            QCOMPARE(room.mainFrame, mainFrame.translated(screen.left() - mainFrame.left(), 0));
            QCOMPARE(room.tool.left(), room.mainFrame.right() + 9);
            QCOMPARE(room.tool.width(), 813); // all the screen leaves beside it
        } else {
            // Moved to the left edge and narrowed no more than the tool needs.
            QCOMPARE(room.mainFrame.left(), screen.left());
            QVERIFY(room.mainFrame.width() <= mainFrame.width());
            QVERIFY(screen.contains(room.mainFrame));
        }
    }

    void initTestCase() {
        purzo::test::FailOnWarnings();
        purzo::test::UseProgramLook();
    }

    void emptyAxesBeforeAnyFlight() {
        PurzoWindow window;
        QVERIFY(ShowWhole(window));
        window.lessonMenu()->chartsAction()->trigger();
        ChartsWindow* charts = window.chartsWindow();
        QVERIFY(charts && charts->isVisible());
        QVERIFY(charts->windowFlags() & Qt::Tool);
        QCOMPARE(charts->parentWidget(), &window);
        QVERIFY(Points(charts->chart(purzo::Quantity::Height), 0).isEmpty());
    }

    void chartsPlotTheFlightWithAMarkerAtTheFrameShown() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        window.setModel(Model::Exact);
        window.lessonMenu()->chartsAction()->trigger();
        ChartsWindow* charts = window.chartsWindow();
        Fly(window);
        const std::vector<FrameResult> model = ModelFlight(6, 60, {1}, Model::Exact);
        const QList<QPointF> height = Points(charts->chart(purzo::Quantity::Height), 0);
        QCOMPARE(height.size(), qsizetype(model.size()));
        for (std::size_t i = 0; i < model.size(); ++i) {
            QCOMPARE(height[qsizetype(i)].x(), model[i].timeS);
            QCOMPARE(height[qsizetype(i)].y(), (150 - model[i].pathY) / 30);
        }
        QCOMPARE(Points(charts->chart(purzo::Quantity::Inertia), 0).last().y(),
                 model.back().inertiaKgM2);
        QCOMPARE(Points(charts->chart(purzo::Quantity::Energy), 0).last().y(),
                 model.back().rotationalEnergyJ);
        // H stays nought in a stretched flight; its axis keeps a readable span.
        const auto* shapeAxis = qobject_cast<QValueAxis*>(
            charts->chart(purzo::Quantity::ShapeMomentum)->axes(Qt::Vertical).first());
        QVERIFY(shapeAxis->max() >= 1.0);
        QCOMPARE(charts->chart(purzo::Quantity::Rotation)->axes(Qt::Vertical).first()->titleText(),
                 QString::fromUtf8("Drehung (°)"));
        QCOMPARE(Points(charts->chart(purzo::Quantity::Rotation), 1),
                 QList<QPointF>{QPointF(model.back().timeS, model.back().rotationDeg)});
        // Stepping back moves the marker with the canvas.
        auto* bar = Control<QScrollBar>(window, "HScroll1");
        QTest::keyClick(bar, Qt::Key_Home);
        QCOMPARE(Points(charts->chart(purzo::Quantity::Height), 1),
                 QList<QPointF>{QPointF(0, (150 - model.front().pathY) / 30)});

        // A classic flight next, the exact one before it beside it: the exact model's charts
        // stay for that one alone, and one legend names both whole.
        window.lessonMenu()->previousAction()->setChecked(true);
        window.setModel(Model::Classic);
        Fly(window);
        QVERIFY(charts->isPlotShown(purzo::Quantity::Inertia));
        QVERIFY(Points(charts->chart(purzo::Quantity::Inertia), 0).isEmpty());
        QCOMPARE(Points(charts->chart(purzo::Quantity::Inertia), 2).size(),
                 qsizetype(model.size()));
        QCOMPARE(Points(charts->chart(purzo::Quantity::Height), 2).size(), qsizetype(model.size()));
        const auto* legend = charts->findChild<ChartsLegend*>(QStringLiteral("chartsLegend"));
        QVERIFY(legend && legend->isVisible());
        QCOMPARE(legend->entries().size(), std::size_t(2));
        QCOMPARE(legend->entries()[1].text, QString::fromUtf8("Flug 1 – Lehrkraft"));
        QCOMPARE(charts->chart(purzo::Quantity::Height)->series().at(2)->name(),
                 QStringLiteral("Flug 1"));
        // A second classic flight is compared with the first, in its own series: no exact
        // flight is drawn, no exact chart stands.
        Fly(window);
        QCOMPARE(Points(charts->chart(purzo::Quantity::Height), 2).size(), qsizetype(18));
        QVERIFY(!charts->isPlotShown(purzo::Quantity::Inertia));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("diagramme.png"));
        QVERIFY(charts->saveCharts(path));
        QVERIFY(QImage(path).width() > 300);
    }

    // Beside the main window on a 1024 px screen, or on a board: every value axis's title is
    // the whole header, on more lines where it must be, each line within the chart's height.
    void axisTitlesStayWholeAtEverySize_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("beside the window at 1024 px") << QSize(338, 700);
        QTest::newRow("1366 px") << QSize(560, 740);
        QTest::newRow("maximised at 1920 px") << QSize(1920, 1040);
    }
    void axisTitlesStayWholeAtEverySize() {
        QFETCH(QSize, size);
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        window.setModel(Model::Exact);
        window.showCharts();
        Fly(window);
        ChartsWindow* charts = window.chartsWindow();
        charts->resize(size);
        QVERIFY(QTest::qWaitForWindowExposed(charts));
        for (const purzo::Quantity q : ChartQuantities(Model::Exact)) {
            QVERIFY(charts->isPlotShown(q));
            const QChart* chart = charts->chart(q);
            const auto* axis = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).first());
            const QStringList lines = axis->titleText().split(QStringLiteral("<br>"));
            const QString whole = lines.join(QLatin1Char(' '));
            QVERIFY2(whole.endsWith(QLatin1Char(')')) && whole.contains(QLatin1Char('(')),
                     qPrintable(whole));
            const QFontMetricsF metrics(axis->titleFont());
            for (const QString& line : lines) {
                // A single word longer than the room stands alone rather than being cut.
                QVERIFY2(metrics.horizontalAdvance(line) <= chart->size().height() * 0.6 ||
                             !line.contains(QLatin1Char(' ')),
                         qPrintable(line));
            }
        }
        // The text grows with the window.
        const double small = charts->font().pointSizeF();
        charts->resize(size * 2);
        QVERIFY(charts->font().pointSizeF() > small || size.width() >= 1920);
    }

    void dataPanelTakesTheCornerThePathLeavesFree_data() {
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("angle");
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("right");
        QTest::newRow("8 m/s at 80°, high on the left") << "8"
                                                        << "80" << int(Model::Classic) << true;
        QTest::newRow("8 m/s at 80°, exact") << "8"
                                             << "80" << int(Model::Exact) << true;
        QTest::newRow("4 m/s at 30°, low") << "4"
                                           << "30" << int(Model::Classic) << false;
        // The exact flight leaves the floor a metre up and comes down on it at the right.
        QTest::newRow("8 m/s at 30°, flat across, low at the right")
            << "8"
            << "30" << int(Model::Exact) << true;
    }
    void dataPanelTakesTheCornerThePathLeavesFree() {
        QFETCH(QString, speed);
        QFETCH(QString, angle);
        QFETCH(int, model);
        QFETCH(bool, right);
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        window.setModel(Model(model));
        window.lessonMenu()->dataAction()->setChecked(true);
        Control<QLineEdit>(window, "Text1")->setText(speed);
        Control<QLineEdit>(window, "Text2")->setText(angle);
        Fly(window);
        auto* canvas = Control<CanvasWidget>(window, "Picture1");
        QCOMPARE(canvas->panelOnRight(), right);
        // The panel's white box stands in that corner of the picture.
        const QImage image = canvas->grab(canvas->contentsRect()).toImage();
        const QColor nearLeft = image.pixelColor(12, 12);
        const QColor nearRight = image.pixelColor(image.width() - 12, 12);
        QCOMPARE((right ? nearRight : nearLeft).lightness() > 240, true);
    }
};

QTEST_MAIN(WindowChartsTest)
#include "test_window_charts.moc"
