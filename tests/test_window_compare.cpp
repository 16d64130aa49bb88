// SPDX-License-Identifier: MIT
// The comparison as a class works it: flights of the log played together, every figure at the
// same moment after take-off however the moment is reached, a landed one holding its touchdown,
// and one box for their legend and data where the paths leave room.
#include "design/side_by_side_grid.h"
#include "window/controls/lesson_menu.h"
#include "window/lesson/flight_log_model.h"
#include "window/lesson/flight_log_window.h"
#include "window/lesson/lesson_log.h"
#include "window/lesson/lesson_sheet.h"
#include "window/lesson/lesson_tools.h"
#include "window/tools/charts_window.h"
#include "window/view/canvas_widget.h"
#include "window/view/comparison_box.h"
#include "window/view/drawn_figure.h"
#include "window/view/view_transform.h"
#include "window_fixture.h"

#include <QApplication>
#include <QChart>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QXYSeries>
#include <unistd.h>

using namespace purzo;
using purzo::test::Control;
using purzo::test::Fly;
using purzo::test::SetTexts;
using purzo::test::ShowWhole;

namespace {

// Whether the canvas shows the figure of `frame` in the flight's colour: the right rim of its
// head, where no path runs along.
bool FigureDrawnAt(const QTransform& toWidget, const QImage& image, const FrameResult& frame,
                   std::size_t style) {
    const DrawnFigure figure = ToDrawn(frame.figure);
    const QPointF rim = toWidget.map(QPointF(figure.head.x + figure.head.radius, figure.head.y));
    const QColor want = QColor::fromRgba(kShownFlightStyles[style].colour);
    for (int dx = -2; dx <= 2; ++dx) {
        const QColor drawn(image.pixel(rim.toPoint() + QPoint(dx, 0)));
        if (std::abs(drawn.hue() - want.hue()) < 20 && drawn.saturation() > 120) {
            return true;
        }
    }
    return false;
}

} // namespace

class WindowCompareTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        purzo::test::FailOnWarnings();
        purzo::test::UseProgramLook();
    }

    // Three flights of different lengths compared and stepped to a moment: each figure where
    // its own flight was then, or at its touchdown once landed, never all at their landing.
    void everyFigureStandsAtTheSameMoment_data() {
        QTest::addColumn<int>("moment"); // frames after the first, reached by Page Down
        QTest::newRow("early") << 3;
        QTest::newRow("rising") << 6;
        QTest::newRow("the shortest has landed") << 14;
        QTest::newRow("all landed") << 60;
    }
    void everyFigureStandsAtTheSameMoment() {
        QFETCH(int, moment);
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        for (const auto& [speed, angle] : {std::pair{"5", "45"}, {"7", "70"}, {"6", "60"}}) {
            SetTexts(window, speed, angle);
            Fly(window);
        }
        window.showLog();
        auto* model = window.logWindow()->model();
        for (int row = 0; row < 3; ++row) {
            QVERIFY(model->setData(model->index(row, 0), Qt::Checked, Qt::CheckStateRole));
        }
        window.showCharts();
        QSignalSpy replayed(&window, &PurzoWindow::replayFinished);
        QTest::mouseClick(window.logWindow()->findChild<QPushButton*>("compareButton"),
                          Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return replayed.count() == 1; }, 10000));
        auto* canvas = Control<CanvasWidget>(window, "Picture1");
        QVERIFY(canvas->comparingWithoutCurrent());
        QTest::keyClick(canvas, Qt::Key_Home);
        for (int i = 0; i < moment; ++i) {
            QTest::keyClick(canvas, Qt::Key_PageDown);
        }
        const QImage image = canvas->grab().toImage();
        const auto& shown = canvas->shownFlights();
        QCOMPARE(shown.size(), std::size_t(3));
        for (const ShownFlight& flight : shown) {
            const std::size_t at = std::min(std::size_t(moment), flight.frames.size() - 1);
            QVERIFY2(
                FigureDrawnAt(canvas->canvasTransform(), image, flight.frames[at], flight.style),
                qPrintable(
                    QStringLiteral("flight %1 not at frame %2").arg(flight.number).arg(at + 1)));
            if (at + 3 < flight.frames.size()) {
                QVERIFY2(!FigureDrawnAt(canvas->canvasTransform(), image, flight.frames.back(),
                                        flight.style),
                         qPrintable(QStringLiteral("flight %1 at its landing").arg(flight.number)));
            }
        }
        // The charts stand at the same moment: each flight's line as far as its figure.
        const auto* heights = qobject_cast<QXYSeries*>(
            window.chartsWindow()->chart(purzo::Quantity::Height)->series().at(2));
        QCOMPARE(std::size_t(heights->count()),
                 std::min(std::size_t(moment) + 1, shown.front().frames.size()));
        // The worksheet's picture names the compared flights, not the last one flown.
        QCOMPARE(window.worksheetCaption(),
                 QStringLiteral("Vergleich: Flug 1 (Lehrkraft), Flug 2 (Lehrkraft), Flug 3 "
                                "(Lehrkraft)"));
        QVERIFY(window.worksheetLandingLine().startsWith(QStringLiteral("1: ")));
        QCOMPARE(window.worksheetLandingLine().count(QStringLiteral(" · ")), 2);
        // A new flight is compared too: its own figure comes back.
        Fly(window);
        QVERIFY(canvas->comparing() && !canvas->comparingWithoutCurrent());
    }

    // Three groups' attempts on one path, side by side: each flight in its own cell of the
    // grid, its figure where its flight is at the moment stepped to, in either view.
    void sideBySideGivesEachFlightItsCell_data() {
        QTest::addColumn<bool>("wholeView");
        QTest::addColumn<int>("moment");
        QTest::newRow("designed view, rising") << false << 5;
        QTest::newRow("whole view, all landed") << true << 60;
    }
    void sideBySideGivesEachFlightItsCell() {
        QFETCH(bool, wholeView);
        QFETCH(int, moment);
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        window.showLog();
        auto* group = window.logWindow()->findChild<QLineEdit*>(QStringLiteral("groupField"));
        for (const char* name : {"Delfine", "Adler", "Luchse"}) {
            group->setText(QString::fromUtf8(name));
            emit group->editingFinished();
            SetTexts(window, "6", "70");
            Fly(window);
        }
        auto* model = window.logWindow()->model();
        for (int row = 0; row < 3; ++row) {
            QVERIFY(model->setData(model->index(row, 0), Qt::Checked, Qt::CheckStateRole));
        }
        CanvasTools tools;
        tools.wholeView = wholeView;
        window.lessonMenu()->setTools(tools);
        QSignalSpy replayed(&window, &PurzoWindow::replayFinished);
        window.lessonMenu()->sideBySideAction()->trigger(); // the comparison comes with it
        QVERIFY(QTest::qWaitFor([&] { return replayed.count() == 1; }, 10000));
        auto* canvas = Control<CanvasWidget>(window, "Picture1");
        QVERIFY(canvas->comparingWithoutCurrent() && canvas->tools().sideBySide);
        QTest::keyClick(canvas, Qt::Key_Home);
        for (int i = 0; i < moment; ++i) {
            QTest::keyClick(canvas, Qt::Key_PageDown);
        }
        const QImage image = canvas->grab().toImage();
        const QRectF area = canvas->contentsRect();
        const SideBySideGrid grid = SideBySideGridFor(
            area.width(), area.height(), 3, 0,
            wholeView ? CanvasWidget::kWholeView.width() / CanvasWidget::kWholeView.height()
                      : 701.0 / 533.0);
        QCOMPARE(grid.cells.size(), std::size_t(3));
        QVERIFY(grid.table.has_value()); // 2 × 2: the fourth cell holds the table
        for (const ShownFlight& flight : canvas->shownFlights()) {
            const GridRect& r = grid.cells[std::size_t(flight.number - 1)];
            const QTransform t = ViewTransform(wholeView, QRectF(r.x, r.y, r.width, r.height)
                                                              .translated(area.topLeft())
                                                              .adjusted(0, 0, -3, -3));
            const std::size_t at = std::min(std::size_t(moment), flight.frames.size() - 1);
            QVERIFY2(FigureDrawnAt(t, image, flight.frames[at], flight.style),
                     qPrintable(QStringLiteral("flight %1 not in its cell").arg(flight.number)));
        }
        // Switched off, the comparison goes on as one picture.
        window.lessonMenu()->sideBySideAction()->trigger();
        QVERIFY(canvas->comparing() && !canvas->tools().sideBySide);
        // The comparison switched off takes "side by side" with it.
        window.lessonMenu()->sideBySideAction()->trigger();
        window.lessonMenu()->compareAction()->trigger();
        QVERIFY(!canvas->comparing() && !canvas->tools().sideBySide);
    }

    // The lesson on one A4 landscape page: a PDF of it, everything painted inside the page,
    // the compared flights' picture and the groups' table; a place that cannot be written says
    // so and keeps the lesson.
    void theLessonSheetIsOnePage() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        window.showLog();
        auto* group = window.logWindow()->findChild<QLineEdit*>(QStringLiteral("groupField"));
        for (const auto& [name, speed] : {std::pair{"Delfine", "6"}, {"Adler / 4b", "7"}}) {
            group->setText(QString::fromUtf8(name));
            emit group->editingFinished();
            SetTexts(window, speed, "70");
            Fly(window);
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("stunde.pdf"));
        QVERIFY(window.findChild<LessonTools*>()->saveLessonSheet(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.count("/Type /Page\n"), 1);
        // A4 across: 842 points wide, 595 high.
        QVERIFY(QRegularExpression(QStringLiteral("/MediaBox \\[0 0 842(\\.0*)? 595(\\.0*)?\\]"))
                    .match(QString::fromLatin1(pdf))
                    .hasMatch());
        // Painted on a picture of the page at 96 dpi: nothing beyond its edges.
        const QImage canvas = Control<CanvasWidget>(window, "Picture1")->drawingAreaPicture(2.0);
        QImage page(1033, 703, QImage::Format_ARGB32); // A4 landscape less 12 mm margins
        page.setDotsPerMeterX(3780);
        page.setDotsPerMeterY(3780);
        page.fill(Qt::white);
        const QRectF used =
            PaintLessonSheet(page, window.lessonLog()->log(), canvas, QStringLiteral("2026-12-10"));
        QVERIFY2(QRectF(page.rect()).contains(used), qPrintable(QStringLiteral("%1 × %2 at %3")
                                                                    .arg(used.width())
                                                                    .arg(used.height())
                                                                    .arg(used.top())));
        QVERIFY(used.height() > page.height() * 0.8); // the picture takes the room there is
        // A folder that cannot be written: said, and nothing left behind.
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QSignalSpy failed(window.findChild<LessonTools*>(), &LessonTools::saveFailed);
        const bool saved = window.findChild<LessonTools*>()->saveLessonSheet(
            dir.filePath(QStringLiteral("zweite.pdf")));
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        if (::geteuid() != 0) { // root writes anywhere
            QVERIFY(!saved);
            QCOMPARE(failed.count(), 1);
        }
        QCOMPARE(window.lessonLog()->log().flights().size(), std::size_t(2));
    }

    // Eight flights on the smallest canvas, the designed one and the board's: the box shrinks
    // until it stands whole inside the canvas, and never grows.
    void theBoxFitsTheCanvas_data() {
        QTest::addColumn<QSizeF>("area");
        QTest::addColumn<double>("scale");
        QTest::newRow("smallest window") << QSizeF(423, 322) << 0.6;
        QTest::newRow("designed") << QSizeF(705, 537) << 1.0;
        QTest::newRow("board at 1920 × 1080") << QSizeF(1330, 1013) << 3.0;
    }
    void theBoxFitsTheCanvas() {
        QFETCH(QSizeF, area);
        QFETCH(double, scale);
        ComparisonTable table{{"Gruppe", "v (m/s)", "α (°)", "Hocken ab (s)", "Gehockt (s)",
                               "Drehung (°)", "Lage (°)", "Urteil"},
                              {}};
        for (std::size_t n = 0; n < 8; ++n) {
            table.columns.push_back({n,
                                     QStringLiteral("Flug %1").arg(n + 1),
                                     {"Delfine", "6,00", "70,0", "0,18", "0,59", "483,8", "123,8",
                                      "nicht auf den Füßen"}});
        }
        QFont font = QApplication::font();
        font.setPointSizeF(9 * scale);
        const QRectF canvas(QPointF(0, 0), area);
        const FittedBox fitted = FitComparisonBox(table, font, scale, canvas);
        QVERIFY(fitted.font.pointSizeF() <= font.pointSizeF());
        const QRectF box = ComparisonBoxPlace(fitted.size, canvas, {}, 6 * fitted.scale);
        QVERIFY2(canvas.contains(box),
                 qPrintable(QStringLiteral("%1 × %2").arg(box.width()).arg(box.height())));
        // Two flights need no shrinking on the board.
        table.columns.resize(2);
        if (scale >= 3) {
            QCOMPARE(FitComparisonBox(table, font, scale, canvas).font.pointSizeF(),
                     font.pointSizeF());
        }
    }

    // The comparison's box takes the corner the paths leave free, whichever that is.
    void theBoxTakesTheFreeCorner_data() {
        QTest::addColumn<QPolygonF>("path");
        QTest::addColumn<QString>("corner");
        const QPolygonF rising{QPointF(20, 380), QPointF(200, 200), QPointF(380, 20)};
        QTest::newRow("rising to the top right") << rising << "top left";
        QTest::newRow("along the top")
            << QPolygonF{QPointF(20, 20), QPointF(200, 20), QPointF(380, 20)} << "bottom right";
        QTest::newRow("nothing in the way") << QPolygonF{} << "top right";
    }
    void theBoxTakesTheFreeCorner() {
        QFETCH(QPolygonF, path);
        QFETCH(QString, corner);
        const QRectF area(0, 0, 400, 400);
        const QRectF box = ComparisonBoxPlace(QSizeF(150, 100), area, {path}, 6);
        QVERIFY(area.contains(box));
        for (const QPointF& p : path) {
            QVERIFY(!box.contains(p));
        }
        QCOMPARE(QString(box.top() < 200 ? "top" : "bottom") +
                     (box.left() < 200 ? " left" : " right"),
                 corner);
    }
};

QTEST_MAIN(WindowCompareTest)
#include "test_window_compare.moc"
