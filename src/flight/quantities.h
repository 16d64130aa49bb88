// SPDX-License-Identifier: MIT
// Every quantity a flight is shown, charted, tabled or logged by: its key, its names in German
// and English, its unit and the decimals it is shown with. The panel, the charts, both workbooks,
// the log and the page take them from here; the CSV keeps its own column names beside them.
#pragma once

#include "flight/frame_step.h"
#include "flight/model.h"
#include "flight/pace.h"
#include "flight/text_language.h"

#include <span>
#include <string>

namespace purzo {

enum class Quantity {
    // Of a frame.
    Frame,
    Time,
    Distance,
    Height,
    Rotation,
    Posture,
    Omega,
    Inertia,
    Momentum,
    OmegaNow,
    ShapeMomentum,
    Energy,
    // Of a whole flight, as the log keeps it.
    Number,
    Model,
    Speed,
    Angle,
    Pace,
    TuckStart,
    Tucked,
    FlightTime,
    MaxHeight,
    Turns,
    FirstContact,
    Attitude,
    Verdict,
    // A flight's choices, and what its group predicted of a planned one.
    Postures, // the chosen posture of every frame, "1777111"
    Plan,
    Prediction,
    PredictionOff, // the rotation flown minus the one predicted
    // The exact model's athlete, as the log keeps it.
    BodyMass,
    BodyHeight,
    Spin,
    LimbSpeed,
    kCount
};

struct QuantityInfo {
    Quantity quantity;   // its own row: the table is checked against the enum when compiled
    const char* code;    // its key in files and on the page: "timeS", "heightM", "verdict", …
    const char* german;  // name without the unit, e.g. "Höhe des Schwerpunkts"
    const char* english; // e.g. "Height of the centre of mass"
    const char* unit;    // "m", "°", "kg·m²"; empty for a count or a text
    int decimals;        // as shown on screen; -1 for texts and counts
    bool exactOnly;      // only the exact model has it
    const char* germanShort = nullptr; // for a narrow column, where the name is long
    const char* englishShort = nullptr;
};

const QuantityInfo& InfoOf(Quantity quantity);
const char* NameOf(Quantity quantity, TextLanguage language);
// The name with its unit in brackets, as a column or an axis is headed: "Zeit (s)".
std::string HeaderOf(Quantity quantity, TextLanguage language);
// The same for a narrow column: "v (m/s)".
std::string ShortHeaderOf(Quantity quantity, TextLanguage language);

// The columns of a frame table in `model`: frame, time, distance, height, rotation, posture, and
// in the exact model the mean ω, I, L, the instantaneous ω, H and the rotational energy: each
// model has those of its quantities the classic one has too.
std::span<const Quantity> FrameQuantities(Model model);
// What the charts plot over time in `model`: height, distance, rotation, and the instantaneous ω,
// I, H and the rotational energy.
std::span<const Quantity> ChartQuantities(Model model);
// Whether a flight in `model` has `quantity`: the exact model has all.
bool ModelHas(Model model, Quantity quantity);
// "klassisch" / "classic", "exakt" / "exact".
const char* ModelText(Model model, TextLanguage language);
// "Echtzeit" / "Real time", "Zeitlupe" / "Slow motion", "Extrem-Zeitlupe" / "Extra slow motion".
const char* PaceText(Pace pace, TextLanguage language);

// The value of a frame quantity (Frame to Energy) in a frame.
double FrameValueOf(Quantity quantity, const FrameResult& frame);

} // namespace purzo
