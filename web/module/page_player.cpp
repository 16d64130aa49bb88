// SPDX-License-Identifier: MIT
// The playback's calls handed to the page, and its flights read by number.
#include "page_player.h"

#include "flight/csv_writer.h"
#include "flight/panel_lines.h"
#include "flight/takeoff_check.h"
#include "flight_values.h"
#include "plan_values.h"

#include <algorithm>
#include <cmath>

namespace purzo::web {

using emscripten::val;

PagePlayer::PagePlayer(val listener, val time)
    : listener_(std::move(listener)), playback_(*this, [time] {
          return std::int64_t(std::llround(time.call<double>("now") * 1e6));
      }) {}

void PagePlayer::startFlight(const std::string& speedText, const std::string& angleText,
                             const std::string& modelName, int pace, int pauseMs,
                             const val& athlete) {
    start(takeoffRecord(speedText, angleText, modelName, pace, athlete), pauseMs);
}

void PagePlayer::startPlannedFlight(const std::string& speedText, const std::string& angleText,
                                    const std::string& modelName, int pace, int pauseMs,
                                    const val& athlete, const val& plan, const val& prediction) {
    FlightRecord record = takeoffRecord(speedText, angleText, modelName, pace, athlete);
    record.plan = PlanFrom(plan);
    record.prediction = record.plan ? PredictionFrom(prediction) : std::nullopt;
    start(std::move(record), pauseMs);
}

FlightRecord PagePlayer::takeoffRecord(const std::string& speedText, const std::string& angleText,
                                       const std::string& modelName, int pace, const val& athlete) {
    const TakeoffCheck check = CheckTakeoff(speedText, angleText);
    FlightRecord record;
    record.speedText = check.speedText;
    record.angleText = check.angleText;
    record.params = ComputeFlightParameters(check.takeoffSpeed, check.takeoffAngle);
    record.model = ParseModel(modelName).value_or(Model::Classic);
    record.pace = Pace(std::clamp(pace, 0, 2));
    record.athlete = AthleteFrom(athlete);
    return record;
}

void PagePlayer::start(FlightRecord record, int pauseMs) {
    playback_.startFlight(std::move(record), pauseMs);
    running_ = ++started_;
}

bool PagePlayer::replay(const FlightRecord& record, int pauseMs) {
    if (!playback_.replay(record, pauseMs)) {
        return false;
    }
    // The replayed flight is read by a number of its own.
    replayed_ = ++started_;
    return true;
}

const FlightRecord* PagePlayer::record(int number) const {
    if (number <= 0) {
        return nullptr;
    }
    if (number == running_ && playback_.runningFlight()) {
        return &*playback_.runningFlight();
    }
    if (number == last_ && playback_.lastFlight()) {
        return &*playback_.lastFlight();
    }
    if (number == previous_ && playback_.previousFlight()) {
        return &*playback_.previousFlight();
    }
    if (number == replayed_ && playback_.replayedFlight()) {
        return &*playback_.replayedFlight();
    }
    return nullptr;
}

int PagePlayer::frameCount(int number) const {
    const FlightRecord* r = record(number);
    return r ? int(r->frames.size()) : 0;
}

val PagePlayer::frame(int number, int index) const {
    const FlightRecord* r = record(number);
    if (!r || index < 0 || index >= int(r->frames.size())) {
        return val::null();
    }
    return FrameValue(r->frames[std::size_t(index)]);
}

val PagePlayer::panelLines(int number, int index, const std::string& decimalPoint) const {
    const FlightRecord* r = record(number);
    if (!r || index < 0 || index >= int(r->frames.size())) {
        val none = val::object();
        none.set("lines", val::array());
        none.set("landingLines", 0);
        return none;
    }
    return PanelLinesValue(r->frames[std::size_t(index)], r->model, r->athlete, decimalPoint);
}

val PagePlayer::description(int number, int index, const std::string& decimalPoint) const {
    val out = val::array();
    const FlightRecord* r = record(number);
    if (r && index >= 0 && index < int(r->frames.size())) {
        for (const PanelText& text :
             FrameDescriptionTexts(r->frames[std::size_t(index)], r->model,
                                   decimalPoint.empty() ? '.' : decimalPoint[0])) {
            out.call<void>("push", PanelTextValue(text));
        }
    }
    return out;
}

val PagePlayer::verdict(int number, const std::string& decimalPoint) const {
    const FlightRecord* r = record(number);
    return r ? VerdictValue(*r, decimalPoint) : val::null();
}

val PagePlayer::athlete(int number) const {
    const FlightRecord* r = record(number);
    return AthleteValue(r ? r->athlete : kStandardAthlete);
}

val PagePlayer::centrePath(int number) const {
    const FlightRecord* r = record(number);
    return r ? CentrePathValue(*r) : val::array();
}

std::string PagePlayer::csv(int number) const {
    const FlightRecord* r = record(number);
    return r ? FlightCsv(r->frames, r->model) : std::string();
}

val PagePlayer::sheet(int number, const std::string& language) const {
    const FlightRecord* r = record(number);
    return r ? SheetValue(*r, language) : val::null();
}

std::string PagePlayer::modelName(int number) const {
    const FlightRecord* r = record(number);
    return r ? std::string(ModelName(r->model)) : std::string();
}

std::string PagePlayer::speedText(int number) const {
    const FlightRecord* r = record(number);
    return r ? r->speedText : std::string();
}

std::string PagePlayer::angleText(int number) const {
    const FlightRecord* r = record(number);
    return r ? r->angleText : std::string();
}

val PagePlayer::captionTexts(int number, const std::string& decimalPoint) const {
    val out = val::array();
    if (const FlightRecord* r = record(number)) {
        for (const PanelText& text :
             CaptionLandingTexts(r->frames, decimalPoint.empty() ? '.' : decimalPoint[0])) {
            out.call<void>("push", PanelTextValue(text));
        }
    }
    return out;
}

int PagePlayer::pace(int number) const {
    const FlightRecord* r = record(number);
    return r && r->pace ? int(*r->pace) : 0;
}

void PagePlayer::schedule(int waitMs) {
    listener_.call<void>("schedule", waitMs);
}

void PagePlayer::cancelSchedule() {
    listener_.call<void>("cancelSchedule");
}

int PagePlayer::readPosture() {
    // A planned flight's posture is the plan's: the page only shows it on its bar.
    const std::optional<FlightRecord>& running = playback_.runningFlight();
    if (running && running->plan) {
        const int posture = PlannedPosture(*running->plan, int(running->frames.size()) + 1);
        listener_.call<void>("showPosture", posture);
        return posture;
    }
    return listener_.call<int>("readPosture");
}

void PagePlayer::frameReady(const FrameResult& frame) {
    if (frame.lastFrame && running_ != 0 && !playback_.runningFlight()) {
        // The flight has landed: the playback keeps it as the last one now.
        previous_ = last_;
        last_ = running_;
        running_ = 0;
    }
    listener_.call<void>("frameReady");
}

void PagePlayer::frameSelected(std::size_t shownCount) {
    listener_.call<void>("frameSelected", int(shownCount));
}

void PagePlayer::pausedChanged(bool paused) {
    listener_.call<void>("pausedChanged", paused);
}

void PagePlayer::flightFinished(int frames) {
    listener_.call<void>("flightFinished", frames);
}

void PagePlayer::replayFinished(int frames) {
    listener_.call<void>("replayFinished", frames);
}

} // namespace purzo::web
