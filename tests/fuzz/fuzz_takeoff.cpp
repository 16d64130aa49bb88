// SPDX-License-Identifier: MIT
// libFuzzer target: two take-off texts (split at the first newline) through the reading, the
// take-off check and, for what the check accepts, the whole flight; the exact model's athlete
// from the input's bytes, anywhere in the ranges, their ends included, and every interval of an
// exact flight scanned for a floor contact the flight went past.
#include "body/lowest_point.h"
#include "body/placed_figure.h"
#include "flight/athlete_text.h"
#include "flight/exact_step.h"
#include "flight/frame_step.h"
#include "flight/takeoff_check.h"
#include "flight/takeoff_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

constexpr int kMostFrames = 245; // the loop bound at the smallest step

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_takeoff: %s\n", what);
        std::abort();
    }
}

bool Finite(const purzo::FrameResult& r) {
    for (const purzo::Segment& s : r.figure.segments) {
        for (const double v : {s.from.x, s.from.y, s.to.x, s.to.y}) {
            if (!std::isfinite(v)) {
                return false;
            }
        }
    }
    for (const double v :
         {r.figure.head.x, r.figure.head.y, r.bodyComX, r.bodyComHeight, r.unshiftedHipX,
          r.unshiftedHipHeight, r.pathX, r.pathY, r.lowestPointY, r.flightX, r.timeS, r.rotationDeg,
          r.omegaDegPerS, r.inertiaKgM2, r.angularMomentumKgM2PerS, r.omegaNowDegPerS,
          r.shapeMomentumKgM2PerS, r.rotationalEnergyJ, r.figure.headRadius}) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

// The body all through the interval that ends at `frame`, looked at every 0.1 ms, never on the
// floor: the limbs move linearly from the shape of `before` to the shape of `frame`.
bool ClearOfTheFloor(const purzo::Flight& flight, const purzo::FrameResult& before,
                     const purzo::FrameResult& frame) {
    constexpr double kFrameS = 1 / 17.0;
    constexpr int kLooks = 589;
    const purzo::LimbDirections from = purzo::LimbDirectionsOf(before.shape);
    const purzo::LimbDirections to = purzo::LimbDirectionsOf(frame.shape);
    const purzo::ExactState& state = flight.exact;
    for (int k = 1; k < kLooks; ++k) {
        const double s = kFrameS * k / kLooks, f = double(k) / kLooks;
        const purzo::LimbDirections limbs{
            from.upperArmAngle + (to.upperArmAngle - from.upperArmAngle) * f,
            from.forearmAngle + (to.forearmAngle - from.forearmAngle) * f,
            from.thighAngle + (to.thighAngle - from.thighAngle) * f,
            from.shankAngle + (to.shankAngle - from.shankAngle) * f};
        const double turn = before.rotationDeg * 3.141592653589793 / 180 +
                            purzo::TurnOverInterval(state.body, from, to, s, state.angularMomentum);
        const purzo::Figure placed = purzo::PlaceAboutCentreOfMass(
            state.body.lengths, limbs, turn,
            purzo::ComputeExactFlightPoint(flight.params, state.takeoffHeightM, before.timeS + s)
                .path);
        if (purzo::LowestContact(placed, state.body.lengths.headRadius).y >= 150) {
            return false;
        }
    }
    return true;
}

// A value in the range from two bytes of the input: 0 and 65535 are the range's ends.
double InRange(const std::uint8_t* data, std::size_t size, std::size_t at,
               const purzo::AthleteRange& range) {
    const unsigned high = size == 0 ? 0 : data[at % size];
    const unsigned low = size == 0 ? 0 : data[(at + 1) % size];
    return range.least + (range.most - range.least) * ((high << 8) | low) / 65535.0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\n');
    const std::string_view speedText = input.substr(0, split);
    const std::string_view angleText =
        split == std::string_view::npos ? std::string_view() : input.substr(split + 1);

    for (const std::string_view text : {speedText, angleText}) {
        if (const auto value = purzo::ParseTakeoffNumber(text)) {
            Check(std::isfinite(*value), "a text read as a number that is not finite");
        }
    }

    for (const purzo::AthleteRange* range :
         {&purzo::kMassRangeKg, &purzo::kHeightRangeM, &purzo::kSpinRangeDegPerS,
          &purzo::kLimbSpeedRangeRadPerS}) {
        if (const auto value = purzo::ReadAthleteValue(speedText, *range)) {
            Check(range->holds(*value), "an athlete value read outside its range");
        }
    }

    const purzo::TakeoffCheck check = purzo::CheckTakeoff(speedText, angleText);
    Check(std::isfinite(check.takeoffSpeed) && std::isfinite(check.takeoffAngle),
          "take-off values not finite");
    Check(check.takeoffSpeed >= 4 && check.takeoffSpeed <= 8, "speed outside 4..8");
    Check(check.takeoffAngle >= 30 && check.takeoffAngle <= 80, "angle outside 30..80");
    if (check.showWarning) {
        Check(check.takeoffSpeed == 5 && check.takeoffAngle == 50, "rejected but not 5 and 50");
        Check(check.speedText == "5" && check.angleText == "50", "rejected texts not reset");
    } else {
        Check(!check.beep, "a beep without the warning");
        Check(check.speedText == speedText && check.angleText == angleText,
              "accepted texts changed");
    }

    const purzo::FlightParameters params =
        purzo::ComputeFlightParameters(check.takeoffSpeed, check.takeoffAngle);
    for (const purzo::Model model : {purzo::Model::Classic, purzo::Model::Exact}) {
        const purzo::Athlete athlete{InRange(data, size, 0, purzo::kMassRangeKg),
                                     InRange(data, size, 2, purzo::kHeightRangeM),
                                     InRange(data, size, 4, purzo::kSpinRangeDegPerS),
                                     InRange(data, size, 6, purzo::kLimbSpeedRangeRadPerS)};
        Check(purzo::AthleteInRange(athlete), "an athlete outside the ranges");
        purzo::Flight flight = purzo::StartFlight(params, model, athlete);
        // Postures from the input's bytes, so that the fuzzer steers the figure too.
        std::size_t next = 0;
        purzo::FrameResult frame;
        while (!flight.ended) {
            const int posture = size == 0 ? 1 : 1 + data[next++ % size] % 7;
            const purzo::FrameResult before = flight.last;
            frame = purzo::RunFrame(flight, posture);
            if (model == purzo::Model::Exact && frame.frame > 1 && !frame.landed) {
                Check(ClearOfTheFloor(flight, before, frame),
                      "a contact inside an interval missed");
            }
            Check(frame.frame <= kMostFrames, "a flight longer than 245 frames");
            Check(Finite(frame), "a number that is not finite");
            const double omega = frame.omegaNowDegPerS * 3.141592653589793 / 180;
            Check(std::abs(frame.inertiaKgM2 * omega + frame.shapeMomentumKgM2PerS -
                           frame.angularMomentumKgM2PerS) < 1e-9,
                  "I·ω + H is not L");
        }
        Check(flight.framesRun >= 1, "a flight without a frame");
        if (model == purzo::Model::Exact) {
            Check(frame.landed, "an exact flight that ended without a touchdown");
            Check(std::abs(frame.lowestPointY - 150) < 1e-9, "a touchdown off the ground line");
        }
    }
    return 0;
}
