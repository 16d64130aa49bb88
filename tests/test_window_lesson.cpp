// SPDX-License-Identifier: MIT
// The lesson tools on the canvas: the context menu, the centre of mass's path, the movement in
// one picture, the flight's numbers, the previous flight, the whole-flight view, the replay and
// the two saves; with every tool off the canvas is as it always was.
#include "flight/csv_writer.h"
#include "flight/flight_summary.h"
#include "window/controls/lesson_menu.h"
#include "window/lesson/saving.h"
#include "window/view/canvas_widget.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <cstdint>

using namespace purzo;
using purzo::test::Control;
using purzo::test::ModelFlight;
using purzo::test::SetTexts;
using purzo::test::ShowWhole;

namespace {

// Flies to the end; from frame `tuckFrom` on (0: never) the right arrow tucks the figure fully.
void Fly(PurzoWindow& window, int tuckFrom = 0) {
    QSignalSpy finished(&window, &PurzoWindow::flightFinished);
    QMetaObject::Connection tuck;
    if (tuckFrom > 0) {
        tuck = QObject::connect(&window, &PurzoWindow::frameShown, &window,
                                [&window, tuckFrom](int frame) {
                                    if (frame == tuckFrom - 1) {
                                        Control<QScrollBar>(window, "HScroll1")->setValue(7);
                                    }
                                });
    }
    QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return finished.count() == 1; }, 10000));
    QObject::disconnect(tuck);
}

bool IsPathColour(QRgb p) {
    return qRed(p) > 150 && qGreen(p) < 120 && qBlue(p) < 100;
}

QString Trace(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(PURZO_TRACE_PATH), arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString PostureList(const FlightRecord& record) {
    QStringList list;
    for (const int p : record.postures()) {
        list << QString::number(p);
    }
    return list.join(QLatin1Char(','));
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class WindowLessonTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        purzo::test::FailOnWarnings();
        purzo::test::UseProgramLook();
    }

    void menuEntriesInTheirOrder() {
        PurzoWindow window;
        QVERIFY(ShowWhole(window));
        QStringList texts;
        QList<bool> checkable;
        for (QAction* action : window.lessonMenu()->menu()->actions()) {
            texts << (action->isSeparator() ? QStringLiteral("|") : action->text());
            checkable << action->isCheckable();
        }
        QCOMPARE(texts, (QStringList{QString::fromUtf8("&Schwerpunktbahn"),
                                     QString::fromUtf8("&Bewegungsablauf"),
                                     QString::fromUtf8("Flug&daten"),
                                     QString::fromUtf8("&Vorigen Flug zum Vergleich"),
                                     QString::fromUtf8("&Ganze Flugbahn zeigen"),
                                     QString::fromUtf8("Vergleiche&n"),
                                     QString::fromUtf8("N&ebeneinander"),
                                     "|",
                                     QString::fromUtf8("Letzten Flug &wiederholen"),
                                     QString::fromUtf8("&Anhalten / Weiter\tLeertaste"),
                                     QString::fromUtf8("Bild vo&r\tBild ab"),
                                     QString::fromUtf8("Bild &zurück\tBild auf"),
                                     QString::fromUtf8("H&ockplan…"),
                                     QString::fromUtf8("&Landekarte…"),
                                     QString::fromUtf8("Video &öffnen…"),
                                     QString::fromUtf8("Diagra&mme…"),
                                     QString::fromUtf8("&Flugprotokoll…"),
                                     QString::fromUtf8("&Präsentation\tF5"),
                                     "|",
                                     QString::fromUtf8("Flug als &CSV speichern…"),
                                     QString::fromUtf8("Flug als &Tabelle speichern…"),
                                     QString::fromUtf8("B&ild speichern…"),
                                     "|",
                                     QString::fromUtf8("&Klassisches Modell"),
                                     QString::fromUtf8("E&xaktes Modell (Drehimpulserhaltung)"),
                                     QString::fromUtf8("At&hlet…"),
                                     "|",
                                     QString::fromUtf8("Werkzeuge z&urücksetzen")}));
        QCOMPARE(checkable,
                 (QList<bool>{true,  true,  true,  true,  true,  true,  true,  false, false, false,
                              false, false, false, false, false, false, false, false, false, false,
                              false, false, false, true,  true,  false, false, false}));
        // Every accelerator letter is the menu's own.
        QSet<QChar> letters;
        for (const QString& text : texts) {
            const qsizetype amp = text.indexOf(QLatin1Char('&'));
            if (amp >= 0) {
                const QChar letter = text.at(amp + 1).toLower();
                QVERIFY2(!letters.contains(letter), qPrintable(text));
                letters.insert(letter);
            }
        }
        // The classic model is chosen when the window opens.
        QVERIFY(window.lessonMenu()->classicModelAction()->isChecked());
        QCOMPARE(window.model(), Model::Classic);
        // Every tool is off when the window opens.
        const CanvasTools tools = Control<CanvasWidget>(window, "Picture1")->tools();
        QVERIFY(!tools.path && !tools.sequence && !tools.data && !tools.previous &&
                !tools.wholeView);
    }

    void entriesNeedingAFlightWaitForOneThatEnded() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        LessonMenu* menu = window.lessonMenu();
        auto enabled = [menu] {
            return QList<bool>{menu->previousAction()->isEnabled(),
                               menu->replayAction()->isEnabled(),
                               menu->saveCsvAction()->isEnabled()};
        };
        QCOMPARE(enabled(), (QList<bool>{false, false, false}));
        QVERIFY(menu->savePictureAction()->isEnabled());
        Fly(window);
        QCOMPARE(enabled(), (QList<bool>{true, true, true}));
        QVERIFY(window.lastFlight().has_value());
        QVERIFY(!window.previousFlight().has_value());
    }

    void aFlightCutOffByStartIsDropped() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(100); // the 8 m/s flight is still in the air when cut
        QVERIFY(ShowWhole(window));
        SetTexts(window, "5", "50");
        Fly(window);
        auto* start = Control<QPushButton>(window, "Start");
        SetTexts(window, "8", "80");
        QSignalSpy frames(&window, &PurzoWindow::frameShown);
        QTest::mouseClick(start, Qt::LeftButton);
        QTRY_VERIFY(frames.count() >= 2);
        QVERIFY(window.flightRunning());
        SetTexts(window, "4", "30");
        Fly(window);
        // 5 m/s at 50° is now the previous flight; the 8 m/s flight left no trace.
        QCOMPARE(window.lastFlight()->params.takeoffSpeed, 4.0);
        QCOMPARE(window.previousFlight()->params.takeoffSpeed, 5.0);
    }

    void contextMenuOpensFromMouseAndKeyboard() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(40);
        QVERIFY(ShowWhole(window));
        auto* canvas = Control<CanvasWidget>(window, "Picture1");
        QMenu* menu = window.lessonMenu()->menu();
        // What the window system sends for a right click.
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(100, 100),
                                canvas->mapToGlobal(QPoint(100, 100)));
        QApplication::sendEvent(canvas, &click);
        QTRY_VERIFY(menu->isVisible());
        menu->hide();
        canvas->setFocus();
        QTest::keyClick(canvas, Qt::Key_Menu);
        QTRY_VERIFY(menu->isVisible());
        menu->hide();
        // During a flight, with the focus on the posture bar; the flight goes on.
        QSignalSpy frames(&window, &PurzoWindow::frameShown);
        window.startFlight();
        QTRY_COMPARE(frames.count(), 1);
        QTest::keyClick(Control<QScrollBar>(window, "HScroll1"), Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(menu->isVisible());
        QTRY_VERIFY(frames.count() >= 4);
        QVERIFY(window.flightRunning() || window.lastFlight().has_value());
        menu->hide();
    }

    void withEveryToolOffTheCanvasIsAsBefore() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        Fly(window);
        const QImage reference(QStringLiteral(PURZO_REFERENCE_DIR "/canvas-after-6ms-60deg.png"));
        const QImage grab = Control<CanvasWidget>(window, "Picture1")
                                ->grab()
                                .toImage()
                                .convertToFormat(reference.format());
        QVERIFY2(grab == reference, "the canvas after 6 m/s at 60° differs from the reference");
    }

    void pathMarksEveryFlightPoint() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        window.lessonMenu()->pathAction()->setChecked(true);
        Fly(window);
        auto* canvas = Control<CanvasWidget>(window, "Picture1");
        const QImage image = canvas->grab().toImage();
        const auto& frames = window.lastFlight()->frames;
        int marked = 0;
        for (const FrameResult& f : frames) {
            marked += IsPathColour(image.pixel(canvas->toWidget({f.pathX, f.pathY}).toPoint()));
        }
        // The figure is drawn over the path, so a marker or two may lie under its lines.
        QVERIFY2(marked * 10 >= int(frames.size()) * 8,
                 qPrintable(QStringLiteral("%1 of %2 markers").arg(marked).arg(frames.size())));
        // Away from the parabola there is none of the path's colour.
        QVERIFY(!IsPathColour(image.pixel(canvas->toWidget({150, 20}).toPoint())));
    }

    void sequenceShowsEveryEarlierFrameFaintly() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        Fly(window);
        auto* canvas = Control<CanvasWidget>(window, "Picture1");
        const QImage plain = canvas->grab().toImage();
        window.lessonMenu()->sequenceAction()->setChecked(true);
        const QImage faint = canvas->grab().toImage();
        const auto& frames = window.lastFlight()->frames;
        int shown = 0, inside = 0;
        for (std::size_t i = 0; i + 1 < frames.size(); ++i) {
            const Point a = frames[i].figure.hip(), b = frames[i].figure.shoulder();
            const QPointF mid((a.x + b.x) / 2, (a.y + b.y) / 2);
            if (mid.x() < 1 || mid.y() < 1 || mid.x() > 199 || mid.y() > 149) {
                continue;
            }
            ++inside;
            const QPoint p = canvas->toWidget(mid).toPoint();
            const int darker = qGray(plain.pixel(p)) - qGray(faint.pixel(p));
            shown += darker >= 20 && qGray(faint.pixel(p)) > 40 ? 1 : 0; // faint, not black
        }
        QVERIFY(inside >= 10);
        QVERIFY2(shown * 10 >= inside * 8,
                 qPrintable(QStringLiteral("%1 of %2 earlier trunks").arg(shown).arg(inside)));
    }

    void previousFlightStaysInItsOwnColour() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        window.lessonMenu()->previousAction()->setChecked(true);
        SetTexts(window, "6", "60");
        Fly(window);
        SetTexts(window, "6", "60");
        Fly(window, 2); // tucked from the second frame: it lands turned much further
        auto* canvas = Control<CanvasWidget>(window, "Picture1");
        const QImage image = canvas->grab().toImage();
        const FrameResult& before = window.previousFlight()->frames.back();
        const FrameResult& now = window.lastFlight()->frames.back();
        QVERIFY(before.rotationDeg != now.rotationDeg);
        // The previous flight's centre-of-mass path, half way through, in its blue.
        const FrameResult& middle =
            window.previousFlight()->frames[window.previousFlight()->frames.size() / 2];
        const QRgb p = image.pixel(canvas->toWidget({middle.pathX, middle.pathY}).toPoint());
        QVERIFY2(qBlue(p) > qRed(p) + 30, qPrintable(QColor(p).name()));
    }

    void flightDataShowsWhatTheStudentsSaw() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        window.lessonMenu()->dataAction()->setChecked(true);
        Fly(window);
        const QStringList lines = Control<CanvasWidget>(window, "Picture1")->dataPanelLines();
        const QString all = lines.join(QLatin1Char('\n'));
        for (const char* expected :
             {"Zeit: 1,00 s", "Weite: 3,00 m", "Drehung: 180° (0,50 Umdrehungen)",
              "Haltung: 1 gestreckt", "Flugzeit: 1,00 s", "Bilder: 18"}) {
            QVERIFY2(lines.contains(QString::fromUtf8(expected)), qPrintable(all));
        }
        // The height of the centre of mass above the ground at the landing frame.
        const FrameResult& last = window.lastFlight()->frames.back();
        const QString height = QString::number((150 - last.pathY) / 30, 'f', 2).replace('.', ',');
        QVERIFY2(lines.contains(QStringLiteral("Höhe: %1 m").arg(height)), qPrintable(all));
    }

    void wholeViewHoldsEveryFigureTheWindowCanProduce_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<double>("heightM");
        QTest::addColumn<double>("spinDegPerS");
        QTest::newRow("classic") << int(Model::Classic) << 1.8 << 170.0;
        QTest::newRow("exact") << int(Model::Exact) << 1.8 << 170.0;
        QTest::newRow("exact, the tallest athlete") << int(Model::Exact) << 2.2 << 170.0;
        QTest::newRow("exact, the tallest at 400°/s") << int(Model::Exact) << 2.2 << 400.0;
        QTest::newRow("exact, the tallest without spin") << int(Model::Exact) << 2.2 << 0.0;
    }
    void wholeViewHoldsEveryFigureTheWindowCanProduce() {
        QFETCH(int, model);
        QFETCH(double, heightM);
        QFETCH(double, spinDegPerS);
        const Athlete athlete{70, heightM, spinDegPerS};
        // Every integer take-off: stretched, tucked from each of the first frames, swinging
        // between the two, and postures pressed at random.
        std::vector<std::vector<int>> lists{{1}, {1, 4, 7, 4, 1, 4, 7, 4, 1}};
        for (int tuckAt = 0; tuckAt <= 6; ++tuckAt) {
            lists.emplace_back(std::size_t(tuckAt), 1);
            lists.back().push_back(7);
        }
        std::uint32_t seed = 12345;
        for (int list = 0; list < 4; ++list) {
            lists.emplace_back();
            for (int frame = 0; frame < 40; ++frame) {
                seed = seed * 1664525u + 1013904223u;
                lists.back().push_back(1 + int(seed >> 24) % 7);
            }
        }
        const QRectF box = CanvasWidget::kWholeView;
        for (int v = 4; v <= 8; ++v) {
            for (int a = 30; a <= 80; ++a) {
                for (const std::vector<int>& postures : lists) {
                    for (const FrameResult& f : RunWholeFlight(ComputeFlightParameters(v, a),
                                                               postures, Model(model), athlete)) {
                        const double r = f.figure.headRadius;
                        std::vector<Point> points{{f.figure.head.x - r, f.figure.head.y - r},
                                                  {f.figure.head.x + r, f.figure.head.y + r}};
                        for (const Segment& s : f.figure.segments) {
                            points.insert(points.end(), {s.from, s.to});
                        }
                        for (const Point p : points) {
                            QVERIFY2(box.contains(p.x, p.y),
                                     qPrintable(QStringLiteral("%1 m/s at %2°, frame %3: %4, %5")
                                                    .arg(v)
                                                    .arg(a)
                                                    .arg(f.frame)
                                                    .arg(p.x)
                                                    .arg(p.y)));
                        }
                    }
                }
            }
        }
    }

    void wholeViewKeepsAFastTuckedFlightInsideTheCanvas() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        window.lessonMenu()->wholeViewAction()->setChecked(true);
        SetTexts(window, "8", "45");
        Fly(window, 3);
        auto* canvas = Control<CanvasWidget>(window, "Picture1");
        const QRectF area = canvas->contentsRect();
        for (const FrameResult& f : window.lastFlight()->frames) {
            QCOMPARE(f.posture, f.frame >= 3 ? 7 : 1);
            for (const Segment& s : f.figure.segments) {
                for (const Point p : {s.from, s.to}) {
                    QVERIFY(area.contains(canvas->toWidget({p.x, p.y})));
                }
            }
        }
        // The figure lands on the picture's floor: the ground line is where it was, in units.
        const QPointF ground = canvas->toWidget({100, 150});
        QVERIFY(area.contains(ground));
        // Beyond the hall picture, the wall continues plainly.
        const QImage image = canvas->grab().toImage();
        const QRgb left = image.pixel(canvas->toWidget({-15, 60}).toPoint());
        const QRgb edge = image.pixel(canvas->toWidget({0.5, 60}).toPoint());
        QVERIFY(std::abs(qGray(left) - qGray(edge)) < 25);
    }

    void replayPlaysTheFlightAsItWasShown_data() {
        QTest::addColumn<int>("model");
        QTest::newRow("classic") << int(Model::Classic);
        QTest::newRow("exact") << int(Model::Exact);
    }
    void replayPlaysTheFlightAsItWasShown() {
        QFETCH(int, model);
        PurzoWindow window;
        window.setPauseOverrideForTesting(2);
        QVERIFY(ShowWhole(window));
        window.setModel(Model(model));
        SetTexts(window, "7,5", "70");
        std::vector<FrameResult> live;
        auto collect = [&window](std::vector<FrameResult>& into) {
            return connect(&window, &PurzoWindow::frameShown, &window,
                           [&window, &into] { into.push_back(*window.currentFrame()); });
        };
        QMetaObject::Connection collecting = collect(live);
        Fly(window, 4);
        disconnect(collecting);
        // The model, given the postures the flight read, computes what the canvas showed.
        const Model m = Model(model);
        const std::vector<FrameResult> computed =
            ModelFlight(7.5, 70, window.lastFlight()->postures(), m);
        QCOMPARE(FlightCsv(live, m), FlightCsv(computed, m));

        std::vector<FrameResult> replayed;
        collecting = collect(replayed);
        connect(&window, &PurzoWindow::frameShown, this, [] {
            // Arrow keys during the replay change nothing.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        });
        window.setModel(m == Model::Exact ? Model::Classic : Model::Exact); // the record's counts
        QSignalSpy finished(&window, &PurzoWindow::replayFinished);
        window.lessonMenu()->replayAction()->trigger();
        QVERIFY(window.replayRunning());
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(FlightCsv(replayed, m), FlightCsv(live, m));
        QCOMPARE(window.lastFlight()->model, m);
        QVERIFY(!window.previousFlight().has_value());
    }

    void aModelChosenDuringAFlightAppliesFromTheNextStart() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(20);
        QVERIFY(ShowWhole(window));
        window.lessonMenu()->dataAction()->setChecked(true);
        QSignalSpy finished(&window, &PurzoWindow::flightFinished);
        QSignalSpy frames(&window, &PurzoWindow::frameShown);
        QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
        QTRY_COMPARE(frames.count(), 2);
        window.lessonMenu()->exactModelAction()->trigger();
        QCOMPARE(window.model(), Model::Exact);
        QVERIFY(QTest::qWaitFor([&] { return finished.count() == 1; }, 10000));
        QCOMPARE(window.lastFlight()->model, Model::Classic);
        QCOMPARE(window.lastFlight()->frames.size(), std::size_t(18));
        auto* canvas = Control<CanvasWidget>(window, "Picture1");
        QCOMPARE(canvas->dataPanelLines().first(), QStringLiteral("Modell: klassisch"));

        window.setPauseOverrideForTesting(1);
        Fly(window);
        QCOMPARE(window.lastFlight()->model, Model::Exact);
        QCOMPARE(window.previousFlight()->model, Model::Classic);
        const QStringList lines = canvas->dataPanelLines();
        QCOMPARE(lines.first(), QStringLiteral("Modell: exakt"));
        QVERIFY(lines.contains(QStringLiteral("Erster Bodenkontakt: Hand")));
        QCOMPARE(lines.last(), QString::fromUtf8("Keine Landung auf den Füßen: zuerst Hand, 177° "
                                                 "über 0 Salti"));
        QVERIFY(lines.contains(QStringLiteral("Drehung: 176,6° (0,49 Umdrehungen)")));
        QVERIFY(lines.contains(QString::fromUtf8("Trägheitsmoment I: 17,36 kg·m²")));
        // The exact figure stands on the floor at the take-off and lies on it at the end.
        const std::vector<FrameResult>& flight = window.lastFlight()->frames;
        QVERIFY(std::abs(flight.front().lowestPointY - 150) < 1e-9);
        QVERIFY(std::abs(flight.back().lowestPointY - 150) < 1e-9);
    }

    void startEndsAReplayAndStartsAFlight() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(100); // the replay is still running at Start
        QVERIFY(ShowWhole(window));
        SetTexts(window, "5", "50");
        Fly(window);
        SetTexts(window, "6", "60");
        QSignalSpy frames(&window, &PurzoWindow::frameShown);
        window.lessonMenu()->replayAction()->trigger();
        QTRY_COMPARE(frames.count(), 2);
        QSignalSpy replayEnd(&window, &PurzoWindow::replayFinished);
        Fly(window);
        QCOMPARE(replayEnd.count(), 0);
        QCOMPARE(window.lastFlight()->params.takeoffSpeed, 6.0);
        QCOMPARE(window.previousFlight()->params.takeoffSpeed, 5.0);
    }

    void savedCsvIsWhatTheTraceToolPrints_data() {
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("angle");
        QTest::addColumn<int>("tuckFrom");
        QTest::addColumn<QString>("model");
        QTest::newRow("6 at 60 stretched") << "6"
                                           << "60" << 0 << "classic";
        QTest::newRow("7,5 at 45,5 tucked from frame 3") << "7,5"
                                                         << "45,5" << 3 << "classic";
        QTest::newRow("replaced by 5 and 50") << "9"
                                              << "60" << 2 << "classic";
        QTest::newRow("exact, 6 at 60 stretched") << "6"
                                                  << "60" << 0 << "exact";
        QTest::newRow("exact, 4,5 at 75 tucked from frame 2") << "4,5"
                                                              << "75" << 2 << "exact";
    }
    void savedCsvIsWhatTheTraceToolPrints() {
        QFETCH(QString, speed);
        QFETCH(QString, angle);
        QFETCH(int, tuckFrom);
        QFETCH(QString, model);
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        window.setModel(*ParseModel(model.toStdString()));
        SetTexts(window, speed, angle);
        Fly(window, tuckFrom);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("flug.csv"));
        QVERIFY(window.saveFlightCsv(path));
        const FlightRecord& record = *window.lastFlight();
        const QString trace = Trace({"--speed", QString::fromStdString(record.speedText), "--angle",
                                     QString::fromStdString(record.angleText), "--postures",
                                     PostureList(record), "--model", model});
        QVERIFY(!trace.isEmpty());
        QCOMPARE(QString::fromUtf8(ReadFile(path)), trace);
    }

    void savedPictureIsTheWorksheetSizeWithItsCaption_data() {
        QTest::addColumn<QSize>("client");
        QTest::newRow("full size") << QSize(1097, 777);
        QTest::newRow("scale 1.39") << QSize(1525, 1080);
        QTest::newRow("smallest") << QSize(659, 467);
    }
    void savedPictureIsTheWorksheetSizeWithItsCaption() {
        QFETCH(QSize, client);
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        window.resize(client);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.worksheetCaption(),
                 QString::fromUtf8("6 m/s, 60°, Echtzeit, klassisches Modell"));
        SetTexts(window, " 7,5", "45");
        Control<QRadioButton>(window, "Option3")->setChecked(true);
        window.setModel(Model::Exact);
        Fly(window);
        Control<QRadioButton>(window, "Option1")->setChecked(true); // after the flight: its own
        QCOMPARE(window.worksheetCaption(),
                 QString::fromUtf8("7,5 m/s, 45°, Extrem-Zeitlupe, exaktes Modell"));
        const FlightSummary summary =
            SummaryOf(window.lastFlight()->params, Model::Exact, window.lastFlight()->frames);
        QVERIFY(window.worksheetLandingLine().startsWith(QStringLiteral("Ohne Hocken · ")));
        QVERIFY(window.worksheetLandingLine().contains(
            QString::number(std::lround(std::abs(summary.landing->attitudeDeg)))));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bild.png"));
        QVERIFY(window.saveCanvasPicture(path));
        const QImage saved = QImage(path).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(saved.size(), QSize(1402, 1170));
        // Above the caption, the drawing area at twice its size: the figure where the canvas
        // puts it, the hall behind it.
        const QImage area = Control<CanvasWidget>(window, "Picture1")->drawingAreaPicture(2.0);
        QCOMPARE(saved.copy(0, 0, 1402, 1066), area.convertToFormat(QImage::Format_RGB32));
        int ink = 0;
        for (int y = 1066; y < 1170; ++y) {
            for (int x = 0; x < 1402; ++x) {
                ink += qGray(saved.pixel(x, y)) < 100 ? 1 : 0;
            }
        }
        QVERIFY2(ink > 400, qPrintable(QString::number(ink))); // two lines of letters
    }

    void aFailedSaveSaysWhyAndLeavesTheFileAlone() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        Fly(window);
        QTemporaryDir dir;
        const QString regular = dir.filePath(QStringLiteral("notizen.txt"));
        {
            QFile file(regular);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("Notizen der Lehrkraft\n");
        }
        QSignalSpy failed(&window, &PurzoWindow::saveFailed);
        const QString underFile = regular + QStringLiteral("/flug.csv");
        QVERIFY(!window.saveFlightCsv(underFile));
        QCOMPARE(failed.count(), 1);
        const QString message = failed.at(0).at(0).toString();
        QVERIFY2(message.contains(QDir::toNativeSeparators(underFile)), qPrintable(message));
        auto* box = window.findChild<QMessageBox*>(QStringLiteral("saveFailedMessage"));
        QVERIFY(box);
        QTRY_VERIFY(box->isVisible());
        QCOMPARE(box->text(), message);
        box->close();
        QVERIFY(!window.saveCanvasPicture(underFile));
        QCOMPARE(ReadFile(regular), QByteArray("Notizen der Lehrkraft\n"));
    }

    void aWriteThatFailsLeavesTheOldFileByteForByte() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("flug.csv"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("frame,flightX\n1,0\n");
        }
        const auto failure = SaveAtomically(path, [](QIODevice& file) {
            file.write("half a new file");
            return false; // as a full disk would end the writing
        });
        QVERIFY(failure.has_value());
        QCOMPARE(ReadFile(path), QByteArray("frame,flightX\n1,0\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"flug.csv"});
        QVERIFY(!SaveAtomically(path, [](QIODevice& file) { return file.write("neu") == 3; }));
        QCOMPARE(ReadFile(path), QByteArray("neu"));
    }
};

QTEST_MAIN(WindowLessonTest)
#include "test_window_lesson.moc"
