// SPDX-License-Identifier: MIT
// The portable number texts against the standard library's: the same shortest text for every
// kind of double, and the same reading.
#include "flight/number_text.h"

#include <QTest>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

using namespace purzo;

namespace {

std::string ToChars(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

} // namespace

class NumberTextTest : public QObject {
    Q_OBJECT
private slots:
    void shortestTextIsWhatToCharsPrints_data() {
        QTest::addColumn<double>("value");
        QTest::newRow("zero") << 0.0;
        QTest::newRow("negative zero") << -0.0;
        QTest::newRow("whole") << 126.0;
        QTest::newRow("hundred") << 100.0;
        QTest::newRow("1e22") << 1e22;
        QTest::newRow("1e21") << 1e21;
        QTest::newRow("0.1") << 0.1;
        QTest::newRow("0.0001") << 0.0001;
        QTest::newRow("0.001") << 0.001;
        QTest::newRow("1e-07") << 1e-7;
        QTest::newRow("third") << 1.0 / 3;
        QTest::newRow("1 - 0.42") << 1 - 0.42;
        QTest::newRow("largest") << std::numeric_limits<double>::max();
        QTest::newRow("smallest") << std::numeric_limits<double>::denorm_min();
        QTest::newRow("smallest normal") << std::numeric_limits<double>::min();
        QTest::newRow("2^53 + 2") << 9007199254740994.0;
        QTest::newRow("a canvas y") << 152.72727272727272;
        QTest::newRow("negative") << -9.693032779978239e-06;
    }
    void shortestTextIsWhatToCharsPrints() {
        QFETCH(double, value);
        QCOMPARE(PortableShortestDoubleText(value), ToChars(value));
        QCOMPARE(ShortestDoubleText(value), ToChars(value));
    }

    void everyPowerOfTwoAndManyRandomDoubles() {
        for (int e = -1074; e <= 1023; ++e) {
            const double value = std::ldexp(1.0, e);
            QCOMPARE(PortableShortestDoubleText(value), ToChars(value));
        }
        std::mt19937_64 random(20261209);
        std::uniform_real_distribution<double> canvas(-300, 600);
        for (int i = 0; i < 20000; ++i) {
            const double bits = std::bit_cast<double>(random());
            const double values[] = {bits, canvas(random), std::round(canvas(random)),
                                     canvas(random) / 1e6};
            for (const double value : values) {
                if (std::isfinite(value)) {
                    QCOMPARE(PortableShortestDoubleText(value), ToChars(value));
                }
            }
        }
    }

    void plainDecimalsReadAsTheStandardReadsThem_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        QTest::newRow("whole") << "6" << true;
        QTest::newRow("decimal") << "7.5" << true;
        QTest::newRow("leading zero") << "0.5" << true;
        QTest::newRow("trailing point") << "7." << true;
        QTest::newRow("many digits") << "4.0000000000000000000001" << true;
        QTest::newRow("two points") << "7.5.1" << false;
        QTest::newRow("only a point") << "." << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("comma") << "7,5" << false;
        QTest::newRow("sign") << "-5" << false;
        QTest::newRow("exponent") << "1e3" << false;
        QTest::newRow("too large") << QString(400, QLatin1Char('9')) << false;
    }
    void plainDecimalsReadAsTheStandardReadsThem() {
        QFETCH(QString, text);
        QFETCH(bool, number);
        const std::string s = text.toStdString();
        const std::optional<double> portable = PortableReadPlainDecimal(s);
        QCOMPARE(portable.has_value(), number);
        QCOMPARE(ReadPlainDecimal(s).has_value(), number);
        if (number) {
            double standard = 0;
            std::from_chars(s.data(), s.data() + s.size(), standard);
            QCOMPARE(*portable, standard);
            QCOMPARE(*ReadPlainDecimal(s), standard);
        }
    }
};

QTEST_APPLESS_MAIN(NumberTextTest)
#include "test_number_text.moc"
