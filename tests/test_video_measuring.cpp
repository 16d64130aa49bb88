// SPDX-License-Identifier: MIT
// Measuring a filmed jump in the video window as a student does it: the stick clicked for the
// scale, the joints clicked frame by frame, marks dragged into place, and the model's flight
// fitted to them; the fit's values match the jump that was
// filmed, its overlay stands on the figure, and what cannot be fitted says why.
#include "video_clicks.h"
#include "window/controls/lesson_menu.h"
#include "window/lesson/lesson_log.h"
#include "window/lesson/tuck_plan_dialog.h"
#include "window/tools/landing_map_view.h"
#include "window/tools/landing_map_window.h"
#include "window/video/calibration_panel.h"
#include "window/video/fit_panel.h"
#include "window/video/marking_panel.h"
#include "window/video/tracking_panel.h"
#include "window/video/video_frame_view.h"
#include "window/video/video_window.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace purzo;
using namespace purzo::test;

class VideoMeasuringTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    FilmedJump jump_;
    QString video_;

    std::unique_ptr<VideoWindow> openWindow() { return OpenVideoWindow(video_); }

private slots:
    void initTestCase() {
        test::UseProgramLook();
        QVERIFY(dir_.isValid());
        jump_.posture = 4; // arms and legs apart, so that no two markers touch
        // Off the landing map's 0.1 m/s and 1° steps, as a filmed jump is.
        jump_.speedMPerS = 5.47;
        jump_.angleDeg = 64.6;
        video_ = dir_.filePath(QStringLiteral("salto.mp4"));
        QVERIFY(jump_.render(video_));
    }

    void calibratesFromTheStick_data() {
        QTest::addColumn<QPointF>("first");
        QTest::addColumn<QPointF>("second");
        QTest::addColumn<double>("lengthM");
        QTest::addColumn<QString>("message"); // a part of it
        const QPointF foot = jump_.stickFoot(), top = jump_.stickTop();
        QTest::newRow("foot, then top") << foot << top << 1.0 << "Kalibriert";
        QTest::newRow("top, then foot") << top << foot << 1.0 << "Kalibriert";
        QTest::newRow("two metres") << foot << top << 2.0 << "Kalibriert";
        QTest::newRow("both clicks in one place") << foot << foot << 1.0 << "derselben Stelle";
        QTest::newRow("no length") << foot << top << 0.0 << "0 m";
    }
    void calibratesFromTheStick() {
        QFETCH(QPointF, first);
        QFETCH(QPointF, second);
        QFETCH(double, lengthM);
        QFETCH(QString, message);
        auto window = openWindow();
        QVERIFY(window);
        window->calibrationPanel()->lengthField()->setValue(lengthM);
        window->setTask(VideoWindow::Task::Calibrate);
        Click(*window, first);
        QVERIFY(!window->calibrationPanel()->calibration());
        Click(*window, second);
        const QString said = window->calibrationPanel()->message()->text();
        QVERIFY2(said.contains(message), qPrintable(said));
        const auto& c = window->calibrationPanel()->calibration();
        QCOMPARE(c.has_value(), message == QStringLiteral("Kalibriert"));
        // The stick is drawn, and with a calibration the floor through its foot.
        QVERIFY(window->view()->overlay().stickB);
        QCOMPARE(window->view()->overlay().floorAt.has_value(), c.has_value());
        if (c) {
            const double measured = std::hypot(first.x() - second.x(), first.y() - second.y());
            QVERIFY(std::abs(c->pixelsPerMetre - measured / lengthM) < 1.5);
            QVERIFY(Distance(c->foot, jump_.stickFoot()) < 1.5);
            QVERIFY(Distance(window->view()->overlay().floorAt, jump_.stickFoot()) < 1.5);
        } else {
            window->setTask(VideoWindow::Task::Fit);
            QTest::mouseClick(window->fitPanel()->fitButton(), Qt::LeftButton);
            QVERIFY(!window->fit());
            QVERIFY(
                window->fitPanel()->warnings()->text().contains(QStringLiteral("Kalibrierung")));
        }
    }

    // A stick end dragged to where the stick really ends changes the scale with it.
    void aStickEndDraggedRecalibrates() {
        auto window = openWindow();
        QVERIFY(window);
        Calibrate(*window, jump_);
        const QPointF halfway = (jump_.stickFoot() + jump_.stickTop()) / 2;
        Drag(*window, jump_.stickTop(), halfway);
        const auto& c = window->calibrationPanel()->calibration();
        QVERIFY(c);
        QVERIFY(std::abs(c->pixelsPerMetre - jump_.pixelsPerMetre / 2) < 1.5);
        QVERIFY(Distance(window->calibrationPanel()->secondEnd(), halfway) < 1.5);
    }

    void offersJointAfterJoint_data() {
        QTest::addColumn<int>("frame");
        QTest::addColumn<QString>("steps"); // a click per joint, "skip" or "choose:<row>"
        QTest::addColumn<int>("frameAfter");
        QTest::addColumn<int>("offeredAfter"); // -1: none
        QTest::addColumn<QString>("skipped");
        QTest::newRow("all seven, then the next frame")
            << 7 << "0 1 2 3 4 5 6" << 8 << int(Joint::Head) << "";
        QTest::newRow("the elbow hidden")
            << 7 << "0 1 skip 3" << 7 << int(Joint::Hip) << "Ellbogen";
        QTest::newRow("the knee chosen first")
            << 12 << "choose:5 5" << 12 << int(Joint::Head) << "";
        QTest::newRow("the last frame stays") << -1 << "0 1 2 3 4 5 6" << -1 << -1 << "";
    }
    void offersJointAfterJoint() {
        QFETCH(int, frame);
        QFETCH(QString, steps);
        QFETCH(int, frameAfter);
        QFETCH(int, offeredAfter);
        QFETCH(QString, skipped);
        auto window = openWindow();
        QVERIFY(window);
        const int last = window->frameCount() - 1;
        frame = frame < 0 ? last : frame;
        frameAfter = frameAfter < 0 ? last : frameAfter;
        window->setTask(VideoWindow::Task::Mark);
        window->showFrame(frame);
        QCOMPARE(window->offeredJoint(), std::optional<Joint>(Joint::Head));
        QVERIFY(window->view()->hint().contains(QStringLiteral("Kopf")));
        const auto truth = jump_.jointsAt(frame);
        for (const QString& step : steps.split(' ')) {
            if (step == QLatin1String("skip")) {
                QTest::mouseClick(window->markingPanel()->skipButton(), Qt::LeftButton);
            } else if (step.startsWith(QLatin1String("choose:"))) {
                window->markingPanel()->joints()->setCurrentRow(step.mid(7).toInt());
            } else {
                const int joint = step.toInt();
                QCOMPARE(window->offeredJoint(), std::optional<Joint>(kJoints[std::size_t(joint)]));
                Click(*window, truth[std::size_t(joint)]);
            }
        }
        QCOMPARE(window->currentFrame(), frameAfter);
        QCOMPARE(window->offeredJoint(),
                 offeredAfter < 0 ? std::nullopt
                                  : std::optional<Joint>(kJoints[std::size_t(offeredAfter)]));
        // Every click marked its joint where it was clicked, in the frame it was made in.
        const FrameMarks& marks = window->marks().at(frame);
        for (const QString& step : steps.split(' ')) {
            if (step != QLatin1String("skip") && !step.startsWith(QLatin1String("choose"))) {
                const std::size_t j = std::size_t(step.toInt());
                QVERIFY(Distance(marks[j], truth[j]) < 1.0);
            }
        }
        if (!skipped.isEmpty()) {
            QVERIFY(window->marks().skipped(frame, Joint::Elbow));
            QVERIFY(!MarkOf(marks, Joint::Elbow));
            window->showFrame(frame);
            QVERIFY(window->markingPanel()
                        ->joints()
                        ->item(int(Joint::Elbow))
                        ->text()
                        .contains(QStringLiteral("nicht sichtbar")));
        }
        // What is marked is drawn.
        window->showFrame(frame);
        QCOMPARE(MarkedCount(window->view()->overlay().marks), MarkedCount(marks));
    }

    // A click beside the picture marks nothing; a mark dragged off it stays on its edge.
    void besideThePictureNothingIsMarked() {
        auto window = openWindow();
        QVERIFY(window);
        window->resize(1200, 1000); // a band above and below the picture
        QCoreApplication::processEvents();
        const QRectF picture = window->view()->frameRect();
        QVERIFY(picture.top() > 10);
        window->setTask(VideoWindow::Task::Mark);
        QTest::mouseClick(window->view(), Qt::LeftButton, {},
                          QPoint(int(picture.center().x()), int(picture.top() / 2)));
        QCOMPARE(MarkedCount(window->marks().at(0)), 0);
        QCOMPARE(window->offeredJoint(), std::optional<Joint>(Joint::Head));
        const QPointF head = jump_.jointsAt(0)[0];
        Click(*window, head);
        Drag(*window, head, {head.x(), -40.0});
        const auto& mark = MarkOf(window->marks().at(0), Joint::Head);
        QVERIFY(mark);
        QCOMPARE(mark->y, 0.0);
    }

    // A mark dragged moves, and the drag marks nothing else.
    void aMarkDraggedMoves() {
        auto window = openWindow();
        QVERIFY(window);
        const auto truth = jump_.jointsAt(9);
        window->setTask(VideoWindow::Task::Mark);
        window->showFrame(9);
        Click(*window, truth[0] + QPointF(12, 9));
        Click(*window, truth[1]);
        Drag(*window, truth[0] + QPointF(12, 9), truth[0]);
        QVERIFY(Distance(MarkOf(window->marks().at(9), Joint::Head), truth[0]) < 1.0);
        QCOMPARE(MarkedCount(window->marks().at(9)), 2);
        QCOMPARE(window->offeredJoint(), std::optional<Joint>(Joint::Elbow));
    }

    // The whole jump marked by click and fitted: the values are the filmed jump's, the mass is
    // the lesson's athlete's, the overlay stands on the figure, and the main window keeps the fit.
    void fitsTheFilmedJump_data() {
        QTest::addColumn<double>("massKg");
        QTest::newRow("standard athlete") << kStandardAthlete.massKg;
        QTest::newRow("light athlete") << 45.0;
    }
    void fitsTheFilmedJump() {
        QFETCH(double, massKg);
        PurzoWindow main;
        QVERIFY(test::ShowWhole(main));
        Athlete athlete;
        athlete.massKg = massKg;
        main.lessonMenu()->setAthlete(athlete);
        main.lessonMenu()->videoAction()->trigger();
        VideoWindow* window = main.findChild<VideoWindow*>();
        QVERIFY(window);
        window->resize(1200, 800);
        auto* dialog = window->findChild<QFileDialog*>();
        QVERIFY(dialog);
        dialog->selectFile(video_);
        static_cast<QDialog*>(dialog)->accept(); // as the dialog's Open button does
        QVERIFY(window->hasVideo());
        Calibrate(*window, jump_);
        MarkFrames(*window, jump_, 0, window->frameCount());
        QSignalSpy fitted(window, &VideoWindow::videoFlightFitted);
        window->setTask(VideoWindow::Task::Fit);
        QTest::mouseClick(window->fitPanel()->fitButton(), Qt::LeftButton);
        QVERIFY2(window->fit(), qPrintable(window->fitPanel()->warnings()->text()));
        const JumpFit& fit = *window->fit();
        QVERIFY2(std::abs(fit.speedMPerS - jump_.speedMPerS) < 0.15,
                 qPrintable(QString::number(fit.speedMPerS)));
        QVERIFY2(std::abs(fit.angleDeg - jump_.angleDeg) < 2.0,
                 qPrintable(QString::number(fit.angleDeg)));
        QVERIFY2(std::abs(fit.gravityMPerS2 - jump_.gravity) < 0.4,
                 qPrintable(QString::number(fit.gravityMPerS2)));
        QVERIFY(std::abs(fit.takeoffS - jump_.takeoffS()) < 1.5 / jump_.framesPerSecond);
        QVERIFY(fit.centreResidualM < 0.02);
        QCOMPARE(fit.athlete.massKg, massKg);
        QCOMPARE(fitted.count(), 1);
        QCOMPARE(fitted.first().at(1).toString(), QStringLiteral("salto.mp4"));
        // The lesson's log has it as a video flight: the exact model from the fitted take-off.
        const purzo::LoggedFlight& logged = main.lessonLog()->log().flights().back();
        QVERIFY(logged.record.video && logged.record.model == purzo::Model::Exact);
        QCOMPARE(logged.record.video->speedMPerS, fit.speedMPerS);
        QCOMPARE(logged.record.video->fileName, std::string("salto.mp4"));
        QCOMPARE(logged.record.athlete, fit.athlete);
        // A row for every frame in the air.
        const auto airborne = std::count_if(fit.frames.begin(), fit.frames.end(),
                                            [](const FittedFrame& f) { return f.airborne; });
        QCOMPARE(window->fitPanel()->table()->rowCount(), int(airborne));
        QVERIFY(window->fitPanel()->values()->text().contains(QStringLiteral("g aus dem Video")));
        // A row chosen shows its frame.
        QTableWidget* table = window->fitPanel()->table();
        table->setCurrentCell(4, 0);
        QCOMPARE(window->currentFrame() + 1, table->item(4, 0)->text().toInt());
        QVERIFY(fit.frames[std::size_t(window->currentFrame())].airborne);
        // Over a frame in the air: the measured centre where the filmed centre is, the parabola,
        // and the model's figure near the marks; on the floor no model figure.
        window->showFrame(jump_.standingFrames + 8);
        for (int step = 0; step < 2; ++step) {
            const int f = window->currentFrame();
            const VideoOverlay& o = window->view()->overlay();
            QVERIFY(o.model && o.parabolaNow && !o.parabola.empty());
            QVERIFY(Distance(o.centre, jump_.toPixels(jump_.centreAt(f))) < 3.0);
            QVERIFY(Distance((*o.model)[std::size_t(Joint::Hip)],
                             jump_.jointsAt(f)[std::size_t(Joint::Hip)]) < 12.0);
            QTest::mouseClick(window->findChild<QToolButton*>("nextFrameButton"), Qt::LeftButton);
            QCOMPARE(window->currentFrame(), f + 1);
        }
        window->showFrame(1);
        QVERIFY(!window->view()->overlay().model);
        // "Was wäre, wenn…": a plan for the filmed take-off flies into the log and over the
        // video, beside the fitted model.
        const std::size_t count = main.lessonLog()->log().flights().size();
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<TuckPlanDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->accept();
        });
        QTest::mouseClick(window->fitPanel()->whatIfButton(), Qt::LeftButton);
        QVERIFY(window->whatIf() && window->whatIf()->plan && !window->whatIf()->video);
        QCOMPARE(main.lessonLog()->log().flights().size(), count + 1);
        const purzo::FlightRecord& whatIf = main.lessonLog()->log().flights().back().record;
        const purzo::FlightRecord& filmed = main.lessonLog()->log().flights()[count - 1].record;
        QCOMPARE(whatIf.params.takeoffSpeed, filmed.params.takeoffSpeed);
        QCOMPARE(whatIf.athlete, filmed.athlete);
        QVERIFY(whatIf.postures() != filmed.postures());
        window->showFrame(jump_.standingFrames + 8);
        QVERIFY(window->view()->overlay().whatIf && window->view()->overlay().model);
        // "Landekarte dieses Sprungs…": the map of the filmed take-off, which shows it to 0.1 m/s
        // and 1°; a double click on a cell flies that plan from the filmed take-off over the
        // video, not in the main window.
        QTest::mouseClick(window->fitPanel()->whatIfMapButton(), Qt::LeftButton);
        auto* map = main.findChild<LandingMapWindow*>();
        QVERIFY(map && map->waitForMap());
        const TuckPlan cellPlan = map->view()->cells().front().plan;
        QTest::mouseDClick(map->view(), Qt::LeftButton, {},
                           map->view()->cellRect(0, 0).center().toPoint());
        QCOMPARE(main.lessonLog()->log().flights().size(), count + 2);
        const purzo::FlightRecord& fromMap = main.lessonLog()->log().flights().back().record;
        QCOMPARE(fromMap.params.takeoffSpeed,
                 main.lessonLog()->log().flights()[count - 1].record.params.takeoffSpeed);
        QCOMPARE(fromMap.plan, std::optional(cellPlan));
        QCOMPARE(window->whatIf()->plan, std::optional(cellPlan));
        window->showFrame(1);
        // A mark moved afterwards: the fit no longer holds and is gone.
        window->setTask(VideoWindow::Task::Mark);
        const QPointF head = jump_.jointsAt(1)[0];
        Drag(*window, head, head + QPointF(6, 0));
        QVERIFY(!window->fit());
        QVERIFY(!window->view()->overlay().model);
        QVERIFY(!window->whatIf());
        // The take-off's frame corrected by hand: the fit takes it.
        window->setTask(VideoWindow::Task::Fit);
        const int takeoffFrame = jump_.standingFrames + 3; // counted from 1
        window->fitPanel()->lastFloorField()->setValue(takeoffFrame);
        QTest::mouseClick(window->fitPanel()->fitButton(), Qt::LeftButton);
        QVERIFY(window->fit());
        QCOMPARE(window->fit()->lastFloorFrame, takeoffFrame - 1);
    }

    void saysWhyThereIsNoFit_data() {
        QTest::addColumn<bool>("calibrated");
        QTest::addColumn<int>("airborneMarked");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no stick") << false << 20 << "Kalibrierung";
        const QString fewest = QStringLiteral("mindestens %1").arg(kFewestFittedFrames);
        QTest::newRow("three frames in the air") << true << 3 << fewest;
        QTest::newRow("none in the air") << true << 0 << "Nur 0";
    }
    void saysWhyThereIsNoFit() {
        QFETCH(bool, calibrated);
        QFETCH(int, airborneMarked);
        QFETCH(QString, reason);
        auto window = openWindow();
        QVERIFY(window);
        if (calibrated) {
            Calibrate(*window, jump_);
        }
        MarkFrames(*window, jump_, 0, jump_.standingFrames + airborneMarked);
        QSignalSpy fitted(window.get(), &VideoWindow::videoFlightFitted);
        window->fitJump();
        QVERIFY(!window->fit());
        QCOMPARE(fitted.count(), 0);
        QVERIFY2(window->fitPanel()->warnings()->text().contains(reason),
                 qPrintable(window->fitPanel()->warnings()->text()));
        QVERIFY(!window->view()->overlay().model);
    }
};

QTEST_MAIN(VideoMeasuringTest)
#include "test_video_measuring.moc"
