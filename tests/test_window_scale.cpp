// SPDX-License-Identifier: MIT
// The window at every scale: each control at its designed rectangle times the scale, texts on as
// many lines as at full size, the figure's line as heavy as the picture, and at scale 1 the
// window exactly as before scaling existed.
#include "design_rects.h"
#include "text_layout.h"
#include "window/controls/caption_button.h"
#include "window/controls/lesson_menu.h"
#include "window/view/canvas_widget.h"
#include "window_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextLayout>
#include <cmath>

using namespace purzo;
using purzo::test::Control;
using purzo::test::kDesignRects;

namespace {

// The texts that wrap: every label and the two buttons' captions.
QList<QPair<QString, purzo::test::Laid>> WrappedTexts(const PurzoWindow& window,
                                                      QList<QRect>* areas) {
    QList<QPair<QString, purzo::test::Laid>> result;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty()) {
            continue; // the pictures
        }
        const QRect area = label->contentsRect();
        result.append(
            {label->objectName(), purzo::test::Lay(label->font(), label->text(), area.width())});
        areas->append(area);
    }
    for (CaptionButton* button : window.findChildren<CaptionButton*>()) {
        const QRect area = button->captionRect();
        result.append(
            {button->objectName(), purzo::test::Lay(button->font(), button->text(), area.width())});
        areas->append(area);
    }
    return result;
}

bool IsInk(QRgb pixel) {
    return qRed(pixel) < 70 && qGreen(pixel) < 70 && qBlue(pixel) < 70;
}

} // namespace

class WindowScaleTest : public QObject {
    Q_OBJECT
private slots:
    // F5 or the menu: the canvas alone on the whole screen, Enter starts; Escape gives the window
    // back as it was, full screen or not.
    void presentationFillsTheScreenAndGivesTheWindowBack_data() {
        QTest::addColumn<bool>("fullScreen");
        QTest::newRow("from a window") << false;
        QTest::newRow("from full screen") << true;
    }
    void presentationFillsTheScreenAndGivesTheWindowBack() {
        QFETCH(bool, fullScreen);
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(purzo::test::ShowWhole(window));
        if (fullScreen) {
            window.showFullScreen();
        } else {
            window.setGeometry(QRect(QPoint(40, 30), PurzoWindow::kFullClientSize + QSize(60, 20)));
        }
        QTRY_COMPARE(window.isFullScreen(), fullScreen);
        const QRect before = window.geometry();
        auto* canvas = Control<CanvasWidget>(window, "Picture1");
        const QSize canvasBefore = canvas->size();
        window.lessonMenu()->presentationAction()->trigger();
        QTRY_VERIFY(window.isFullScreen());
        QTRY_VERIFY(canvas->width() > canvasBefore.width());
        const QRect screen = window.rect();
        QVERIFY(screen.contains(canvas->geometry()));
        // The largest scale that fits: the canvas meets the screen's sides or its verdict strip.
        QVERIFY(canvas->width() >= screen.width() - 2 || canvas->height() >= screen.height() * 0.9);
        QVERIFY(Control<QPushButton>(window, "Start")->isHidden());
        QVERIFY(canvas->hasFocus());
        QTest::keyClick(canvas, Qt::Key_Return);
        QVERIFY(window.flightRunning() || window.lastFlight().has_value());
        QTRY_VERIFY(!window.flightRunning());
        QTest::keyClick(canvas, Qt::Key_Escape);
        QTRY_COMPARE(window.isFullScreen(), fullScreen);
        QVERIFY(Control<QPushButton>(window, "Start")->isVisible());
        if (!fullScreen) { // a full screen is the screen's, whatever it was before
            QTRY_COMPARE(window.geometry(), before);
            QTRY_COMPARE(canvas->size(), canvasBefore);
        }
    }

    void initTestCase() {
        purzo::test::FailOnWarnings();
        purzo::test::UseProgramLook();
    }

    void controlsStandAtTheirDesignTimesTheScale_data() {
        QTest::addColumn<QSize>("client");
        QTest::newRow("full size") << QSize(1097, 777);
        QTest::newRow("1024 x 735") << QSize(1024, 735);
        QTest::newRow("1920 x 1080") << QSize(1920, 1080);
        QTest::newRow("the minimum") << QSize(659, 467);
        QTest::newRow("tall and narrow") << QSize(800, 1000);
    }
    void controlsStandAtTheirDesignTimesTheScale() {
        QFETCH(QSize, client);
        PurzoWindow window;
        window.resize(client);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), client);
        const double s = std::min(client.width() / 1097.0, client.height() / 777.0);
        QVERIFY(std::fabs(window.scale() - s) < 1e-9);
        const QPointF offset((client.width() - 1097 * s) / 2, (client.height() - 777 * s) / 2);
        for (const auto& design : kDesignRects) {
            const QRect d = purzo::test::TwipsToRect(design);
            const QPointF shift = design.inFrame ? QPointF() : offset;
            const QRectF expected(d.x() * s + shift.x(), d.y() * s + shift.y(), d.width() * s,
                                  d.height() * s);
            const QRect actual = Control<QWidget>(window, design.name)->geometry();
            const auto near = [](double a, double b) { return std::fabs(a - b) <= 1.0; };
            QVERIFY2(near(actual.x(), expected.x()) && near(actual.y(), expected.y()) &&
                         near(actual.x() + actual.width(), expected.right()) &&
                         near(actual.y() + actual.height(), expected.bottom()),
                     qPrintable(QStringLiteral("%1: %2,%3 %4x%5, expected %6,%7 %8x%9")
                                    .arg(QLatin1String(design.name))
                                    .arg(actual.x())
                                    .arg(actual.y())
                                    .arg(actual.width())
                                    .arg(actual.height())
                                    .arg(expected.x())
                                    .arg(expected.y())
                                    .arg(expected.width())
                                    .arg(expected.height())));
        }
        // The posture bar stays wholly behind the canvas.
        QVERIFY(Control<QWidget>(window, "Picture1")
                    ->geometry()
                    .contains(Control<QWidget>(window, "HScroll1")->geometry()));
        // The canvas's border and drawing area follow the scale.
        auto* canvas = Control<CanvasWidget>(window, "Picture1");
        QVERIFY(std::fabs(canvas->contentsRect().width() - 701 * s) <= 2);
        QVERIFY(std::fabs(canvas->lineWidth() - 2 * s) <= 0.5);
    }

    void noTextGainsOrLosesALineAtAnyScale() {
        PurzoWindow window;
        window.resize(1097, 777);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QList<QRect> designAreas;
        const auto design = WrappedTexts(window, &designAreas);
        QVERIFY(design.size() >= 18);
        for (int step = 0; step <= 48; ++step) {
            const double s = 0.6 + 0.05 * step;
            window.resize(int(std::ceil(1097 * s)), int(std::ceil(777 * s)));
            QList<QRect> areas;
            const auto scaled = WrappedTexts(window, &areas);
            for (int i = 0; i < scaled.size(); ++i) {
                const purzo::test::Laid& laid = scaled[i].second;
                const QString what =
                    QStringLiteral("%1 at scale %2").arg(scaled[i].first).arg(s, 0, 'f', 2);
                QVERIFY2(laid.lines == design[i].second.lines,
                         qPrintable(what + QStringLiteral(": %1 lines, %2 at full size")
                                               .arg(laid.lines)
                                               .arg(design[i].second.lines)));
                QVERIFY2(laid.widest <= areas[i].width() && laid.height <= areas[i].height(),
                         qPrintable(what + QStringLiteral(" is cut")));
            }
            // The fonts grow with the scale, not only shrink to fit.
            if (s >= 1.5) {
                QVERIFY(Control<QLabel>(window, "Label13")->font().pointSizeF() > 12 * s * 0.9);
            }
        }
    }

    void atScaleOneTheWindowIsAsBeforeScaling() {
        PurzoWindow window;
        QVERIFY(purzo::test::ShowWhole(window));
        QTRY_COMPARE(QApplication::focusWidget(), Control<QWidget>(window, "Picture1"));
        const QImage reference(QStringLiteral(PURZO_REFERENCE_DIR "/window-at-scale-1.png"));
        QVERIFY(!reference.isNull());
        const QImage grab = window.grab().toImage().convertToFormat(reference.format());
        QCOMPARE(grab.size(), reference.size());
        QVERIFY2(grab == reference, "the window at scale 1 differs from the reference grab");
    }

    void figureIsDrawnWithAPenThreeTimesTheScale_data() {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<double>("scale");
        QTest::newRow("1.39") << QSize(1525, 1080) << 1.39;
        QTest::newRow("2.5") << QSize(2743, 1943) << 2.5;
    }
    void figureIsDrawnWithAPenThreeTimesTheScale() {
        QFETCH(QSize, client);
        QFETCH(double, scale);
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        window.resize(client);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const double s = window.scale();
        QVERIFY(std::fabs(s - scale) < 0.01);
        auto* canvas = Control<CanvasWidget>(window, "Picture1");
        QCOMPARE(canvas->penWidthDevicePx(), 3 * s);
        // 4 m/s at 30° lands after two frames with the hand and the head well inside.
        Control<QLineEdit>(window, "Text1")->setText(QStringLiteral("4"));
        Control<QLineEdit>(window, "Text2")->setText(QStringLiteral("30"));
        QSignalSpy finished(&window, &PurzoWindow::flightFinished);
        QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
        QTRY_COMPARE(finished.count(), 1);
        const FrameResult& last = *window.currentFrame();
        QCOMPARE(last.frame, 2);
        const QImage image = canvas->grab().toImage();
        // Ink where the model put the hand's forearm and the head's circle.
        const Point hand = last.figure.hand();
        const Point elbow = last.figure.elbow();
        const QPoint onForearm =
            canvas->toWidget({(hand.x + 2 * elbow.x) / 3, (hand.y + 2 * elbow.y) / 3}).toPoint();
        QVERIFY(IsInk(image.pixel(onForearm)));
        const Point head = last.figure.head;
        const QPointF centre = canvas->toWidget({head.x, head.y});
        const double radiusPx = 4.5 * canvas->canvasTransform().m11();
        QVERIFY(IsInk(image.pixel(QPointF(centre.x() + radiusPx, centre.y()).toPoint())));
        // The circle's rim, right of the arm that passes through the head, is about 3 × s
        // pixels thick.
        int thickness = 0;
        for (double dx = -3 * s - 3; dx <= 3 * s + 3; dx += 1) {
            thickness +=
                IsInk(image.pixel(QPointF(centre.x() + radiusPx + dx, centre.y()).toPoint())) ? 1
                                                                                              : 0;
        }
        QVERIFY2(std::abs(thickness - 3 * s) <= 1.5,
                 qPrintable(QStringLiteral("%1 px for scale %2").arg(thickness).arg(s)));
    }

    void picturesComeFromTheLargeSourceWhenEnlarged() {
        PurzoWindow window;
        window.resize(1920, 1080);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const double s = window.scale();
        const QPixmap arrows = Control<QLabel>(window, "Picture2")->pixmap();
        QVERIFY(std::abs(arrows.width() - 150 * s) <= 1);
        QVERIFY(std::abs(arrows.height() - 140 * s) <= 1);
        // Scaled down from the picture drawn at twice the size, not blown up from the small one.
        const QImage shown = arrows.toImage().convertToFormat(QImage::Format_RGB32);
        auto from = [&shown](const char* file) {
            return QImage(QString::fromLatin1(file))
                .scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB32);
        };
        QCOMPARE(shown, from(":/pictures/pfeiltasten-2x.jpg"));
        QVERIFY(shown != from(":/pictures/pfeiltasten.jpg"));
        window.resize(1097, 777);
        QCOMPARE(Control<QLabel>(window, "Picture2")->pixmap().size(), QSize(150, 140));
    }

    void theLookHoldsAgainstADarkTheme() {
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(40, 40, 40));
        dark.setColor(QPalette::WindowText, Qt::white);
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::Button, QColor(50, 50, 50));
        dark.setColor(QPalette::ButtonText, Qt::white);
        QApplication::setPalette(dark);
        ApplyLook();
        PurzoWindow window;
        QVERIFY(purzo::test::ShowWhole(window));
        auto* footer = Control<QLabel>(window, "Label11");
        QCOMPARE(footer->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(footer->palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(0xef, 0xef, 0xef));
        QCOMPARE(Control<QLineEdit>(window, "Text1")->palette().color(QPalette::Base),
                 QColor(Qt::white));
        // The footer's text shows: dark pixels on its white background.
        const QImage image = footer->grab().toImage();
        int dark_pixels = 0;
        for (int x = 0; x < image.width(); ++x) {
            for (int y = 0; y < image.height(); ++y) {
                dark_pixels += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
            }
        }
        QVERIFY(dark_pixels > 50);
    }

    void keyboardEnterClicksTheFocusedButton_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
    }
    void keyboardEnterClicksTheFocusedButton() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(purzo::test::ShowWhole(window));
        auto* start = Control<QPushButton>(window, "Start");
        start->setFocus();
        QTRY_VERIFY(start->hasFocus());
        QSignalSpy started(&window, &PurzoWindow::flightStarted);
        QTest::keyClick(start, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(started.count(), 1);
        QTRY_VERIFY(!window.flightRunning());
    }

    void enterInATextBoxStartsAFlight_data() {
        QTest::addColumn<QString>("box");
        QTest::newRow("speed") << "Text1";
        QTest::newRow("angle") << "Text2";
    }
    void enterInATextBoxStartsAFlight() {
        QFETCH(QString, box);
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(purzo::test::ShowWhole(window));
        auto* edit = window.findChild<QLineEdit*>(box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, box == QLatin1String("Text1") ? "7" : "45");
        QSignalSpy finished(&window, &PurzoWindow::flightFinished);
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(window.flightRunning());
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(window.flightParameters().takeoffSpeed, box == QLatin1String("Text1") ? 7.0 : 6.0);
        QCOMPARE(window.flightParameters().takeoffAngle,
                 box == QLatin1String("Text2") ? 45.0 : 60.0);
    }

    void focusShowsAsADarkFrame_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("Start") << "Start";
        QTest::newRow("Ende") << "Ende";
        QTest::newRow("Text1") << "Text1";
        QTest::newRow("Option1") << "Option1";
    }
    void focusShowsAsADarkFrame() {
        QFETCH(QString, name);
        PurzoWindow window;
        QVERIFY(purzo::test::ShowWhole(window));
        QWidget* control = window.findChild<QWidget*>(name);
        auto darkAtEdges = [control] {
            const QImage image = control->grab().toImage();
            int dark = 0;
            for (int x = 0; x < image.width(); ++x) {
                for (const int y : {1, 2, image.height() - 2, image.height() - 3}) {
                    dark += qGray(image.pixel(x, y)) < 60 ? 1 : 0;
                }
            }
            return dark;
        };
        const int unfocused = darkAtEdges();
        control->setFocus();
        QTRY_VERIFY(control->hasFocus());
        QVERIFY2(darkAtEdges() >= unfocused + control->width(),
                 qPrintable(QStringLiteral("%1 dark edge pixels without focus, %2 with")
                                .arg(unfocused)
                                .arg(darkAtEdges())));
    }

    void anOptionTakesAClickAnywhereInItsRectangle() {
        PurzoWindow window;
        QVERIFY(purzo::test::ShowWhole(window));
        auto* option = Control<QAbstractButton>(window, "Option2");
        // Far right of the short caption "Zeitlupe", where Qt's own option takes no click.
        QTest::mouseClick(option, Qt::LeftButton, {},
                          QPoint(option->width() - 4, option->height() / 2));
        QVERIFY(option->isChecked());
    }

    void textBoxMenuIsGerman() {
        PurzoWindow window;
        QVERIFY(purzo::test::ShowWhole(window));
        std::unique_ptr<QMenu> menu(
            Control<QLineEdit>(window, "Text1")->createStandardContextMenu());
        QStringList texts;
        for (QAction* action : menu->actions()) {
            texts << action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
        }
        for (const char* expected :
             {"Rückgängig", "Ausschneiden", "Kopieren", "Einfügen", "Alles auswählen"}) {
            QVERIFY2(texts.contains(QString::fromUtf8(expected)),
                     qPrintable(texts.join(QLatin1String(", "))));
        }
    }

    void f11SwitchesToFullScreenAndEscapeLeaves() {
        PurzoWindow window;
        QVERIFY(purzo::test::ShowWhole(window));
        QTest::keyClick(&window, Qt::Key_F11);
        QTRY_VERIFY(window.isFullScreen());
        QTest::keyClick(&window, Qt::Key_Escape);
        QTRY_VERIFY(!window.isFullScreen());
        QTest::keyClick(&window, Qt::Key_F11);
        QTRY_VERIFY(window.isFullScreen());
        QTest::keyClick(&window, Qt::Key_F11);
        QTRY_VERIFY(!window.isFullScreen());
    }
};

QTEST_MAIN(WindowScaleTest)
#include "test_window_scale.moc"
