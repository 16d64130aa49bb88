// SPDX-License-Identifier: MIT
// The landing map as a group works it: its cells are the single flights of their plans, spread
// over threads and stopped at once when cancelled; the lesson's flights stand on it; a click
// tells a cell's flight and a double click asks to fly exactly that plan.
#include "flight/flight_log.h"
#include "flight/whole_flight.h"
#include "log_fixture.h"
#include "window/tools/landing_map_view.h"
#include "window/tools/landing_map_window.h"
#include "window/tools/map_computation.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

using namespace purzo;
using purzo::test::Flown;

namespace {

MapRequest TuckMapAt(double speed, double angle, Model model, int depth = 7) {
    MapRequest r;
    r.kind = MapKind::Tuck;
    r.model = model;
    r.speedMPerS = speed;
    r.angleDeg = angle;
    r.depth = depth;
    return r;
}

} // namespace

class WindowMapTest : public QObject {
    Q_OBJECT
private slots:
    // Two threads share the cells out; each cell is what one thread alone computes.
    void threadsComputeTheSameCells() {
        const MapRequest request = TuckMapAt(6.5, 65, Model::Exact, 6);
        MapComputation map(request, 2);
        while (!map.finished()) {
            QThread::msleep(1);
        }
        QCOMPARE(map.done(), map.total());
        const MapAxes axes = MapAxesFor(request);
        QCOMPARE(map.total(), axes.columns * axes.rows);
        for (const int i : {0, map.total() / 3, map.total() - 1}) {
            const MapCell alone = MapCellAt(request, axes, i / axes.rows, i % axes.rows);
            const MapCell& shared = map.cells()[std::size_t(i)];
            QCOMPARE(shared.plan, alone.plan);
            QCOMPARE(shared.summary.rotationDeg, alone.summary.rotationDeg);
            QCOMPARE(shared.mapClass, alone.mapClass);
        }
    }

    // Cancelled, nothing runs on: the count stands still, and it ends short of the whole map.
    void aCancelledMapStops() {
        MapRequest request;
        request.kind = MapKind::SpeedAngle;
        request.model = Model::Exact;
        request.plan = {3, 6, 7};
        MapComputation map(request, 2);
        map.cancel();
        QVERIFY(map.finished());
        const int done = map.done();
        QThread::msleep(30);
        QCOMPARE(map.done(), done);
        QVERIFY(done < map.total());
        // Destroyed while computing: it waits for its threads and leaves none behind.
        { MapComputation another(request, 2); }
    }

    void theWindowShowsFliesAndMarks() {
        FlightLog log;
        const TuckPlan plan{4, 5, 7};
        FlightRecord planned = Flown("6", "70", Model::Classic, PlanPostures(plan));
        planned.plan = plan;
        log.add(planned, "Delfine", "2026-12-10 10:00");
        log.add(Flown("6", "70", Model::Classic, {1, 1, 7, 7, 7, 1}), "Adler", "2026-12-10 10:05");
        log.add(Flown("6", "60", Model::Classic, PlanPostures(plan)), "Robben", "2026-12-10 10:07");
        log.add(Flown("6", "70", Model::Classic, {1, 7, 1, 7, 1}), "Wale", "2026-12-10 10:09");
        LandingMapWindow window(&log);
        window.resize(900, 700);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setUp(TuckMapAt(6, 70, Model::Classic));
        QVERIFY(window.waitForMap());
        LandingMapView* view = window.view();
        QVERIFY(!view->cells().empty());
        // The planned flight and the one flown by hand in one tuck; not the other take-off, not
        // the flight that tucked twice.
        QStringList labels;
        for (const MapMarker& m : view->markers()) {
            labels << m.label;
        }
        QCOMPARE(labels, (QStringList{"1 Delfine", "2 Adler"}));
        QCOMPARE(view->markers()[0].column, 2.0); // frame 4: the third start
        QCOMPARE(view->markers()[0].row, 4.0);    // 5 frames long
        // A click picks the planned flight's cell and tells its flight; a double click flies it.
        const int index = 2 * view->axes().rows + 4;
        const QPoint at = view->cellRect(2, 4).center().toPoint();
        QTest::mouseClick(view, Qt::LeftButton, {}, at);
        QCOMPARE(view->picked(), std::optional<int>(index));
        QVERIFY2(window.summary()->text().contains(QStringLiteral("ab Bild 4, 5 Bilder")),
                 qPrintable(window.summary()->text()));
        QSignalSpy fly(&window, &LandingMapWindow::flyRequested);
        QTest::mouseDClick(view, Qt::LeftButton, {}, at);
        QCOMPARE(fly.count(), 1);
        QCOMPARE(fly.first().at(2).value<TuckPlan>(), plan);
        // The cell lands as the logged flight of that plan did.
        QCOMPARE(view->cells()[std::size_t(index)].summary.rotationDeg,
                 log.find(1)->summary.rotationDeg);
        QVERIFY(!window.answer()->text().isEmpty());
    }
};

QTEST_MAIN(WindowMapTest)
#include "test_window_map.moc"
