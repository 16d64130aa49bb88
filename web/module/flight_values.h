// SPDX-License-Identifier: MIT
// A flight's frames, panel lines, verdict, path and sheet as plain JavaScript values: numbers as
// the model computed them, texts as German sources for the page to translate.
#pragma once

#include "flight/flight_record.h"
#include "flight/frame_step.h"
#include "flight/model.h"
#include "flight/panel_lines.h"
#include "workbook/flight_sheet.h"

#include <emscripten/val.h>
#include <string>

namespace purzo::web {

emscripten::val FrameValue(const FrameResult& frame);
// {source, args: [{text, source}]}
emscripten::val PanelTextValue(const PanelText& text);
// The data panel's lines for a frame: {lines: [PanelText], landingLines}.
emscripten::val PanelLinesValue(const FrameResult& frame, Model model, const Athlete& athlete,
                                const std::string& decimalPoint);
// {massKg, bodyHeightM, spinDegPerS, limbSpeedRadPerS}, and the athlete from such a value (within
// the ranges).
emscripten::val AthleteValue(const Athlete& athlete);
Athlete AthleteFrom(const emscripten::val& value);
// The landing's verdict of a flight, or null when it has not landed.
emscripten::val VerdictValue(const FlightRecord& record, const std::string& decimalPoint);
// The centre of mass's path over the whole flight, stretched, canvas units: [x0, y0, x1, ...].
emscripten::val CentrePathValue(const FlightRecord& record);
// The spreadsheet's flight sheet: {name, cells: [{row, column, text|number, bold}], columns}.
emscripten::val SheetValue(const FlightRecord& record, const std::string& language);
emscripten::val SheetValue(const FlightSheet& sheet);

} // namespace purzo::web
