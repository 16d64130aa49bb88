// SPDX-License-Identifier: MIT
// Reading the take-off texts as typed.
#include "flight/takeoff_text.h"

#include <QTest>
#include <clocale>
#include <optional>
#include <string>

using namespace purzo;

class TakeoffTextTest : public QObject {
    Q_OBJECT
private slots:
    void takeoffTextReadsCommaOrPeriod_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("value");
        QTest::newRow("integer") << "6" << true << 6.0;
        QTest::newRow("comma") << "3,9" << true << 3.9;
        QTest::newRow("period") << "7.5" << true << 7.5;
        QTest::newRow("blanks around") << "  6 " << true << 6.0;
        QTest::newRow("tab around") << "\t6\t" << true << 6.0;
        QTest::newRow("plus") << "+6" << true << 6.0;
        QTest::newRow("minus") << "-6" << true << -6.0;
        QTest::newRow("trailing separator") << "6," << true << 6.0;
        QTest::newRow("leading separator") << ",5" << true << 0.5;
        QTest::newRow("period is decimal, not thousands") << "1.000" << true << 1.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("blank") << " " << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("number then letters") << "6abc" << false << 0.0;
        QTest::newRow("two separators") << "6,5,5" << false << 0.0;
        QTest::newRow("thousands and decimal") << "1,000.5" << false << 0.0;
        QTest::newRow("exponent") << "1e1" << false << 0.0;
        QTest::newRow("nan") << "nan" << false << 0.0;
        QTest::newRow("inf") << "inf" << false << 0.0;
        QTest::newRow("hex") << "0x6" << false << 0.0;
        QTest::newRow("separator only") << "," << false << 0.0;
        QTest::newRow("sign only") << "-" << false << 0.0;
        QTest::newRow("blank inside") << "6 5" << false << 0.0;
        QTest::newRow("two signs") << "+-6" << false << 0.0;
        QTest::newRow("full-width digit") << QString::fromUtf8("\xef\xbc\x96") << false << 0.0;
    }
    void takeoffTextReadsCommaOrPeriod() {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(double, value);
        const std::optional<double> parsed = ParseTakeoffNumber(text.toStdString());
        QCOMPARE(parsed.has_value(), isNumber);
        if (isNumber) {
            QCOMPARE(*parsed, value);
        }
    }

    void digitsBeyondAnyDoubleAreNotANumber() {
        QVERIFY(!ParseTakeoffNumber(std::string(100000, '9')).has_value());
        QVERIFY(!ParseTakeoffNumber(std::string(400, '9')).has_value());
    }

    void manyDigitsThatFitAreRead() {
        // Leading zeros do not make a number large.
        QCOMPARE(ParseTakeoffNumber(std::string(5000, '0') + "6").value_or(-1), 6.0);
    }

    void readingDoesNotDependOnTheLocale() {
        const char* previous = std::setlocale(LC_NUMERIC, nullptr);
        const std::string saved = previous ? previous : "C";
        if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
            std::setlocale(LC_NUMERIC, "C.UTF-8");
        }
        QCOMPARE(ParseTakeoffNumber("0,8").value_or(-1), 0.8);
        QCOMPARE(ParseTakeoffNumber("7.5").value_or(-1), 7.5);
        std::setlocale(LC_NUMERIC, saved.c_str());
    }
};

QTEST_APPLESS_MAIN(TakeoffTextTest)
#include "test_takeoff_text.moc"
