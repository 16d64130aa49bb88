// SPDX-License-Identifier: MIT
#include "video/marks_file.h"

#include "flight/number_text.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace purzo {
namespace {

std::string Number(double value, int decimals) {
    if (!std::isfinite(value)) {
        return "";
    }
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    return text.data();
}

std::vector<std::string_view> Cells(std::string_view line) {
    std::vector<std::string_view> cells;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        cells.push_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos) {
            return cells;
        }
        start = comma + 1;
    }
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '"')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '"' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

// A plain decimal with an optional minus (a mark just outside the picture).
std::optional<double> ParseNumber(std::string_view s) {
    const bool negative = s.starts_with('-');
    const std::optional<double> value = ReadPlainDecimal(negative ? s.substr(1) : s);
    if (!value) {
        return std::nullopt;
    }
    return negative ? -*value : *value;
}

} // namespace

std::string FrameCsvHeader() {
    std::string h = "frame,timeS,airborne";
    for (const Joint j : kJoints) {
        h.append(",").append(JointName(j)).append("X,").append(JointName(j)).append("Y");
    }
    h.append(",centreXM,centreHeightM,parabolaXM,parabolaHeightM,centreResidualM,trunkDeg,"
             "modelTrunkDeg,rotationResidualDeg,posture,completed,modelHipX,modelHipY");
    return h;
}

std::string FrameCsvRow(int frameNumber, double timeS, const FrameMarks& marks,
                        const FittedFrame* f, const Calibration& calibration) {
    std::string row = std::to_string(frameNumber);
    row.append(",").append(Number(timeS, 6)).append(",");
    row.append(f && f->airborne ? "1" : "0");
    for (const auto& m : marks) {
        row.append(",").append(m ? Number(m->x, 2) : "");
        row.append(",").append(m ? Number(m->y, 2) : "");
    }
    const bool air = f && f->airborne;
    auto cell = [&](bool shown, double value, int decimals) {
        row.append(",").append(shown ? Number(value, decimals) : "");
    };
    cell(f && f->centre, f && f->centre ? f->centre->xM : 0, 4);
    cell(f && f->centre, f && f->centre ? f->centre->heightM : 0, 4);
    cell(air, air ? f->parabola.xM : 0, 4);
    cell(air, air ? f->parabola.heightM : 0, 4);
    cell(air, air ? f->centreResidualM : 0, 4);
    cell(air, air ? f->trunkDeg : 0, 2);
    cell(air, air ? f->modelRotationDeg : 0, 2);
    cell(air, air ? f->rotationResidualDeg : 0, 2);
    row.append(",").append(air ? std::to_string(f->nearestPosture) : "");
    row.append(",").append(f && f->completed ? "1" : "0");
    const PixelPoint hip =
        air ? calibration.toPixels(f->model[std::size_t(Joint::Hip)]) : PixelPoint{};
    cell(air, hip.x, 2);
    cell(air, hip.y, 2);
    return row;
}

std::string SummaryCsvHeaderOfFit() {
    return "speedMPerS,angleDeg,spinDegPerS,takeoffHeightM,gravityMPerS2,takeoffS,touchdownS,"
           "comResidualM,rotationResidualDeg";
}

std::string SummaryCsvRowOfFit(const JumpFit& fit) {
    std::string row = Number(fit.speedMPerS, 4);
    for (const auto& [value, decimals] : std::array<std::pair<double, int>, 8>{{
             {fit.angleDeg, 3},
             {fit.spinDegPerS, 2},
             {fit.takeoffHeightM, 4},
             {fit.gravityMPerS2, 3},
             {fit.takeoffS, 5},
             {fit.touchdownS, 5},
             {fit.centreResidualM, 5},
             {fit.rotationResidualDeg, 3},
         }}) {
        row.append(",").append(Number(value, decimals));
    }
    return row;
}

std::optional<std::vector<FrameMarks>> ReadMarksCsv(std::string_view text, int frameCount,
                                                    MarksFileError& error) {
    std::vector<FrameMarks> marks(std::size_t(std::max(frameCount, 0)));
    std::size_t lineEnd = text.find('\n');
    const std::vector<std::string_view> header = Cells(text.substr(0, lineEnd));
    int frameColumn = -1;
    std::array<int, kJointCount> xColumn{}, yColumn{};
    xColumn.fill(-1);
    yColumn.fill(-1);
    for (std::size_t c = 0; c < header.size(); ++c) {
        const std::string_view name = Trimmed(header[c]);
        if (name == "frame") {
            frameColumn = int(c);
        }
        for (const Joint j : kJoints) {
            const std::string base(JointName(j));
            if (name == base + "X") {
                xColumn[std::size_t(j)] = int(c);
            } else if (name == base + "Y") {
                yColumn[std::size_t(j)] = int(c);
            }
        }
    }
    if (frameColumn < 0) {
        error.message = "the marks file has no column \"frame\"";
        return std::nullopt;
    }
    int lineNumber = 1;
    while (lineEnd != std::string_view::npos) {
        const std::size_t start = lineEnd + 1;
        lineEnd = text.find('\n', start);
        ++lineNumber;
        const std::string_view line = text.substr(start, lineEnd - start);
        if (Trimmed(line).empty()) {
            continue;
        }
        const std::vector<std::string_view> cells = Cells(line);
        auto cellAt = [&](int c) {
            return c >= 0 && std::size_t(c) < cells.size() ? Trimmed(cells[std::size_t(c)])
                                                           : std::string_view{};
        };
        const std::optional<double> frame = ParseNumber(cellAt(frameColumn));
        if (!frame || *frame != std::floor(*frame) || *frame < 1 || *frame > frameCount) {
            error.message = "line ";
            error.message.append(std::to_string(lineNumber))
                .append(": no frame from 1 to ")
                .append(std::to_string(frameCount));
            return std::nullopt;
        }
        FrameMarks& m = marks[std::size_t(*frame) - 1];
        for (const Joint j : kJoints) {
            const std::string_view xs = cellAt(xColumn[std::size_t(j)]);
            const std::string_view ys = cellAt(yColumn[std::size_t(j)]);
            if (xs.empty() && ys.empty()) {
                continue;
            }
            const std::optional<double> x = ParseNumber(xs), y = ParseNumber(ys);
            if (!x || !y) {
                error.message = "line ";
                error.message.append(std::to_string(lineNumber))
                    .append(": ")
                    .append(JointName(j))
                    .append(" is no pair of numbers");
                return std::nullopt;
            }
            MarkOf(m, j) = PixelPoint{*x, *y};
        }
    }
    return marks;
}

} // namespace purzo
