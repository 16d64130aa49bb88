// SPDX-License-Identifier: MIT
// The window's language: German as written, English on an English system or when asked for,
// every English text inside its designed rectangle, Qt's own texts alongside; the command line;
// the names a screen reader announces.
#include "flight/number_text.h"
#include "text_layout.h"
#include "window/command_line.h"
#include "window/controls/caption_button.h"
#include "window/controls/lesson_menu.h"
#include "window/view/canvas_widget.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTest>
#include <memory>

using namespace purzo;
using purzo::test::Control;
using purzo::test::ShowWhole;

namespace {

QString AccessibleText(QWidget* widget, QAccessible::Text which) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(which) : QString();
}

// Every text of the window with the area it is laid out in and whether it wraps.
struct ShownText {
    QString name;
    QString text;
    QFont font;
    QRect area;
    bool wraps;
};
QList<ShownText> ShownTexts(const PurzoWindow& window) {
    QList<ShownText> texts;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            texts.append(
                {label->objectName(), label->text(), label->font(), label->contentsRect(), true});
        }
    }
    for (CaptionButton* button : window.findChildren<CaptionButton*>()) {
        texts.append(
            {button->objectName(), button->text(), button->font(), button->captionRect(), true});
    }
    for (QRadioButton* option : window.findChildren<QRadioButton*>()) {
        QStyleOptionButton style;
        style.initFrom(option);
        style.text = option->text();
        texts.append(
            {option->objectName(), option->text(), option->font(),
             option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option),
             false});
    }
    auto* frame = Control<QGroupBox>(window, "Frame1");
    texts.append({frame->objectName(), frame->title(), frame->font(),
                  QRect(8, 0, frame->width() - 16, frame->height()), false});
    return texts;
}

} // namespace

class WindowLanguageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        purzo::test::FailOnWarnings();
        purzo::test::UseProgramLook();
    }
    void cleanup() { InstallTranslations(*QCoreApplication::instance(), Language::German); }

    void languageFollowsTheFirstUiLanguage_data() {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<bool>("english");
        QTest::newRow("en-US") << QStringList{"en-US", "en"} << true;
        QTest::newRow("en") << QStringList{"en"} << true;
        QTest::newRow("en-GB before German") << QStringList{"en-GB", "de-DE"} << true;
        QTest::newRow("German before English") << QStringList{"de-DE", "en-US"} << false;
        QTest::newRow("French") << QStringList{"fr-FR"} << false;
        QTest::newRow("none") << QStringList{} << false;
        QTest::newRow("the C locale") << QLocale::c().uiLanguages() << false;
    }
    void languageFollowsTheFirstUiLanguage() {
        QFETCH(QStringList, uiLanguages);
        QFETCH(bool, english);
        QCOMPARE(LanguageForUiLanguages(uiLanguages) == Language::English, english);
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("language"); // -1: none given
        QTest::addColumn<int>("model");
        using A = CommandLine::Action;
        const int classic = int(Model::Classic), exact = int(Model::Exact);
        QTest::newRow("nothing") << QStringList{} << int(A::Run) << -1 << classic;
        QTest::newRow("--language en")
            << QStringList{"--language", "en"} << int(A::Run) << int(Language::English) << classic;
        QTest::newRow("--language=de")
            << QStringList{"--language=de"} << int(A::Run) << int(Language::German) << classic;
        QTest::newRow("Qt's own options pass")
            << QStringList{"-platform", "offscreen"} << int(A::Run) << -1 << classic;
        QTest::newRow("--language fr")
            << QStringList{"--language", "fr"} << int(A::Error) << -1 << classic;
        QTest::newRow("--language without a value")
            << QStringList{"--language"} << int(A::Error) << -1 << classic;
        QTest::newRow("--version") << QStringList{"--language", "en", "--version"}
                                   << int(A::PrintVersion) << int(Language::English) << classic;
        QTest::newRow("-h") << QStringList{"-h"} << int(A::PrintHelp) << -1 << classic;
        QTest::newRow("--model exact")
            << QStringList{"--model", "exact"} << int(A::Run) << -1 << exact;
        QTest::newRow("--model=classic with a language")
            << QStringList{"--language=en", "--model=classic"} << int(A::Run)
            << int(Language::English) << classic;
        QTest::newRow("--model exakt")
            << QStringList{"--model", "exakt"} << int(A::Error) << -1 << classic;
        QTest::newRow("--model without a value")
            << QStringList{"--model"} << int(A::Error) << -1 << classic;
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(int, language);
        QFETCH(int, model);
        std::vector<QByteArray> storage{"purzo"};
        for (const QString& a : arguments) {
            storage.push_back(a.toUtf8());
        }
        std::vector<const char*> argv;
        for (const QByteArray& a : storage) {
            argv.push_back(a.constData());
        }
        const CommandLine line = ParseCommandLine(int(argv.size()), argv.data());
        QCOMPARE(int(line.action), action);
        QCOMPARE(line.language ? int(*line.language) : -1, language);
        QCOMPARE(int(line.model.value_or(Model::Classic)), model);
        QCOMPARE(line.error.empty(), action != int(CommandLine::Action::Error));
    }

    void theEnglishWindowSpeaksEnglish() {
        InstallTranslations(*QCoreApplication::instance(), Language::English);
        PurzoWindow window;
        QVERIFY(ShowWhole(window));
        QCOMPARE(Control<QPushButton>(window, "Start")->text(), QStringLiteral("Start simulation"));
        QCOMPARE(Control<QPushButton>(window, "Ende")->text(), QStringLiteral("Exit program"));
        QCOMPARE(Control<QRadioButton>(window, "Option2")->text(), QStringLiteral("Slow motion"));
        QCOMPARE(Control<QLineEdit>(window, "Text1")->toolTip(), QStringLiteral("Range: 4 to 8"));
        QVERIFY(Control<QLabel>(window, "Label19")->text().contains(QLatin1String("v=5")));
        QVERIFY(Control<QLabel>(window, "Label19")->text().startsWith(QLatin1String("You")));
        QCOMPARE(window.windowTitle(), QStringLiteral("Purzosimulation"));
        // The arrow keys' picture has the English words drawn in.
        const QImage english(QStringLiteral(":/pictures/pfeiltasten-en.jpg"));
        QVERIFY(!english.isNull());
        QCOMPARE(Control<QLabel>(window, "Picture2")
                     ->pixmap()
                     .toImage()
                     .convertToFormat(english.format()),
                 english);
        // Qt's own texts follow.
        std::unique_ptr<QMenu> menu(
            Control<QLineEdit>(window, "Text1")->createStandardContextMenu());
        QVERIFY(menu->actions().first()->text().contains(QLatin1String("Undo")));
    }

    void theEnglishMenuHasItsOwnLetters() {
        InstallTranslations(*QCoreApplication::instance(), Language::English);
        PurzoWindow window;
        QStringList texts;
        for (QAction* action : window.lessonMenu()->menu()->actions()) {
            if (!action->isSeparator()) {
                texts << action->text();
            }
        }
        QCOMPARE(texts, (QStringList{"&Path of the centre of mass",
                                     "Movement se&quence",
                                     "Flight &data",
                                     "Pre&vious flight for comparison",
                                     "Show &whole flight",
                                     "Compare fli&ghts",
                                     "Side &by side",
                                     "Repla&y last flight",
                                     "Pa&use / Resume\tSpace",
                                     "&Next frame\tPage Down",
                                     "Previous &frame\tPage Up",
                                     QString::fromUtf8("Tuc&k plan…"),
                                     QString::fromUtf8("Landing &map…"),
                                     QString::fromUtf8("Open vid&eo…"),
                                     QString::fromUtf8("C&harts…"),
                                     QString::fromUtf8("Flight l&og…"),
                                     "P&resentation\tF5",
                                     QString::fromUtf8("Save flight as &CSV…"),
                                     QString::fromUtf8("Save flight as &spreadsheet…"),
                                     QString::fromUtf8("Save p&icture…"),
                                     "C&lassic model",
                                     "E&xact model (angular momentum)",
                                     QString::fromUtf8("&Athlete…"),
                                     "Reset &tools"}));
        QSet<QChar> letters;
        for (const QString& text : texts) {
            const QChar letter = text.at(text.indexOf(QLatin1Char('&')) + 1).toLower();
            QVERIFY2(!letters.contains(letter), qPrintable(text));
            letters.insert(letter);
        }
    }

    void everyEnglishTextFitsItsRectangle() {
        InstallTranslations(*QCoreApplication::instance(), Language::English);
        PurzoWindow window;
        QVERIFY(ShowWhole(window));
        for (const ShownText& t : ShownTexts(window)) {
            const purzo::test::Laid laid =
                purzo::test::Lay(t.font, t.text, t.area.width(), t.wraps);
            QVERIFY2(laid.widest <= t.area.width() && laid.height <= t.area.height(),
                     qPrintable(QStringLiteral("%1 \"%2\": %3 x %4 in %5 x %6")
                                    .arg(t.name, t.text)
                                    .arg(laid.widest)
                                    .arg(laid.height)
                                    .arg(t.area.width())
                                    .arg(t.area.height())));
        }
    }

    void theGermanWindowIsAsWritten() {
        InstallTranslations(*QCoreApplication::instance(), Language::English);
        InstallTranslations(*QCoreApplication::instance(), Language::German);
        PurzoWindow window;
        QVERIFY(ShowWhole(window));
        QCOMPARE(Control<QPushButton>(window, "Start")->text(),
                 QStringLiteral("Simulation starten"));
        QCOMPARE(Control<QLabel>(window, "Label2")->text(),
                 QString::fromUtf8("Winkel in Grad (30° - 80°)"));
        QCOMPARE(Control<QRadioButton>(window, "Option3")->text(),
                 QStringLiteral("Extrem-Zeitlupe"));
    }

    void englishFlightDataLineByLine_data() {
        QTest::addColumn<bool>("exact");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("classic") << false
                                 << QStringList{
                                        "Model: classic",
                                        "Time: 1.00 s",
                                        "Distance: 3.00 m",
                                        "Height: 1.09 m",
                                        "Rotation: 180° (0.50 turns)",
                                        "Posture: 1 stretched",
                                        "Flight time: 1.00 s",
                                        "Distance: 3.00 m",
                                        "Frames: 18",
                                        "Turns: 0.50",
                                        "Attitude at touchdown: +180°",
                                        "First contact: hand",
                                        "Not on the feet: hand first, 180° past 0 somersaults"};
        QTest::newRow("exact") << true
                               << QStringList{
                                      "Model: exact",
                                      "Time: 1.04 s",
                                      "Distance: 3.12 m",
                                      "Height: 1.10 m",
                                      "Rotation: 176.6° (0.49 turns)",
                                      "Posture: 1 stretched",
                                      "Angular velocity ω: 170.0 °/s",
                                      "Moment of inertia I: 17.36 kg·m²",
                                      "Angular momentum of the limbs H: 0.00 kg·m²/s",
                                      "Angular momentum L = Iω + H: 51.50 kg·m²/s",
                                      "Rotational energy: 76.4 J",
                                      "Flight time: 1.04 s",
                                      "Distance: 3.12 m",
                                      "Frames: 19",
                                      "Turns: 0.49",
                                      "Attitude at touchdown: +176.6°",
                                      "First contact: hand",
                                      "Not on the feet: hand first, 177° past 0 somersaults"};
    }
    void englishFlightDataLineByLine() {
        QFETCH(bool, exact);
        QFETCH(QStringList, lines);
        InstallTranslations(*QCoreApplication::instance(), Language::English);
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        window.lessonMenu()->dataAction()->trigger();
        if (exact) {
            window.lessonMenu()->exactModelAction()->trigger();
        }
        QSignalSpy finished(&window, &PurzoWindow::flightFinished);
        QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(Control<CanvasWidget>(window, "Picture1")->dataPanelLines(), lines);
    }

    // The panel's numbers are written without Qt, for the page too; they must read as Qt writes
    // them, ties included (a classic turn of 45° is 0.125 turns: "0,13").
    void panelNumbersReadAsQtWritesThem_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << QStringLiteral("de");
        QTest::newRow("English") << QStringLiteral("en");
    }
    void panelNumbersReadAsQtWritesThem() {
        QFETCH(QString, language);
        QLocale locale(language == QLatin1String("de") ? QLocale::German : QLocale::English);
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        const char point = locale.decimalPoint().at(0).toLatin1();
        std::vector<double> values{0, -0.001, 1e-9, 2.5, 0.25, 0.05, 1.005, 9999.95, -7350.25};
        for (int n = -3000; n <= 3000; ++n) {
            values.push_back(n / 8.0);  // ties at two decimals: classic turns, degrees / 360
            values.push_back(n / 20.0); // ties at one decimal
            values.push_back(n / 17.0); // frame times
            values.push_back(n * 0.01); // near-ties that are not exact
        }
        for (const double v : values) {
            for (const int decimals : {1, 2}) {
                QCOMPARE(QString::fromStdString(FixedText(v, decimals, point)),
                         locale.toString(v, 'f', decimals));
            }
        }
    }

    void screenReadersAnnounceEachControlByItsLabel() {
        PurzoWindow window;
        QVERIFY(ShowWhole(window));
        QCOMPARE(AccessibleText(Control<QWidget>(window, "Text1"), QAccessible::Name),
                 Control<QLabel>(window, "Label1")->text());
        QCOMPARE(AccessibleText(Control<QWidget>(window, "Text1"), QAccessible::Name),
                 QStringLiteral("Geschwindigkeit in m/s (4 - 8)"));
        QCOMPARE(AccessibleText(Control<QWidget>(window, "Text2"), QAccessible::Name),
                 Control<QLabel>(window, "Label2")->text());
        QCOMPARE(AccessibleText(Control<QWidget>(window, "Start"), QAccessible::Name),
                 QStringLiteral("Simulation starten"));
        QCOMPARE(AccessibleText(Control<QWidget>(window, "Option3"), QAccessible::Name),
                 QStringLiteral("Extrem-Zeitlupe"));
        QCOMPARE(AccessibleText(Control<QWidget>(window, "HScroll_angle"), QAccessible::Name),
                 Control<QLabel>(window, "Label2")->text());
        // Every control that can take the focus has a name and a description.
        for (QWidget* control : window.findChildren<QWidget*>()) {
            if (control->focusPolicy() == Qt::NoFocus || !qobject_cast<QWidget*>(control)) {
                continue;
            }
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
            if (control->objectName() != QLatin1String("Picture3") &&
                control->objectName() != QLatin1String("Text3")) {
                QVERIFY2(!control->accessibleDescription().isEmpty(),
                         qPrintable(control->objectName()));
            }
        }
    }
};

QTEST_MAIN(WindowLanguageTest)
#include "test_window_language.moc"
