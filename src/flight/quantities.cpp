// SPDX-License-Identifier: MIT
// The table of quantities.
#include "flight/quantities.h"

#include "flight/flight_record.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <vector>

namespace purzo {
namespace {

constexpr std::array<QuantityInfo, std::size_t(Quantity::kCount)> kInfo{{
    {Quantity::Frame, "frame", "Bild", "Frame", "", -1, false},
    {Quantity::Time, "timeS", "Zeit", "Time", "s", 2, false},
    {Quantity::Distance, "flightX", "Weite", "Distance", "m", 2, false},
    {Quantity::Height, "heightM", "Höhe des Schwerpunkts", "Height of the centre of mass", "m", 2,
     false},
    {Quantity::Rotation, "rotationDeg", "Drehung", "Rotation", "°", 1, false},
    {Quantity::Posture, "posture", "Haltung", "Posture", "", -1, false},
    {Quantity::Omega, "omegaDegPerS", "Winkelgeschwindigkeit im Mittel", "Mean angular velocity",
     "°/s", 1, true, "ω im Mittel", "Mean ω"},
    {Quantity::Inertia, "inertiaKgM2", "Trägheitsmoment", "Moment of inertia", "kg·m²", 2, true},
    {Quantity::Momentum, "angularMomentumKgM2PerS", "Drehimpuls", "Angular momentum", "kg·m²/s", 2,
     true},
    {Quantity::OmegaNow, "omegaNowDegPerS", "Winkelgeschwindigkeit", "Angular velocity", "°/s", 1,
     true, "ω", "ω"},
    {Quantity::ShapeMomentum, "shapeMomentumKgM2PerS", "Drehimpuls der Glieder",
     "Angular momentum of the limbs", "kg·m²/s", 2, true, "H", "H"},
    {Quantity::Energy, "rotationalEnergyJ", "Rotationsenergie", "Rotational energy", "J", 1, true},
    {Quantity::Number, "number", "Nr.", "No.", "", -1, false},
    {Quantity::Model, "model", "Modell", "Model", "", -1, false},
    {Quantity::Speed, "speedMPerS", "Absprunggeschwindigkeit", "Take-off speed", "m/s", 2, false,
     "v", "v"},
    {Quantity::Angle, "angleDeg", "Absprungwinkel", "Take-off angle", "°", 1, false, "α", "α"},
    {Quantity::Pace, "pace", "Wiedergabe", "Playback", "", -1, false, "Tempo", "Pace"},
    {Quantity::TuckStart, "tuckStartS", "Hocken ab", "Tuck from", "s", 2, false},
    {Quantity::Tucked, "tuckedS", "Gehockt", "Tucked", "s", 2, false},
    {Quantity::FlightTime, "flightTimeS", "Flugzeit", "Flight time", "s", 2, false},
    {Quantity::MaxHeight, "maxHeightM", "Höchster Punkt des Schwerpunkts",
     "Highest point of the centre of mass", "m", 2, false, "Höchster Punkt", "Highest point"},
    {Quantity::Turns, "turns", "Umdrehungen", "Turns", "", 2, false, "Umdr.", "Turns"},
    {Quantity::FirstContact, "firstContact", "Erster Bodenkontakt", "First contact", "", -1, false,
     "Kontakt", "Contact"},
    {Quantity::Attitude, "attitudeDeg", "Lage bei der Landung", "Attitude at touchdown", "°", 1,
     false, "Lage", "Attitude"},
    {Quantity::Verdict, "verdict", "Urteil", "Verdict", "", -1, false},
    {Quantity::Postures, "postures", "Gewählte Haltungen", "Chosen postures", "", -1, false,
     "Haltungen", "Postures"},
    {Quantity::Plan, "plan", "Hockplan", "Tuck plan", "", -1, false, "Plan", "Plan"},
    {Quantity::Prediction, "prediction", "Vorhersage", "Prediction", "", -1, false},
    {Quantity::PredictionOff, "predictionOffDeg", "Abweichung von der Vorhersage",
     "Off the prediction", "°", 1, false, "Abw.", "Off"},
    {Quantity::BodyMass, "massKg", "Körpermasse", "Body mass", "kg", 1, true, "m", "m"},
    {Quantity::BodyHeight, "bodyHeightM", "Körpergröße", "Body height", "m", 2, true, "Größe",
     "Height"},
    {Quantity::Spin, "spinDegPerS", "Drehung beim Absprung", "Spin at take-off", "°/s", 1, true,
     "ω₀", "ω₀"},
    {Quantity::LimbSpeed, "limbSpeedRadPerS", "Glieder bis", "Limbs up to", "rad/s", 1, true,
     "Glieder", "Limbs"},
}};

constexpr std::array<Quantity, 12> kFrameQuantities{
    Quantity::Frame,    Quantity::Time,     Quantity::Distance,      Quantity::Height,
    Quantity::Rotation, Quantity::Posture,  Quantity::Omega,         Quantity::Inertia,
    Quantity::Momentum, Quantity::OmegaNow, Quantity::ShapeMomentum, Quantity::Energy};
constexpr std::array<Quantity, 7> kChartQuantities{
    Quantity::Height,  Quantity::Distance,      Quantity::Rotation, Quantity::OmegaNow,
    Quantity::Inertia, Quantity::ShapeMomentum, Quantity::Energy};

// Every row stands where its quantity's number says.
constexpr bool RowsInOrder() {
    for (std::size_t i = 0; i < kInfo.size(); ++i) {
        if (kInfo[i].quantity != Quantity(i) || kInfo[i].code == nullptr) {
            return false;
        }
    }
    return true;
}
static_assert(RowsInOrder(), "the quantity table's rows follow the enum");

// Those of `all` the classic model has too, in their order.
std::vector<Quantity> ClassicOnes(std::span<const Quantity> all) {
    std::vector<Quantity> own;
    std::copy_if(all.begin(), all.end(), std::back_inserter(own),
                 [](Quantity q) { return ModelHas(Model::Classic, q); });
    return own;
}

} // namespace

const QuantityInfo& InfoOf(Quantity quantity) {
    return kInfo.at(std::size_t(quantity));
}

const char* NameOf(Quantity quantity, TextLanguage language) {
    const QuantityInfo& info = InfoOf(quantity);
    return language == TextLanguage::English ? info.english : info.german;
}

std::string HeaderOf(Quantity quantity, TextLanguage language) {
    std::string header = NameOf(quantity, language);
    const std::string unit = InfoOf(quantity).unit;
    if (!unit.empty()) {
        header += " (" + unit + ")";
    }
    return header;
}

std::string ShortHeaderOf(Quantity quantity, TextLanguage language) {
    const QuantityInfo& info = InfoOf(quantity);
    const char* name = language == TextLanguage::English ? info.englishShort : info.germanShort;
    std::string header = name ? name : NameOf(quantity, language);
    const std::string unit = info.unit;
    if (!unit.empty()) {
        header += " (" + unit + ")";
    }
    return header;
}

std::span<const Quantity> FrameQuantities(Model model) {
    static const std::vector<Quantity> classic = ClassicOnes(kFrameQuantities);
    return model == Model::Exact ? std::span<const Quantity>(kFrameQuantities) : classic;
}

std::span<const Quantity> ChartQuantities(Model model) {
    static const std::vector<Quantity> classic = ClassicOnes(kChartQuantities);
    return model == Model::Exact ? std::span<const Quantity>(kChartQuantities) : classic;
}

bool ModelHas(Model model, Quantity quantity) {
    return model == Model::Exact || !InfoOf(quantity).exactOnly;
}

const char* ModelText(Model model, TextLanguage language) {
    const bool english = language == TextLanguage::English;
    return model == Model::Exact ? (english ? "exact" : "exakt")
                                 : (english ? "classic" : "klassisch");
}

const char* PaceText(Pace pace, TextLanguage language) {
    const bool english = language == TextLanguage::English;
    switch (pace) {
    case Pace::RealTime:
        return english ? "Real time" : "Echtzeit";
    case Pace::SlowMotion:
        return english ? "Slow motion" : "Zeitlupe";
    case Pace::ExtremeSlowMotion:
        return english ? "Extra slow motion" : "Extrem-Zeitlupe";
    }
    return "";
}

double FrameValueOf(Quantity quantity, const FrameResult& f) {
    switch (quantity) {
    case Quantity::Frame:
        return f.frame;
    case Quantity::Time:
        return f.timeS;
    case Quantity::Distance:
        return f.flightX;
    case Quantity::Height:
        return CentreHeightM(f);
    case Quantity::Rotation:
        return f.rotationDeg;
    case Quantity::Posture:
        return f.posture;
    case Quantity::Omega:
        return f.omegaDegPerS;
    case Quantity::Inertia:
        return f.inertiaKgM2;
    case Quantity::Momentum:
        return f.angularMomentumKgM2PerS;
    case Quantity::OmegaNow:
        return f.omegaNowDegPerS;
    case Quantity::ShapeMomentum:
        return f.shapeMomentumKgM2PerS;
    case Quantity::Energy:
        return f.rotationalEnergyJ;
    default:
        return 0;
    }
}

} // namespace purzo
