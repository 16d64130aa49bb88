// SPDX-License-Identifier: MIT
// The video window as a student steps through a filmed jump: every frame shown is the frame
// asked for, whichever way it was asked for, with its number and its time in the file; playing
// keeps the file's own times at each speed; a file that is no video is refused with a message
// and changes nothing; the canvas menu opens the window.
#include "video/video_file.h"
#include "video_fixture.h"
#include "window/controls/lesson_menu.h"
#include "window/lesson/lesson_log.h"
#include "window/video/fit_panel.h"
#include "window/video/tracking_panel.h"
#include "window/video/video_frame_view.h"
#include "window/video/video_playback.h"
#include "window/video/video_step_bar.h"
#include "window/video/video_window.h"
#include "window_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace purzo;
using purzo::test::FilmedJump;
using purzo::test::FrameNumberIn;

namespace {

// The time as the label must write it: three decimals, a comma in German.
QString TimeText(double s, QChar point) {
    return QString::number(s, 'f', 3).replace(QLatin1Char('.'), point);
}

} // namespace

class VideoWindowTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    FilmedJump jump_;
    QString video_;
    std::vector<double> times_;

    QString file(const QString& name) const { return dir_.filePath(name); }

    void checkShows(const VideoWindow& window, int frame) {
        QCOMPARE(window.currentFrame(), frame);
        QCOMPARE(FrameNumberIn(window.view()->frame()), frame);
        const QString label = window.stepBar()->frameLabel()->text();
        QCOMPARE(label, QStringLiteral("Bild %1 von %2 · %3 s")
                            .arg(frame + 1)
                            .arg(int(times_.size()))
                            .arg(TimeText(times_[std::size_t(frame)], QLatin1Char(','))));
        QCOMPARE(window.stepBar()->frameField()->value(), frame + 1);
        QCOMPARE(window.stepBar()->slider()->value(), frame);
    }

    void closeProblems(QWidget& parent) {
        for (QMessageBox* box : parent.findChildren<QMessageBox*>()) {
            box->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void initTestCase() {
        test::UseProgramLook();
        QVERIFY(dir_.isValid());
        video_ = file(QStringLiteral("sprung.mp4"));
        QVERIFY(jump_.render(video_));
        VideoFile reader;
        VideoError error;
        QVERIFY(reader.open(video_.toStdString(), error));
        times_ = reader.frameTimesS();
        QCOMPARE(int(times_.size()), jump_.frameCount());
    }

    void stepsToExactlyTheFrameAskedFor_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("expected"); // -1: the last frame
        QTest::newRow("right arrow") << "Right" << 3 << 4;
        QTest::newRow("left arrow back over a key frame") << "Left" << 10 << 9;
        QTest::newRow("left arrow at the first") << "Left" << 0 << 0;
        QTest::newRow("right arrow at the last") << "Right" << -1 << -1;
        QTest::newRow("Home") << "Home" << 17 << 0;
        QTest::newRow("End") << "End" << 2 << -1;
        QTest::newRow("button on") << "nextFrameButton" << 5 << 6;
        QTest::newRow("button back") << "previousFrameButton" << 21 << 20;
        QTest::newRow("button first") << "firstFrameButton" << 8 << 0;
        QTest::newRow("button last") << "lastFrameButton" << 8 << -1;
        QTest::newRow("number box") << "field 13" << 30 << 12;
        QTest::newRow("slider") << "slider 27" << 1 << 27;
        QTest::newRow("right arrow in the joint list") << "Right jointList" << 6 << 7;
        QTest::newRow("left arrow in the colour list") << "Left colourList" << 6 << 5;
        QTest::newRow("right arrow on the tabs") << "Right qt_tabwidget_tabbar" << 6 << 7;
    }
    void stepsToExactlyTheFrameAskedFor() {
        QFETCH(QString, how);
        QFETCH(int, from);
        QFETCH(int, expected);
        const int last = jump_.frameCount() - 1;
        from = from < 0 ? last : from;
        expected = expected < 0 ? last : expected;
        VideoWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(window.openVideo(video_));
        window.showFrame(from);
        checkShows(window, from);
        if (how.startsWith(QLatin1String("field"))) {
            window.stepBar()->frameField()->setValue(how.section(' ', 1).toInt());
        } else if (how.startsWith(QLatin1String("slider"))) {
            window.stepBar()->slider()->setValue(how.section(' ', 1).toInt());
        } else if (auto* button = window.findChild<QToolButton*>(how)) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            // The keys step wherever the focus is, short of a box that edits with them.
            QWidget* focus = window.view();
            if (!how.section(' ', 1).isEmpty()) {
                focus = window.findChild<QWidget*>(how.section(' ', 1));
                window.setTask(focus->parent() == window.trackingPanel() ? VideoWindow::Task::Track
                                                                         : VideoWindow::Task::Mark);
                QVERIFY(focus);
            }
            focus->setFocus();
            QCOMPARE(QApplication::focusWidget(), focus);
            QTest::keyClick(focus, QKeySequence::fromString(how.section(' ', 0, 0))[0].key());
        }
        checkShows(window, expected);
    }

    // Back and forth across the key frames, each frame the one asked for.
    void jumpsAnywhereFrameExact_data() {
        QTest::addColumn<QList<int>>("frames");
        QTest::newRow("backwards one by one") << QList<int>{25, 24, 23, 22, 21, 20, 19};
        QTest::newRow("far and back") << QList<int>{33, 2, 17, 9, 30, 10, 11};
        QTest::newRow("random") << [] {
            QList<int> frames;
            QRandomGenerator random(7);
            for (int i = 0; i < 12; ++i) {
                frames << random.bounded(FilmedJump().frameCount());
            }
            return frames;
        }();
    }
    void jumpsAnywhereFrameExact() {
        QFETCH(QList<int>, frames);
        VideoWindow window;
        QVERIFY(window.openVideo(video_));
        for (const int frame : frames) {
            window.stepBar()->frameField()->setValue(frame + 1);
            checkShows(window, frame);
        }
    }

    void refusesWhatIsNoVideo_data() {
        QTest::addColumn<QByteArray>("content"); // "cut": the video's first third
        QTest::addColumn<bool>("videoBefore");
        QTest::newRow("text") << QByteArray("Sprung von Anna, 3. Stunde\n") << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("cut off") << QByteArray("cut") << false;
        QTest::newRow("noise") << QByteArray("noise") << false;
        QTest::newRow("text over a video") << QByteArray("kein Video") << true;
        QTest::newRow("cut off over a video") << QByteArray("cut") << true;
        QTest::newRow("missing over a video") << QByteArray("missing") << true;
    }
    void refusesWhatIsNoVideo() {
        QFETCH(QByteArray, content);
        QFETCH(bool, videoBefore);
        const QString path = file(QStringLiteral("probe %1.mp4").arg(QTest::currentDataTag()));
        if (content != "missing") {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            if (content == "cut") {
                QFile whole(video_);
                QVERIFY(whole.open(QIODevice::ReadOnly));
                content = whole.readAll().left(int(whole.size() / 3));
            } else if (content == "noise") {
                content.resize(50000);
                QRandomGenerator random(3);
                for (char& c : content) {
                    c = char(random.bounded(256));
                }
            }
            out.write(content);
        }
        VideoWindow window;
        window.show();
        if (videoBefore) {
            QVERIFY(window.openVideo(video_));
            window.showFrame(14);
        }
        const QString title = window.windowTitle();
        QVERIFY(!window.openVideo(path));
        auto* box = window.findChild<QMessageBox*>(QStringLiteral("videoProblem"));
        QVERIFY(box);
        QVERIFY(box->isVisible());
        QVERIFY2(box->text().contains(QFileInfo(path).fileName()), qPrintable(box->text()));
        QVERIFY(box->informativeText().contains(QStringLiteral("Kompatibilität")));
        // What was open stays as it was.
        QCOMPARE(window.hasVideo(), videoBefore);
        QCOMPARE(window.windowTitle(), title);
        if (videoBefore) {
            checkShows(window, 14);
        }
        closeProblems(window);
    }

    // Another video opened over one worked on starts afresh, wherever the first stood.
    void aSecondVideoStartsAfresh() {
        FilmedJump shorter = jump_;
        shorter.speedMPerS = 2.5;
        shorter.standingFrames = 2;
        const QString second = file(QStringLiteral("kurz.mp4"));
        QVERIFY(shorter.render(second));
        QVERIFY(shorter.frameCount() < jump_.frameCount() / 2);
        VideoWindow window;
        window.resize(1000, 700);
        window.show();
        QVERIFY(window.openVideo(video_));
        window.setTask(VideoWindow::Task::Mark);
        window.showFrame(jump_.frameCount() - 2);
        QTest::mouseClick(window.view(), Qt::LeftButton, {}, window.view()->rect().center());
        QCOMPARE(MarkedCount(window.marks().at(jump_.frameCount() - 2)), 1);
        QVERIFY(window.openVideo(second));
        QCOMPARE(window.frameCount(), shorter.frameCount());
        QCOMPARE(window.marks().frameCount(), shorter.frameCount());
        QCOMPARE(window.marks().markedFrames(), 0);
        QCOMPARE(window.offeredJoint(), std::optional<Joint>(Joint::Head));
        QCOMPARE(window.currentFrame(), 0);
        QCOMPARE(FrameNumberIn(window.view()->frame()), 0);
        QVERIFY(window.windowTitle().startsWith(QStringLiteral("kurz.mp4")));
        QTest::mouseClick(window.findChild<QToolButton*>("lastFrameButton"), Qt::LeftButton);
        QCOMPARE(FrameNumberIn(window.view()->frame()), shorter.frameCount() - 1);
    }

    // A video whose index is whole but whose data breaks off: each frame either shows as asked
    // or the window says it cannot be read, and the frame on show stays what the label says.
    void aVideoBreakingOffNeverMisleads() {
        const QString whole = file(QStringLiteral("faststart.mp4"));
        FilmedJump jump = jump_;
        QVERIFY(jump.render(whole, {"-movflags", "+faststart"}));
        QFile in(whole);
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QString cut = file(QStringLiteral("abgebrochen.mp4"));
        QFile out(cut);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(in.readAll().left(int(in.size() * 6 / 10)));
        out.close();
        VideoWindow window;
        if (!window.openVideo(cut)) {
            QVERIFY(window.findChild<QMessageBox*>(QStringLiteral("videoProblem")));
            closeProblems(window);
            return;
        }
        int unreadable = 0;
        for (int frame = 0; frame < window.frameCount(); ++frame) {
            window.showFrame(frame);
            if (window.currentFrame() != frame) {
                ++unreadable;
                QVERIFY(
                    window.statusLine()->text().contains(QStringLiteral("Bild %1").arg(frame + 1)));
            }
            QCOMPARE(FrameNumberIn(window.view()->frame()), window.currentFrame());
        }
        QVERIFY(unreadable > 0 || window.frameCount() < jump.frameCount());
    }

    // The window plays on its own clock; any step pauses it where it stands.
    void theWindowPlaysAndAStepPauses() {
        VideoWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(window.openVideo(video_));
        qint64 now = 0;
        window.playback()->setClock([&now] { return now; });
        window.stepBar()->speedField()->setCurrentIndex(1); // ½
        window.showFrame(4);
        window.view()->setFocus();
        QTest::keyClick(window.view(), Qt::Key_Space);
        QVERIFY(window.playback()->playing());
        now = qint64(std::ceil((times_[9] - times_[4]) * 1000 / 0.5));
        window.playback()->advance();
        checkShows(window, 9);
        QTest::mouseClick(window.findChild<QToolButton*>("nextFrameButton"), Qt::LeftButton);
        QVERIFY(!window.playback()->playing());
        checkShows(window, 10);
        // A button with the focus takes the space bar for itself.
        auto* fit = window.findChild<QPushButton*>(QStringLiteral("fitButton"));
        window.setTask(VideoWindow::Task::Fit);
        fit->setFocus();
        QTest::keyClick(fit, Qt::Key_Space);
        QVERIFY(!window.playback()->playing());
        QVERIFY(window.fitPanel()->warnings()->text().contains(QStringLiteral("Kalibrierung")));
    }

    // From the canvas menu; a file that is no video leaves the lesson as it was.
    void theCanvasMenuOpensIt() {
        PurzoWindow main;
        QVERIFY(test::ShowWhole(main));
        main.setPauseOverrideForTesting(0);
        test::SetTexts(main, "6,5", "55");
        test::Fly(main);
        const std::size_t flights = main.lessonLog()->log().flights().size();
        const FlightRecord last = *main.lastFlight();
        const QString junk = file(QStringLiteral("notizen.mov"));
        QFile out(junk);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("keine Bilder");
        out.close();
        // The entry opens the window with its file dialog; the file chosen there is opened.
        main.lessonMenu()->videoAction()->trigger();
        auto* window = main.findChild<VideoWindow*>();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        auto* dialog = window->findChild<QFileDialog*>(QStringLiteral("videoFileDialog"));
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        dialog->selectFile(junk);
        static_cast<QDialog*>(dialog)->accept(); // as the dialog's Open button does
        QVERIFY(!window->hasVideo());
        QVERIFY(window->findChild<QMessageBox*>(QStringLiteral("videoProblem")));
        closeProblems(*window);
        QCOMPARE(main.lessonLog()->log().flights().size(), flights);
        QCOMPARE(main.lastFlight()->params.takeoffSpeed, last.params.takeoffSpeed);
        // Asked again, the same window comes to the front, and the dialog with it; once a video
        // is open, the window alone.
        main.lessonMenu()->videoAction()->trigger();
        QCOMPARE(main.findChildren<VideoWindow*>().size(), qsizetype(1));
        dialog = window->findChild<QFileDialog*>(QStringLiteral("videoFileDialog"));
        QVERIFY(dialog);
        dialog->selectFile(video_);
        static_cast<QDialog*>(dialog)->accept(); // as the dialog's Open button does
        QVERIFY(window->hasVideo());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        main.lessonMenu()->videoAction()->trigger();
        QVERIFY(!window->findChild<QFileDialog*>());
        checkShows(*window, 0);
    }
};

QTEST_MAIN(VideoWindowTest)
#include "test_video_window.moc"
