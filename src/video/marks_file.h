// SPDX-License-Identifier: MIT
// A measured jump as CSV: one row per video frame with the marks in pixels and what the fit made
// of them, and a summary row of the take-off. The per-frame file reads back as marks, so marks
// tracked once can be corrected in a spreadsheet and fitted again.
#pragma once

#include "video/body_marks.h"
#include "video/jump_fit.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace purzo {

std::string FrameCsvHeader();
// Frame numbers count from 1; `fitted` is empty when there is no fit.
std::string FrameCsvRow(int frameNumber, double timeS, const FrameMarks& marks,
                        const FittedFrame* fitted, const Calibration& calibration);

std::string SummaryCsvHeaderOfFit();
std::string SummaryCsvRowOfFit(const JumpFit& fit);

// Marks from a CSV whose header names a "frame" column and "<joint>X", "<joint>Y" columns
// (headX, headY, …, footX, footY; others are ignored); an empty cell leaves the joint unmarked.
// One entry per frame of the video; a row for a frame it does not have is an error.
struct MarksFileError {
    std::string message;
};
std::optional<std::vector<FrameMarks>> ReadMarksCsv(std::string_view text, int frameCount,
                                                    MarksFileError& error);

} // namespace purzo
