// SPDX-License-Identifier: MIT
// Comparing a computed double with a figure given to a number of decimals.
#pragma once

#include <QTest>
#include <cmath>

namespace purzo::test {

// True when actual rounds to expected at the given number of decimals (half a unit either way).
inline bool MatchesDecimals(double actual, double expected, int decimals) {
    return std::fabs(actual - expected) <= 0.5 * std::pow(10.0, -decimals) + 1e-12;
}

} // namespace purzo::test

#define COMPARE_DECIMALS(actual, expected, decimals)                                               \
    do {                                                                                           \
        const double a_ = (actual);                                                                \
        const double e_ = (expected);                                                              \
        QVERIFY2(purzo::test::MatchesDecimals(a_, e_, decimals),                                   \
                 qPrintable(QStringLiteral("%1 = %2, expected %3 to %4 decimals")                  \
                                .arg(QLatin1String(#actual))                                       \
                                .arg(a_, 0, 'g', 17)                                               \
                                .arg(e_, 0, 'g', 17)                                               \
                                .arg(decimals)));                                                  \
    } while (false)
