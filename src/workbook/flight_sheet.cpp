// SPDX-License-Identifier: MIT
// The flight sheet's cells in the order a writer puts them down.
#include "workbook/flight_sheet.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace purzo {
namespace {

using T = WorkbookText;

constexpr std::array<std::array<const char*, 2>, 22> kTexts{{
    {"Flug", "Flight"},
    {"Diagramme", "Charts"},
    {"Absprunggeschwindigkeit (m/s)", "Take-off speed (m/s)"},
    {"Absprungwinkel (°)", "Take-off angle (°)"},
    {"Modell", "Model"},
    {"Wiedergabe", "Playback"},
    {"klassisch", "classic"},
    {"exakt", "exact"},
    {"Echtzeit", "Real time"},
    {"Zeitlupe", "Slow motion"},
    {"Extrem-Zeitlupe", "Extra slow motion"},
    {"Bild", "Frame"},
    {"Zeit (s)", "Time (s)"},
    {"Weite (m)", "Distance (m)"},
    {"Höhe des Schwerpunkts (m)", "Height of the centre of mass (m)"},
    {"Drehung (°)", "Rotation (°)"},
    {"Haltung", "Posture"},
    {"Winkelgeschwindigkeit (°/s)", "Angular velocity (°/s)"},
    {"Trägheitsmoment (kg·m²)", "Moment of inertia (kg·m²)"},
    {"Drehimpuls (kg·m²/s)", "Angular momentum (kg·m²/s)"},
    {"Höhe des Schwerpunkts über der Zeit", "Height of the centre of mass over time"},
    {"Drehung über der Zeit", "Rotation over time"},
}};

constexpr int kHeaderRow = 5;
constexpr int kFirstFrameRow = 6;

} // namespace

const char* TextOf(WorkbookText text, WorkbookLanguage language) {
    return kTexts[std::size_t(text)][language == WorkbookLanguage::English ? 1 : 0];
}

FlightSheet FlightSheetFor(const FlightRecord& record, WorkbookLanguage language) {
    auto text = [language](T t) { return TextOf(t, language); };
    const bool exact = record.model == Model::Exact;
    FlightSheet sheet;
    sheet.name = text(T::FlightSheet);
    auto label = [&sheet](int row, int column, const char* value, bool bold) {
        sheet.cells.push_back({row, column, value, 0, false, bold});
    };
    auto number = [&sheet](int row, int column, double value) {
        sheet.cells.push_back({row, column, {}, value, true, false});
    };

    label(0, 0, text(T::Speed), true);
    number(0, 1, record.params.takeoffSpeed);
    label(1, 0, text(T::Angle), true);
    number(1, 1, record.params.takeoffAngle);
    label(2, 0, text(T::Model), true);
    label(2, 1, text(exact ? T::Exact : T::Classic), false);
    label(3, 0, text(T::Pace), true);
    if (record.pace) {
        const T pace = *record.pace == Pace::RealTime     ? T::RealTime
                       : *record.pace == Pace::SlowMotion ? T::SlowMotion
                                                          : T::ExtremeSlowMotion;
        label(3, 1, text(pace), false);
    }

    std::vector<T> headers{T::Frame, T::Time, T::Distance, T::Height, T::Rotation, T::Posture};
    if (exact) {
        headers.insert(headers.end(), {T::Omega, T::Inertia, T::Momentum});
    }
    for (std::size_t c = 0; c < headers.size(); ++c) {
        label(kHeaderRow, int(c), text(headers[c]), true);
    }
    sheet.columns.push_back({0, 30, false});
    for (std::size_t c = 1; c < headers.size(); ++c) {
        // Wide enough for the header; German umlauts count twice in UTF-8, which is room enough.
        const double width = std::max<double>(12, std::strlen(text(headers[c])) * 0.8);
        sheet.columns.push_back({int(c), width, headers[c] != T::Posture});
    }

    int row = kFirstFrameRow;
    for (const FrameResult& f : record.frames) {
        std::vector<double> values{double(f.frame),  f.timeS,       f.flightX,
                                   CentreHeightM(f), f.rotationDeg, double(f.posture)};
        if (exact) {
            values.insert(values.end(), {f.omegaDegPerS, f.inertiaKgM2, f.angularMomentumKgM2PerS});
        }
        for (std::size_t c = 0; c < values.size(); ++c) {
            number(row, int(c), values[c]);
        }
        ++row;
    }
    sheet.firstFrameRow = kFirstFrameRow;
    sheet.lastFrameRow = row > kFirstFrameRow ? row - 1 : kFirstFrameRow;
    sheet.timeColumn = 1;
    sheet.heightColumn = 3;
    sheet.rotationColumn = 4;
    return sheet;
}

} // namespace purzo
