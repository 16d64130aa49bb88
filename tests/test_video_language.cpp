// SPDX-License-Identifier: MIT
// The video window in either language: its key letters each once, its numbers with the
// language's decimal sign.
#include "video/video_file.h"
#include "video_fixture.h"
#include "window/translations.h"
#include "window/video/video_step_bar.h"
#include "window/video/video_window.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSet>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

using namespace purzo;
using purzo::test::FilmedJump;

class VideoLanguageTest : public QObject {
    Q_OBJECT
private slots:
    // Every key letter of the window once in each language: the buttons', the boxes' labels' and
    // the tabs'.
    void keyLettersAreUnique_data() {
        QTest::addColumn<Language>("language");
        QTest::newRow("German") << Language::German;
        QTest::newRow("English") << Language::English;
    }
    void keyLettersAreUnique() {
        QFETCH(Language, language);
        InstallTranslations(*QCoreApplication::instance(), language);
        QStringList texts;
        {
            VideoWindow window;
            for (const QAbstractButton* b : window.findChildren<QAbstractButton*>()) {
                texts << b->text();
            }
            for (const QLabel* l : window.findChildren<QLabel*>()) {
                if (l->buddy()) {
                    texts << l->text();
                }
            }
            for (const QTabBar* bar : window.findChildren<QTabBar*>()) {
                for (int i = 0; i < bar->count(); ++i) {
                    texts << bar->tabText(i);
                }
            }
        }
        InstallTranslations(*QCoreApplication::instance(), Language::German);
        QSet<QChar> letters;
        int keyed = 0;
        for (const QString& text : texts) {
            const qsizetype amp = text.indexOf(QLatin1Char('&'));
            if (amp < 0) {
                continue;
            }
            ++keyed;
            const QChar letter = text.at(amp + 1).toLower();
            QVERIFY2(!letters.contains(letter), qPrintable(text));
            letters.insert(letter);
        }
        QVERIFY(keyed >= 10);
    }

    // The frame's label in the language's words and with its decimal sign, the time as the
    // file holds it.
    void labelsTheFrameInTheLanguage_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QChar>("point");
        QTest::newRow("German") << Language::German << "Bild %1 von %2 · %3 s" << QChar(',');
        QTest::newRow("English") << Language::English << "Frame %1 of %2 · %3 s" << QChar('.');
    }
    void labelsTheFrameInTheLanguage() {
        QFETCH(Language, language);
        QFETCH(QString, words);
        QFETCH(QChar, point);
        QTemporaryDir dir;
        FilmedJump jump;
        jump.speedMPerS = 2.5;
        const QString path = dir.filePath(QStringLiteral("kurz.mp4"));
        QVERIFY(jump.render(path));
        VideoFile file;
        VideoError error;
        QVERIFY(file.open(path.toStdString(), error));
        InstallTranslations(*QCoreApplication::instance(), language);
        QString label;
        {
            VideoWindow window;
            QVERIFY(window.openVideo(path));
            window.showFrame(2);
            label = window.stepBar()->frameLabel()->text();
        }
        InstallTranslations(*QCoreApplication::instance(), Language::German);
        const QString time = QString::number(file.frameTimesS()[2], 'f', 3);
        QCOMPARE(label, words.arg(3).arg(file.frameCount()).arg(QString(time).replace('.', point)));
    }
};

QTEST_MAIN(VideoLanguageTest)
#include "test_video_language.moc"
