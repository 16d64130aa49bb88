// SPDX-License-Identifier: MIT
// Reading numbers from texts: the scroll bars' start-up value and the take-off texts.
#include "number_text.h"

#include <QTest>
#include <clocale>
#include <optional>
#include <string>

using namespace purzo;

class NumberTextTest : public QObject {
    Q_OBJECT
private slots:
    void leadingNumberRoundsHalfToEven_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("design speed") << "6" << 6;
        QTest::newRow("design angle") << "60" << 60;
        QTest::newRow("blanks first") << "  7" << 7;
        QTest::newRow("half to even down") << "6.5" << 6;
        QTest::newRow("half to even up") << "7.5" << 8;
        QTest::newRow("just above half") << "6.5001" << 7;
        QTest::newRow("negative half") << "-2.5" << -2;
        QTest::newRow("stops at letters") << "45abc" << 45;
        QTest::newRow("comma is no separator") << "6,9" << 6;
        QTest::newRow("exponent") << "1e1" << 10;
        QTest::newRow("exponent without digits") << "3e" << 3;
        QTest::newRow("leading period") << ".6" << 1;
        QTest::newRow("no number") << "abc" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("sign only") << "-" << 0;
        QTest::newRow("too large held") << "99999" << 32767;
        QTest::newRow("too small held") << "-99999" << -32768;
        QTest::newRow("overflowing exponent") << "1e999" << 32767;
        QTest::newRow("underflowing exponent") << "1e-999" << 0;
    }
    void leadingNumberRoundsHalfToEven() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(int{LeadingNumberAsInt16(text.toStdString())}, value);
    }

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
        QCOMPARE(int{LeadingNumberAsInt16("7.5")}, 8);
        std::setlocale(LC_NUMERIC, saved.c_str());
    }
};

QTEST_APPLESS_MAIN(NumberTextTest)
#include "test_number_text.moc"
