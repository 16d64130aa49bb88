// SPDX-License-Identifier: MIT
#include "flight/tuck_plan.h"

#include "body/posture_table.h"
#include "flight/flight_constants.h"
#include "flight/number_text.h"
#include "flight/whole_flight.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>

namespace purzo {
namespace {

std::optional<int> ReadWhole(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<double> ReadPredictedRotationDeg(std::string_view text, bool inTurns) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    std::string plain(text);
    std::replace(plain.begin(), plain.end(), ',', '.');
    const std::optional<double> value = ReadPlainDecimal(plain);
    if (!value) {
        return std::nullopt;
    }
    const double degrees = inTurns ? *value * 360 : *value;
    if (!(degrees >= 0 && degrees <= kMostPredictedRotationDeg)) {
        return std::nullopt;
    }
    return degrees;
}

double PlanFrameTimeS(int frame) {
    return (frame - 1) / kFramesPerSecond;
}

std::vector<int> PlanPostures(const TuckPlan& plan) {
    if (!plan.postures.empty()) {
        return plan.postures;
    }
    const int start = std::max(plan.startFrame, kFirstPlanStartFrame);
    const int frames = std::max(plan.frames, 0);
    std::vector<int> postures(std::size_t(start - 1), kFirstPosture);
    postures.insert(postures.end(), std::size_t(frames), std::clamp(plan.depth, 1, kLastPosture));
    postures.push_back(kFirstPosture); // and it holds to the touchdown
    return postures;
}

int PlannedPosture(const TuckPlan& plan, int frame) {
    return PostureForFrame(PlanPostures(plan), frame);
}

std::optional<TuckPlan> PlanOfPostures(const std::vector<int>& postures) {
    const auto tucked = [](int p) { return p >= kFirstPlanDepth; };
    const auto first = std::find_if(postures.begin(), postures.end(), tucked);
    if (first == postures.end() || first == postures.begin() ||
        std::any_of(postures.begin(), first, [](int p) { return p != kFirstPosture; })) {
        return std::nullopt;
    }
    const int depth = *first;
    const auto end = std::find_if(first, postures.end(), [depth](int p) { return p != depth; });
    if (std::any_of(end, postures.end(), [](int p) { return p != kFirstPosture; })) {
        return std::nullopt;
    }
    return TuckPlan{int(first - postures.begin()) + 1, int(end - first), depth, {}};
}

PlanLimits PlanLimitsFor(const FlightParameters& params, Model model, const Athlete& athlete,
                         int depth) {
    const int stretched = int(RunWholeFlight(params, {}, model, athlete).size());
    // Tucked the sooner, the longer a flight may last: the body's lowest point rides higher.
    const std::vector<int> tuckedThroughout{kFirstPosture, depth};
    const int tucked = int(RunWholeFlight(params, tuckedThroughout, model, athlete).size());
    return {std::max(stretched, kFirstPlanStartFrame), std::max({stretched, tucked, 1})};
}

std::optional<std::vector<int>> ReadPostureList(std::string_view text) {
    std::vector<int> postures;
    while (true) {
        const std::size_t comma = text.find(',');
        std::string_view item = text.substr(0, comma);
        while (!item.empty() && item.front() == ' ') {
            item.remove_prefix(1);
        }
        while (!item.empty() && item.back() == ' ') {
            item.remove_suffix(1);
        }
        const auto posture = ReadWhole(item);
        if (!posture || *posture < kFirstPosture || *posture > kLastPosture) {
            return std::nullopt;
        }
        postures.push_back(*posture);
        if (comma == std::string_view::npos) {
            return postures;
        }
        text.remove_prefix(comma + 1);
    }
}

std::optional<TuckPlan> ParseTuckPlan(std::string_view text) {
    std::vector<int> numbers;
    while (true) {
        const std::size_t comma = text.find(',');
        const auto number = ReadWhole(text.substr(0, comma));
        if (!number) {
            return std::nullopt;
        }
        numbers.push_back(*number);
        if (comma == std::string_view::npos) {
            break;
        }
        text.remove_prefix(comma + 1);
    }
    if (numbers.size() < 2 || numbers.size() > 3) {
        return std::nullopt;
    }
    return TuckPlan{
        numbers[0], numbers[1], numbers.size() == 3 ? numbers[2] : kStandardPlanDepth, {}};
}

std::optional<std::string> PlanError(const TuckPlan& plan, const PlanLimits& limits) {
    if (!plan.postures.empty()) {
        return std::nullopt; // any list of postures 1 to 7 can be flown
    }
    // Appended piece by piece: GCC 12 at -O3 misreads '"…" + string&&' as an overlapping copy.
    std::string message;
    const auto add = [&message](std::initializer_list<std::string> pieces) {
        for (const std::string& piece : pieces) {
            message += piece;
        }
        return message;
    };
    if (plan.startFrame < kFirstPlanStartFrame || plan.startFrame > limits.lastStartFrame) {
        return add({"the tuck starts at a frame from ", std::to_string(kFirstPlanStartFrame),
                    " to ", std::to_string(limits.lastStartFrame), " (the touchdown), not ",
                    std::to_string(plan.startFrame)});
    }
    if (plan.frames < 1 || plan.frames > limits.longestFrames) {
        return add({"the tuck lasts from 1 to ", std::to_string(limits.longestFrames),
                    " frames, not ", std::to_string(plan.frames)});
    }
    if (plan.depth < kFirstPlanDepth || plan.depth > kLastPosture) {
        return add({"the tuck's depth is posture ", std::to_string(kFirstPlanDepth), ", ",
                    std::to_string(kFirstPlanDepth + 1), " or ", std::to_string(kLastPosture),
                    ", not ", std::to_string(plan.depth)});
    }
    return std::nullopt;
}

} // namespace purzo
