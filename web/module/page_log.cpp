// SPDX-License-Identifier: MIT
// The log's rows and flights as plain JavaScript values.
#include "page_log.h"

#include "flight/lesson_groups.h"
#include "flight/log_cells.h"
#include "flight/log_file.h"
#include "flight/log_merge.h"
#include "flight/number_text.h"
#include "flight_values.h"
#include "page_player.h"
#include "video/video_flight.h"
#include "video_values.h"
#include "workbook/log_sheets.h"

#include <algorithm>

namespace purzo::web {
namespace {

using emscripten::val;

TextLanguage LanguageOf(const std::string& language) {
    return language == "en" ? TextLanguage::English : TextLanguage::German;
}

} // namespace

val PageLog::merge(const std::string& stored) {
    val out = val::object();
    std::string problem;
    if (stored.empty()) {
        // Nothing stored, or emptied by hand: what this page last stored stands.
    } else {
        LogFileReading reading = ReadLogFile(stored);
        problem = ProblemName(reading.problem);
        if (reading.log) {
            stored_ = std::move(*reading.log);
        }
        out.set("damagedLines", reading.damagedLines);
        out.set("firstDamagedLine", reading.firstDamagedLine);
    }
    log_ = unstored_.madeOn(stored_);
    out.set("problem", problem);
    out.set("flights", int(log_.flights().size()));
    return out;
}

std::string PageLog::text() const {
    return LogFileText(log_);
}

int PageLog::logLast(const PagePlayer& player) {
    if (!player.lastRecord()) {
        return 0;
    }
    LogChange change;
    change.flight.group = log_.group;
    change.flight.record = *player.lastRecord();
    change.flight.summary = SummaryOf(change.flight.record.params, change.flight.record.model,
                                      change.flight.record.frames);
    make(std::move(change));
    return log_.flights().back().number;
}

int PageLog::logVideoFlight(const emscripten::val& fitInput, const std::string& fileName) {
    const std::optional<JumpFitInput> input = JumpFitInputFrom(fitInput);
    const auto result = input ? std::optional(FitJump(*input)) : std::nullopt;
    const JumpFit* fit = result ? std::get_if<JumpFit>(&*result) : nullptr;
    if (!fit) {
        return 0;
    }
    LogChange change;
    change.flight.group = log_.group;
    change.flight.record = FlightOfFit(*fit, fileName);
    change.flight.summary = SummaryOf(change.flight.record.params, change.flight.record.model,
                                      change.flight.record.frames);
    make(std::move(change));
    return log_.flights().back().number;
}

int PageLog::logWhatIf(const emscripten::val& fitInput, const emscripten::val& plan,
                       const emscripten::val& prediction) {
    std::optional<WhatIfOfVideo> w = WhatIfOfVideoFrom(fitInput, plan, prediction);
    if (!w) {
        return 0;
    }
    LogChange change;
    change.flight.group = log_.group;
    change.flight.record = std::move(w->flight);
    change.flight.summary = SummaryOf(change.flight.record.params, change.flight.record.model,
                                      change.flight.record.frames);
    make(std::move(change));
    return log_.flights().back().number;
}

bool PageLog::setShown(int number, bool shown) {
    const LoggedFlight* flight = log_.find(number);
    LogChange change;
    change.kind = shown ? LogChange::Kind::Show : LogChange::Kind::Hide;
    change.number = number;
    return flight && (flight->shown == shown || make(std::move(change)));
}

bool PageLog::remove(int number) {
    LogChange change;
    change.kind = LogChange::Kind::Remove;
    change.number = number;
    return make(std::move(change));
}

void PageLog::clear() {
    LogChange change;
    change.kind = LogChange::Kind::Clear;
    make(std::move(change));
}

void PageLog::setGroup(const std::string& group) {
    LogChange change;
    change.kind = LogChange::Kind::Group;
    change.group = group;
    make(std::move(change));
}

std::string PageLog::ProblemName(LogFileProblem problem) {
    switch (problem) {
    case LogFileProblem::None:
        return "";
    case LogFileProblem::Damaged:
        return "damaged";
    case LogFileProblem::NotALog:
        return "not-a-log";
    case LogFileProblem::NewerVersion:
        return "newer";
    case LogFileProblem::TooLarge:
        return "too-large";
    }
    return "";
}

void PageLog::setLesson(const std::string& title, const std::string& date) {
    LogChange change;
    change.kind = LogChange::Kind::Lesson;
    change.title = title;
    change.date = date;
    make(std::move(change));
}

val PageLog::groupNames() const {
    val out = val::array();
    for (const std::string& name : GroupNames(log_)) {
        out.call<void>("push", val(name));
    }
    return out;
}

int PageLog::showBest() {
    std::vector<int> best;
    for (const GroupAttempts& g : GroupsOf(log_)) {
        if (g.best != 0 && best.size() < FlightLog::kMostShown) {
            best.push_back(g.best);
        }
    }
    // The hidden first, so that eight new ones find room.
    for (const bool show : {false, true}) {
        for (const LoggedFlight& f : std::vector<LoggedFlight>(log_.flights())) {
            const bool wanted = std::find(best.begin(), best.end(), f.number) != best.end();
            if (wanted == show && f.shown != show) {
                setShown(f.number, show);
            }
        }
    }
    return int(best.size());
}

val PageLog::mergeStudentLog(const std::string& text) {
    val out = val::object();
    const LogFileReading reading = ReadLogFile(text);
    out.set("problem", ProblemName(reading.problem));
    out.set("differing", reading.differingResults);
    out.set("damagedLines", reading.damagedLines);
    int added = 0, alreadyThere = 0;
    if (reading.log) {
        MergePlan plan = PlanMerge(log_, *reading.log);
        alreadyThere = plan.alreadyThere;
        for (LoggedFlight& f : plan.toAdd) {
            LogChange change;
            change.flight = std::move(f);
            added += make(std::move(change)) ? 1 : 0;
        }
    }
    out.set("added", added);
    out.set("alreadyThere", alreadyThere);
    return out;
}

val PageLog::headers(const std::string& language) const {
    val out = val::array();
    for (const Quantity q : LogQuantities().subspan(1)) {
        out.call<void>("push", val(ShortHeaderOf(q, LanguageOf(language))));
    }
    return out;
}

val PageLog::codes() const {
    val out = val::array();
    for (const Quantity q : LogQuantities().subspan(1)) {
        out.call<void>("push", val(std::string(InfoOf(q).code)));
    }
    return out;
}

val PageLog::rows(const std::string& language, const std::string& decimalPoint) const {
    const char point = decimalPoint.empty() ? '.' : decimalPoint[0];
    val out = val::array();
    for (const LoggedFlight& f : log_.flights()) {
        val row = val::object();
        row.set("number", f.number);
        row.set("shown", f.shown);
        row.set("group", val(f.group));
        row.set("best", IsBestAttempt(log_, f.number));
        val cells = val::array();
        for (const Quantity q : LogQuantities().subspan(1)) {
            const LogCell cell = LogCellOf(f, q, LanguageOf(language));
            cells.call<void>(
                "push",
                val(cell.number ? FixedText(*cell.number, InfoOf(q).decimals, point) : cell.text));
        }
        row.set("cells", cells);
        out.call<void>("push", row);
    }
    return out;
}

val PageLog::drawn(bool withPrevious, bool flightRunning, const std::string& language) const {
    val out = val::array();
    int style = 0;
    for (const int number : log_.numbersToDraw(withPrevious, flightRunning)) {
        const FlightRecord& r = log_.find(number)->record;
        val flight = val::object();
        flight.set("number", number);
        flight.set("style", style++);
        flight.set("speedText", val(r.speedText));
        flight.set("angleText", val(r.angleText));
        flight.set("model", val(std::string(ModelText(r.model, LanguageOf(language)))));
        flight.set("exact", r.model == Model::Exact);
        // Its column in a comparison's table, the group first (the page names the teacher).
        const LoggedFlight& logged = *log_.find(number);
        flight.set("group", val(logged.group));
        const char point = LanguageOf(language) == TextLanguage::German ? ',' : '.';
        val cells = val::array();
        for (const Quantity q : ComparisonQuantities()) {
            const LogCell cell = ComparisonCellOf(logged, q, LanguageOf(language));
            cells.call<void>(
                "push",
                val(cell.number ? FixedText(*cell.number, InfoOf(q).decimals, point) : cell.text));
        }
        flight.set("comparison", cells);
        out.call<void>("push", flight);
    }
    return out;
}

int PageLog::frameCount(int number) const {
    const LoggedFlight* f = log_.find(number);
    return f ? int(f->record.frames.size()) : 0;
}

val PageLog::frame(int number, int index) const {
    const LoggedFlight* f = log_.find(number);
    if (!f || index < 0 || index >= int(f->record.frames.size())) {
        return val::null();
    }
    return FrameValue(f->record.frames[std::size_t(index)]);
}

val PageLog::workbook(const std::string& language, const std::string& date) const {
    val out = val::array();
    for (const FlightSheet& sheet : LogWorkbookFor(log_, LanguageOf(language), date).sheets) {
        out.call<void>("push", SheetValue(sheet));
    }
    return out;
}

bool PageLog::replay(PagePlayer& player, int number, int pauseMs) const {
    const LoggedFlight* f = log_.find(number);
    return f && player.replay(f->record, pauseMs);
}

} // namespace purzo::web
