// SPDX-License-Identifier: MIT
// The flight sheet's cells in the order a writer puts them down.
#include "workbook/flight_sheet.h"

#include "body/body_part.h"
#include "flight/flight_summary.h"
#include "flight/posture_shades.h"
#include "flight/quantities.h"
#include "workbook/printed_columns.h"

#include <algorithm>
#include <array>

namespace purzo {
namespace {

using T = WorkbookText;

constexpr std::array<std::array<const char*, 2>, 4> kTexts{{
    {"Flug", "Flight"},
    {"Diagramme", "Charts"},
    {"Höhe des Schwerpunkts über der Zeit", "Height of the centre of mass over time"},
    {"Drehung über der Zeit", "Rotation over time"},
}};

constexpr int kHeaderRow = 5;
constexpr int kFirstFrameRow = 6;
constexpr int kLandingColumn = 3; // D and E
constexpr int kVerdictColumn = 6; // G and H
constexpr int kAthleteColumn = 9; // J and K

int ColumnOf(std::span<const Quantity> columns, Quantity quantity) {
    return int(std::find(columns.begin(), columns.end(), quantity) - columns.begin());
}

} // namespace

const char* TextOf(WorkbookText text, WorkbookLanguage language) {
    return kTexts[std::size_t(text)][language == WorkbookLanguage::English ? 1 : 0];
}

const char* GroupHeader(WorkbookLanguage language) {
    return language == TextLanguage::English ? "Name / group" : "Name / Gruppe";
}

const char* TeacherName(WorkbookLanguage language) {
    return language == TextLanguage::English ? "Teacher" : "Lehrkraft";
}

FlightSheet FlightSheetFor(const FlightRecord& record, WorkbookLanguage language,
                           const std::optional<std::string>& group) {
    auto text = [language](T t) { return TextOf(t, language); };
    auto header = [language](Quantity q) { return ShortHeaderOf(q, language); };
    FlightSheet sheet;
    sheet.name = text(T::FlightSheet);
    auto label = [&sheet](int row, int column, const std::string& value, bool bold) {
        sheet.cells.push_back({row, column, value, 0, false, bold});
    };
    auto number = [&sheet](int row, int column, double value) {
        sheet.cells.push_back({row, column, {}, value, true, false});
    };

    label(0, 0, header(Quantity::Speed), true);
    number(0, 1, record.params.takeoffSpeed);
    label(1, 0, header(Quantity::Angle), true);
    number(1, 1, record.params.takeoffAngle);
    label(2, 0, header(Quantity::Model), true);
    label(2, 1, ModelText(record.model, language), false);
    label(3, 0, header(Quantity::Pace), true);
    if (record.pace) {
        label(3, 1, PaceText(*record.pace, language), false);
    }

    // The tuck and the landing beside the take-off, in the columns the frames leave room in.
    const FlightSummary summary = SummaryOf(record.params, record.model, record.frames);
    label(0, kLandingColumn, header(Quantity::TuckStart), true);
    if (summary.tuck.startS) {
        number(0, kLandingColumn + 1, *summary.tuck.startS);
    }
    label(1, kLandingColumn, header(Quantity::Tucked), true);
    number(1, kLandingColumn + 1, summary.tuck.tuckedS);
    if (summary.landing) {
        const Landing& landing = *summary.landing;
        label(2, kLandingColumn, header(Quantity::Turns), true);
        number(2, kLandingColumn + 1, summary.turns);
        label(3, kLandingColumn, header(Quantity::Attitude), true);
        number(3, kLandingColumn + 1, landing.attitudeDeg);
        label(0, kVerdictColumn, header(Quantity::FirstContact), true);
        label(0, kVerdictColumn + 1,
              language == TextLanguage::English ? BodyPartEnglish(landing.firstContact)
                                                : BodyPartSource(landing.firstContact),
              false);
        label(1, kVerdictColumn, header(Quantity::Verdict), true);
        label(1, kVerdictColumn + 1, VerdictName(landing.verdict, language), false);
    }

    if (group) {
        label(2, kVerdictColumn, GroupHeader(language), true);
        label(2, kVerdictColumn + 1, group->empty() ? TeacherName(language) : *group, false);
    }

    // Another than the standard athlete, beside the verdict.
    if (record.otherAthlete()) {
        const Athlete& a = record.athlete;
        int row = 0;
        for (const auto& [quantity, value] : {std::pair{Quantity::BodyMass, a.massKg},
                                              std::pair{Quantity::BodyHeight, a.bodyHeightM},
                                              std::pair{Quantity::Spin, a.spinDegPerS},
                                              std::pair{Quantity::LimbSpeed, a.limbSpeedRadPerS}}) {
            label(row, kAthleteColumn, header(quantity), true);
            number(row, kAthleteColumn + 1, value);
            ++row;
        }
    }

    const std::span<const Quantity> columns = FrameQuantities(record.model);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        label(kHeaderRow, int(c), header(columns[c]), true);
    }
    // The texts beside the labels above the table wrap: a group's name may be long.
    const auto wraps = [](int column) {
        return column == 1 || column == kLandingColumn + 1 || column == kVerdictColumn + 1 ||
               column == kAthleteColumn + 1;
    };
    const int lastColumn = std::max(int(columns.size()) - 1, kAthleteColumn + 1);
    for (int c = 0; c <= lastColumn; ++c) {
        const bool decimals =
            c < int(columns.size()) && InfoOf(columns[std::size_t(c)]).decimals >= 0;
        sheet.columns.push_back({c, 0, decimals, wraps(c)});
    }

    int row = kFirstFrameRow;
    for (const FrameResult& f : record.frames) {
        for (std::size_t c = 0; c < columns.size(); ++c) {
            number(row, int(c), FrameValueOf(columns[c], f));
            // The chosen postures down their column read as the log's strip does.
            if (columns[c] == Quantity::Posture) {
                sheet.fills.push_back({row, int(c), PostureShade(f.posture)});
            }
        }
        ++row;
    }
    sheet.firstFrameRow = kFirstFrameRow;
    sheet.repeatedRow = kHeaderRow;
    sheet.lastFrameRow = row > kFirstFrameRow ? row - 1 : kFirstFrameRow;
    sheet.timeColumn = ColumnOf(columns, Quantity::Time);
    sheet.heightColumn = ColumnOf(columns, Quantity::Height);
    sheet.rotationColumn = ColumnOf(columns, Quantity::Rotation);
    FitColumnsForPrint(sheet);
    return sheet;
}

} // namespace purzo
