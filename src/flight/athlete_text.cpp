// SPDX-License-Identifier: MIT
// Reading and writing the athlete's values.
#include "flight/athlete_text.h"

#include "flight/number_text.h"
#include "flight/takeoff_text.h"

#include <cmath>

namespace purzo {
namespace {

// Whole numbers without decimals, others with one.
std::string WholeOrTenths(double value, char decimalPoint) {
    const double tenths = std::round(value * 10) / 10;
    return FixedText(tenths, tenths == std::round(tenths) ? 0 : 1, decimalPoint);
}

} // namespace

std::optional<double> ReadAthleteValue(std::string_view text, const AthleteRange& range) {
    const std::optional<double> value = ParseTakeoffNumber(text);
    if (!value || !range.holds(*value)) {
        return std::nullopt;
    }
    return *value + 0.0; // "-0" is no spin, not a negative one
}

std::string MassText(double massKg, char decimalPoint) {
    return WholeOrTenths(massKg, decimalPoint);
}

std::string HeightText(double bodyHeightM, char decimalPoint) {
    return FixedText(bodyHeightM, 2, decimalPoint);
}

std::string SpinText(double spinDegPerS, char decimalPoint) {
    return WholeOrTenths(spinDegPerS, decimalPoint);
}

std::string LimbSpeedText(double limbSpeedRadPerS, char decimalPoint) {
    return WholeOrTenths(limbSpeedRadPerS, decimalPoint);
}

std::string AthleteValueText(int which, double value, char decimalPoint) {
    return which == 0   ? MassText(value, decimalPoint)
           : which == 1 ? HeightText(value, decimalPoint)
           : which == 2 ? SpinText(value, decimalPoint)
                        : LimbSpeedText(value, decimalPoint);
}

} // namespace purzo
