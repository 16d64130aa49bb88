// SPDX-License-Identifier: MIT
// The window as it opens: every control where it belongs, the tab order, the start-up step and
// the scroll bars writing into their text boxes.
#include "design_rects.h"
#include "window/purzo_window.h"
#include "window/view/canvas_widget.h"
#include "window_fixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>

using namespace purzo;
using purzo::test::Control;
using purzo::test::DesignRectOf;

namespace {

QPoint SubControlCentre(QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.subControls = QStyle::SC_All;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
}

// A style whose trough click jumps to the click's position, as some desktops set it.
class JumpingStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ScrollBar_LeftClickAbsolutePosition ||
            hint == SH_ScrollBar_MiddleClickAbsolutePosition) {
            return 1;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

void Retype(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

} // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        purzo::test::FailOnWarnings();
        purzo::test::UseProgramLook();
    }

    void everyControlAsDesigned_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour"); // invalid: the system's colour
        QTest::addColumn<bool>("centred");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QString>("toolTip");
        const QColor system;
        const QColor blue(0, 0, 255);
        const QColor red(200, 0, 0); // dark enough for small bold text on the window's grey
        auto row = [&](const char* name, QRect r, const QString& text, QColor colour, bool centred,
                       bool visible = true, const QString& tip = QString()) {
            QTest::newRow(name) << QString::fromLatin1(name) << r << text << colour << centred
                                << visible << tip;
        };
        row("Picture1", DesignRectOf(QStringLiteral("Picture1")), "", system, false);
        row("HScroll1", DesignRectOf(QStringLiteral("HScroll1")), "", system, false);
        row("Label4", DesignRectOf(QStringLiteral("Label4")), "Anleitung zur Purzosimulation", blue,
            true);
        row("Label15", DesignRectOf(QStringLiteral("Label15")), "1.", blue, false);
        row("Label5", DesignRectOf(QStringLiteral("Label5")),
            "Geben Sie als erstes die Absprunggeschwindigkeit an:", system, false);
        row("Label1", DesignRectOf(QStringLiteral("Label1")), "Geschwindigkeit in m/s (4 - 8)",
            system, true);
        row("Text1", DesignRectOf(QStringLiteral("Text1")), "6", system, true, true,
            "Bereich: 4 bis 8");
        row("HScroll_geschw", DesignRectOf(QStringLiteral("HScroll_geschw")), "", system, false);
        row("Label16", DesignRectOf(QStringLiteral("Label16")), "2.", blue, false);
        row("Label6", DesignRectOf(QStringLiteral("Label6")),
            "Geben Sie nun den Absprungwinkel an:", system, false);
        row("Label2", DesignRectOf(QStringLiteral("Label2")),
            QString::fromUtf8("Winkel in Grad (30° - 80°)"), system, true);
        row("Text2", DesignRectOf(QStringLiteral("Text2")), "60", system, true, true,
            "Bereich: 30 bis 80");
        row("HScroll_angle", DesignRectOf(QStringLiteral("HScroll_angle")), "", system, false);
        row("Label17", DesignRectOf(QStringLiteral("Label17")), "3.", blue, false);
        row("Label7", DesignRectOf(QStringLiteral("Label7")),
            QString::fromUtf8("Mit der rechten und linken Pfeiltaste können Sie während der "
                              "Flugphase die Körperposition der Strichfigur ändern."),
            system, false);
        row("Picture2", DesignRectOf(QStringLiteral("Picture2")), "", system, false);
        row("Label18", DesignRectOf(QStringLiteral("Label18")), "4.", blue, false);
        row("Label10", DesignRectOf(QStringLiteral("Label10")),
            "Mit dem Button \"Simulation starten\" beginnt die Simulation.", system, false);
        row("Start", DesignRectOf(QStringLiteral("Start")), "Simulation starten", system, false);
        row("Frame1", DesignRectOf(QStringLiteral("Frame1")), "Wiedergabegeschwindigkeit", system,
            false);
        row("Option1", DesignRectOf(QStringLiteral("Option1")), "Echtzeit", system, false);
        row("Option2", DesignRectOf(QStringLiteral("Option2")), "Zeitlupe", system, false);
        row("Option3", DesignRectOf(QStringLiteral("Option3")), "Extrem-Zeitlupe", system, false);
        row("Ende", DesignRectOf(QStringLiteral("Ende")), "Programm Ende", system, false);
        row("Label19", DesignRectOf(QStringLiteral("Label19")),
            QString::fromUtf8("Sie haben Werte außerhalb des angegebenen Bereiches eingetragen. "
                              "Es wurden die Standardwerte v=5 und Winkel=50 eingetragen "),
            red, true, false);
        row("Label3", DesignRectOf(QStringLiteral("Label3")), "Anmerkungen:", blue, false);
        row("Label12", DesignRectOf(QStringLiteral("Label12")),
            "- Der Drehimpuls beim Absprung wurde konstant eingestellt.", system, false);
        row("Label13", DesignRectOf(QStringLiteral("Label13")),
            QString::fromUtf8("- Die Berechnung des Körperschwerpunktes wurde nach dem Modell von "
                              "Willimczik (1983, S.23-37) vorgenommen."),
            system, false);
        row("Label14", DesignRectOf(QStringLiteral("Label14")),
            QString::fromUtf8("- Der Einfluss des Luftwiderstands wird bei der Berechnung der "
                              "Flugbahn vernachlässigt."),
            system, false);
        row("Picture3", DesignRectOf(QStringLiteral("Picture3")), "", system, false);
        row("Text3", DesignRectOf(QStringLiteral("Text3")), "0,8", system, false, false);
    }
    void everyControlAsDesigned() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        QFETCH(bool, centred);
        QFETCH(bool, visible);
        QFETCH(QString, toolTip);
        PurzoWindow window;
        QVERIFY(purzo::test::ShowWhole(window));
        QWidget* control = window.findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->geometry(), rect);
        QCOMPARE(control->isVisible(), visible);
        QCOMPARE(control->toolTip(), toolTip);

        QString shown;
        Qt::Alignment alignment;
        if (auto* label = qobject_cast<QLabel*>(control)) {
            shown = label->text();
            alignment = label->alignment();
            QVERIFY(label->pixmap().isNull() ? label->wordWrap() : true);
        } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
            shown = box->text();
            alignment = box->alignment();
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            shown = button->text();
        } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
            shown = group->title();
        }
        QCOMPARE(shown, text);
        QCOMPARE(bool(alignment & Qt::AlignHCenter), centred);
        if (colour.isValid()) {
            QCOMPARE(control->palette().color(QPalette::WindowText), colour);
        } else {
            QCOMPARE(control->palette().color(QPalette::WindowText),
                     window.palette().color(QPalette::WindowText));
        }
    }

    void windowCaptionAndSize() {
        PurzoWindow window;
        QVERIFY(purzo::test::ShowWhole(window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Purzosimulation"));
        QCOMPARE(window.objectName(), QStringLiteral("Purzo"));
        QVERIFY(!window.windowIcon().isNull());
        // Every control shows whole in the client area.
        for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(window.rect().contains(child->geometry()), qPrintable(child->objectName()));
        }
    }

    void windowOpensAtTheLargestSizeThatFits_data() {
        QTest::addColumn<QSize>("available");
        QTest::addColumn<QSize>("client");
        QTest::newRow("1280 x 1024: full size") << QSize(1280, 1024) << QSize(1097, 777);
        QTest::newRow("1920 x 1080: full size") << QSize(1920, 1080) << QSize(1097, 777);
        // The frame's allowance is 16 × 48 pixels.
        QTest::newRow("1024 x 768 projector") << QSize(1024, 768) << QSize(1008, 713);
        QTest::newRow("1366 x 768 laptop") << QSize(1366, 768) << QSize(1016, 720);
        QTest::newRow("1920 x 1080 at 150 %") << QSize(1280, 696) << QSize(914, 648);
        QTest::newRow("tiny: the minimum scale") << QSize(500, 400) << QSize(659, 467);
        // 1097 × (854 / 1097) comes out a hair below 854 in doubles.
        QTest::newRow("870 x 1000: width exactly held") << QSize(870, 1000) << QSize(854, 604);
    }
    void windowOpensAtTheLargestSizeThatFits() {
        QFETCH(QSize, available);
        QFETCH(QSize, client);
        QCOMPARE(BestClientSize(available), client);
    }

    void windowOpensUnmaximisedWithEveryControlVisible() {
        PurzoWindow window;
        window.showAtBestSize();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!window.isMaximized());
        QCOMPARE(window.size(), BestClientSize(window.screen()->availableGeometry().size()));
        for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(window.rect().contains(child->geometry()), qPrintable(child->objectName()));
        }
        QCOMPARE(window.minimumSize(), QSize(659, 467));
    }

    void fontsAsDesigned_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("pointSize");
        QTest::addColumn<int>("weight");
        QTest::newRow("title") << "Label4"
                               << "Arial Black" << 14.25 << int(QFont::Black);
        QTest::newRow("step number") << "Label15"
                                     << "MS Sans Serif" << 13.5 << 700;
        QTest::newRow("instruction") << "Label5"
                                     << "Arial" << 9.75 << 700;
        QTest::newRow("box label") << "Label1"
                                   << "Arial" << 9.75 << 400;
        QTest::newRow("speed box") << "Text1"
                                   << "Arial" << 12.0 << 700;
        QTest::newRow("start") << "Start"
                               << "MS Sans Serif" << 9.75 << 700;
        QTest::newRow("frame") << "Frame1"
                               << "MS Sans Serif" << 9.75 << 700;
        QTest::newRow("option") << "Option3"
                                << "MS Sans Serif" << 9.75 << 400;
        QTest::newRow("warning") << "Label19"
                                 << "MS Sans Serif" << 9.75 << 700;
        QTest::newRow("notes heading") << "Label3"
                                       << "Arial" << 14.25 << 700;
        QTest::newRow("note") << "Label13"
                              << "Arial" << 12.0 << 400;
        QTest::newRow("footer") << "Label11"
                                << "MS Sans Serif" << 8.25 << 400;
    }
    void fontsAsDesigned() {
        QFETCH(QString, name);
        QFETCH(QString, family);
        QFETCH(double, pointSize);
        QFETCH(int, weight);
        PurzoWindow window;
        const QFont font = window.findChild<QWidget*>(name)->font();
        QCOMPARE(font.families().value(0), family);
        QVERIFY(font.families().contains(QStringLiteral("Liberation Sans")));
        QCOMPARE(font.pointSizeF(), pointSize);
        QCOMPARE(int(font.weight()), weight);
        QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
    }

    void picturesAtNaturalSize() {
        PurzoWindow window;
        QCOMPARE(Control<QLabel>(window, "Picture2")->pixmap().size(), QSize(150, 140));
        QCOMPARE(Control<QLabel>(window, "Picture3")->pixmap().size(), QSize(30, 18));
        auto* canvas = Control<CanvasWidget>(window, "Picture1");
        QCOMPARE(canvas->contentsRect().size(), QSize(701, 533));
        QCOMPARE(canvas->toWidget({0, 0}), QPointF(canvas->contentsRect().topLeft()));
        QCOMPARE(canvas->toWidget({200, 150}), QPointF(2 + 701, 2 + 533));
        QCOMPARE(Control<QLabel>(window, "Label11")->palette().color(QPalette::Window),
                 QColor(Qt::white));
    }

    void postureBarLiesHiddenBehindTheCanvas() {
        PurzoWindow window;
        QVERIFY(purzo::test::ShowWhole(window));
        auto* bar = Control<QScrollBar>(window, "HScroll1");
        auto* canvas = Control<QWidget>(window, "Picture1");
        QVERIFY(bar->isVisible() && bar->isEnabled());
        QVERIFY(canvas->geometry().contains(bar->geometry()));
        QCOMPARE(window.childAt(bar->geometry().center()), canvas);
        QCOMPARE(bar->minimum(), 1);
        QCOMPARE(bar->maximum(), 7);
        QCOMPARE(bar->value(), 1);
        QCOMPARE(bar->singleStep(), 1);
        QCOMPARE(bar->pageStep(), 1);
        // A click where the bar lies reaches the canvas, never the bar.
        QTest::mouseClick(&window, Qt::LeftButton, {}, bar->geometry().center());
        QCOMPARE(bar->value(), 1);
    }

    void controlsStackAsDesigned() {
        PurzoWindow window;
        // Back to front; every label lies beneath all of these.
        const QStringList backToFront{"HScroll1", "Picture1", "Ende",           "Start",
                                      "Text1",    "Text2",    "Text3",          "Frame1",
                                      "Picture2", "Picture3", "HScroll_geschw", "HScroll_angle"};
        QStringList windowed;
        int lastLabel = -1, firstWindowed = -1;
        const QObjectList children = window.children();
        for (int i = 0; i < children.size(); ++i) {
            const QString name = children[i]->objectName();
            if (qobject_cast<QLabel*>(children[i]) && name.startsWith(QLatin1String("Label"))) {
                lastLabel = i;
            } else if (backToFront.contains(name)) {
                windowed << name;
                if (firstWindowed < 0) {
                    firstWindowed = i;
                }
            }
        }
        QCOMPARE(windowed, backToFront);
        QVERIFY(lastLabel < firstWindowed);
        // Where the angle bar overlaps the angle box, the bar is in front.
        QVERIFY(purzo::test::ShowWhole(window));
        const QWidget* atOverlap = window.childAt(QPoint(960, 232));
        QCOMPARE(atOverlap ? atOverlap->objectName() : QString(), QStringLiteral("HScroll_angle"));
    }

    void stateAfterLoad() {
        PurzoWindow window;
        QVERIFY(purzo::test::ShowWhole(window));
        QCOMPARE(Control<QLineEdit>(window, "Text1")->text(), QStringLiteral("6"));
        QCOMPARE(Control<QLineEdit>(window, "Text2")->text(), QStringLiteral("60"));
        QCOMPARE(Control<QScrollBar>(window, "HScroll_geschw")->value(), 6);
        QCOMPARE(Control<QScrollBar>(window, "HScroll_angle")->value(), 60);
        QCOMPARE(Control<QScrollBar>(window, "HScroll_angle")->pageStep(), 5);
        QVERIFY(Control<QRadioButton>(window, "Option1")->isChecked());
        QVERIFY(!Control<QRadioButton>(window, "Option2")->isChecked());
        QVERIFY(Control<QLabel>(window, "Label19")->isHidden());
        QCOMPARE(window.frameDelayMs(), 0);
        QVERIFY(!Control<CanvasWidget>(window, "Picture1")->figure().has_value());
        QTRY_COMPARE(QApplication::focusWidget(), Control<QWidget>(window, "Picture1"));
        // Arrow keys on the canvas change nothing.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(Control<QScrollBar>(window, "HScroll1")->value(), 1);
        QCOMPARE(Control<QScrollBar>(window, "HScroll_geschw")->value(), 6);
    }

    void tabVisitsTheFocusableControlsInOrder_data() {
        QTest::addColumn<QString>("checkedOption");
        QTest::newRow("Echtzeit") << "Option1";
        QTest::newRow("Extrem-Zeitlupe") << "Option3";
    }
    void tabVisitsTheFocusableControlsInOrder() {
        QFETCH(QString, checkedOption);
        PurzoWindow window;
        window.findChild<QRadioButton*>(checkedOption)->setChecked(true);
        QVERIFY(purzo::test::ShowWhole(window));
        QTRY_COMPARE(QApplication::focusWidget(), Control<QWidget>(window, "Picture1"));
        const QStringList expected{"ToolsButton",    "Ende",          "Start",       "Text1",
                                   "Text2",          "HScroll1",      checkedOption, "Picture2",
                                   "HScroll_geschw", "HScroll_angle", "Picture1"};
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    void postureBarTakesArrowKeysWhenTabbedTo() {
        PurzoWindow window;
        QVERIFY(purzo::test::ShowWhole(window));
        auto* bar = Control<QScrollBar>(window, "HScroll1");
        bar->setFocus();
        QTRY_VERIFY(bar->hasFocus());
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(bar, Qt::Key_Right);
        }
        QCOMPARE(bar->value(), 7);
        QTest::keyClick(bar, Qt::Key_Left);
        QCOMPARE(bar->value(), 6);
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(bar, Qt::Key_Left);
        }
        QCOMPARE(bar->value(), 1);
    }

    void scrollBarsWriteIntoTheirTexts() {
        PurzoWindow window;
        QVERIFY(purzo::test::ShowWhole(window));
        auto* angle = Control<QScrollBar>(window, "HScroll_angle");
        auto* text2 = Control<QLineEdit>(window, "Text2");
        QTest::mouseClick(angle, Qt::LeftButton, {},
                          SubControlCentre(angle, QStyle::SC_ScrollBarAddLine));
        QCOMPARE(text2->text(), QStringLiteral("61"));
        angle->setValue(60);
        QTest::mouseClick(angle, Qt::LeftButton, {},
                          SubControlCentre(angle, QStyle::SC_ScrollBarAddPage));
        QCOMPARE(angle->value(), 65);
        QCOMPARE(text2->text(), QStringLiteral("65"));
        angle->setValue(80);
        QTest::mouseClick(angle, Qt::LeftButton, {},
                          SubControlCentre(angle, QStyle::SC_ScrollBarAddLine));
        QCOMPARE(angle->value(), 80);
        QCOMPARE(text2->text(), QStringLiteral("80"));

        auto* speed = Control<QScrollBar>(window, "HScroll_geschw");
        auto* text1 = Control<QLineEdit>(window, "Text1");
        QTest::mouseClick(speed, Qt::LeftButton, {},
                          SubControlCentre(speed, QStyle::SC_ScrollBarSubPage));
        QCOMPARE(text1->text(), QStringLiteral("5"));
        QTest::keyClick(speed, Qt::Key_End);
        QCOMPARE(text1->text(), QStringLiteral("8"));
        QTest::keyClick(speed, Qt::Key_Home);
        QCOMPARE(text1->text(), QStringLiteral("4"));
    }

    void typedTextMovesTheScrollBarUntilTheBarWritesAgain() {
        PurzoWindow window;
        QVERIFY(purzo::test::ShowWhole(window));
        auto* speed = Control<QScrollBar>(window, "HScroll_geschw");
        auto* text1 = Control<QLineEdit>(window, "Text1");
        text1->selectAll();
        QTest::keyClicks(text1, QStringLiteral("7.5"));
        QCOMPARE(text1->text(), QStringLiteral("7.5"));
        QCOMPARE(speed->value(), 8); // the nearest whole number, halves away from zero
        QTest::mouseClick(speed, Qt::LeftButton, {},
                          SubControlCentre(speed, QStyle::SC_ScrollBarSubLine));
        QCOMPARE(speed->value(), 7);
        QCOMPARE(text1->text(), QStringLiteral("7"));
    }

    void troughClickStepsByTheLargeChangeUnderAnyStyle() {
        QApplication::setStyle(new JumpingStyle);
        {
            PurzoWindow window;
            QVERIFY(purzo::test::ShowWhole(window));
            auto* angle = Control<QScrollBar>(window, "HScroll_angle");
            // In the trough right of the thumb, where a jumping style would set about 72.
            const QPoint nearEnd = SubControlCentre(angle, QStyle::SC_ScrollBarAddPage);
            QTest::mouseClick(angle, Qt::LeftButton, {}, nearEnd);
            QCOMPARE(angle->value(), 65);
            QTest::mouseClick(angle, Qt::MiddleButton, {}, nearEnd);
            QCOMPARE(angle->value(), 65);
            QTest::mouseClick(angle, Qt::LeftButton, {},
                              SubControlCentre(angle, QStyle::SC_ScrollBarSubLine));
            QCOMPARE(angle->value(), 64);
            QCOMPARE(Control<QLineEdit>(window, "Text2")->text(), QStringLiteral("64"));
            QCOMPARE(angle->contextMenuPolicy(), Qt::NoContextMenu);
            QCOMPARE(Control<QScrollBar>(window, "HScroll_geschw")->contextMenuPolicy(),
                     Qt::NoContextMenu);
        }
        purzo::test::UseProgramLook();
    }

    void replacedTextsMoveTheBarsToo() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(purzo::test::ShowWhole(window));
        Retype(Control<QLineEdit>(window, "Text1"), QStringLiteral("9"));
        QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
        QTRY_VERIFY(!window.flightRunning());
        auto* speed = Control<QScrollBar>(window, "HScroll_geschw");
        QCOMPARE(speed->value(), 5);
        QCOMPARE(Control<QScrollBar>(window, "HScroll_angle")->value(), 50);
        // One click on the right arrow turns the 5 the student sees into 6.
        QTest::mouseClick(speed, Qt::LeftButton, {},
                          SubControlCentre(speed, QStyle::SC_ScrollBarAddLine));
        QCOMPARE(Control<QLineEdit>(window, "Text1")->text(), QStringLiteral("6"));
    }

    void typedNumbersMoveTheirBar_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value"); // where the bar stands after the typing
        QTest::newRow("7,5 up to 8") << "Text1"
                                     << "7,5" << 8;
        QTest::newRow("4,5 up to 5") << "Text1"
                                     << "4,5" << 5;
        QTest::newRow("6,5 up to 7") << "Text1"
                                     << "6,5" << 7;
        QTest::newRow("6.4 down to 6") << "Text1"
                                       << "6.4" << 6;
        QTest::newRow("8 at the end") << "Text1"
                                      << "8" << 8;
        QTest::newRow("9 out of range") << "Text1"
                                        << "9" << 6;
        QTest::newRow("3,9 out of range") << "Text1"
                                          << "3,9" << 6;
        QTest::newRow("letters") << "Text1"
                                 << "schnell" << 6;
        QTest::newRow("angle 45,5 up to 46") << "Text2"
                                             << "45,5" << 46;
        QTest::newRow("angle 81 out of range") << "Text2"
                                               << "81" << 60;
    }
    void typedNumbersMoveTheirBar() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(int, value);
        PurzoWindow window;
        QVERIFY(purzo::test::ShowWhole(window));
        auto* edit = window.findChild<QLineEdit*>(box);
        auto* bar = Control<QScrollBar>(window, box == QLatin1String("Text1") ? "HScroll_geschw"
                                                                              : "HScroll_angle");
        Retype(edit, text);
        QCOMPARE(bar->value(), value);
        QCOMPARE(edit->text(), text); // the text stays as typed
    }

    void draggingTheThumbWritesEveryValueOnTheWay() {
        PurzoWindow window;
        QVERIFY(purzo::test::ShowWhole(window));
        auto* speed = Control<QScrollBar>(window, "HScroll_geschw");
        auto* text1 = Control<QLineEdit>(window, "Text1");
        speed->setValue(4);
        QStringList seen;
        connect(text1, &QLineEdit::textChanged, [&](const QString& t) {
            if (seen.isEmpty() || seen.last() != t) {
                seen << t;
            }
        });
        const QPoint grab = SubControlCentre(speed, QStyle::SC_ScrollBarSlider);
        const QPoint end = SubControlCentre(speed, QStyle::SC_ScrollBarAddLine);
        auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
            QMouseEvent event(type, at, speed->mapToGlobal(at), Qt::LeftButton, buttons, {});
            QApplication::sendEvent(speed, &event);
        };
        send(QEvent::MouseButtonPress, grab, Qt::LeftButton);
        for (int x = grab.x(); x <= end.x(); ++x) {
            send(QEvent::MouseMove, QPoint(x, grab.y()), Qt::LeftButton);
            if (speed->isSliderDown()) {
                QVERIFY(text1->text() == QString::number(speed->sliderPosition()));
            }
        }
        QVERIFY(speed->isSliderDown()); // still held: the texts came from the drag itself
        send(QEvent::MouseButtonRelease, QPoint(end.x(), grab.y()), Qt::NoButton);
        QCOMPARE(seen, (QStringList{"5", "6", "7", "8"}));
        QCOMPARE(speed->value(), 8);
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "test_window_layout.moc"
