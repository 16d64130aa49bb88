// SPDX-License-Identifier: MIT
// The lesson's log for the page: the same log as the window's, kept by the page in the browser's
// storage as the same text, its rows written out in the page's language. Changes are kept until
// the page has stored them, and made again on whatever another tab stored meanwhile.
#pragma once

#include "flight/flight_log.h"
#include "flight/log_changes.h"
#include "flight/log_file.h"

#include <emscripten/val.h>
#include <string>

namespace purzo::web {

class PagePlayer;

class PageLog {
public:
    // Takes the stored text (empty where nothing is stored) as what the storage holds and makes
    // the unstored changes on it. Returns {problem, damagedLines, firstDamagedLine, flights}:
    // problem "" for a log read whole, "damaged" for one whose whole lines were read, and
    // "not-a-log", "newer" or "too-large" for a text left unread (the log is then what was
    // last stored, with the changes).
    emscripten::val merge(const std::string& stored);
    // The log as the text the page stores.
    std::string text() const;
    // The text is stored: the changes are in it.
    void stored() { unstored_.clear(); }
    bool allStored() const { return unstored_.empty(); }

    // Logs the flight that landed last; its number, or 0 when there is none.
    int logLast(const PagePlayer& player);
    // A jump fitted to a video as the lesson's video flight: the exact model from its take-off;
    // 0 when the marks give no fit.
    int logVideoFlight(const emscripten::val& fitInput, const std::string& fileName);
    // "What if" she had tucked by `plan`: the same take-off and athlete, logged with the plan and
    // the group's prediction (null for none); 0 without a fit or a plan.
    int logWhatIf(const emscripten::val& fitInput, const emscripten::val& plan,
                  const emscripten::val& prediction);
    bool setShown(int number, bool shown);
    bool remove(int number);
    void clear();
    void setGroup(const std::string& group);
    std::string group() const { return log_.group; }
    // The lesson's title and date (yyyy-mm-dd).
    void setLesson(const std::string& title, const std::string& date);
    std::string title() const { return log_.title; }
    std::string date() const { return log_.date; }
    // The groups' names in the order they first flew, the teacher's left out.
    emscripten::val groupNames() const;
    // Ticks each group's best attempt, unticks every other flight; how many are shown.
    int showBest();
    // Adds the flights of a student's log text that the lesson does not have yet:
    // {problem, added, alreadyThere, differing, damagedLines}, problem as merge() names it.
    emscripten::val mergeStudentLog(const std::string& text);
    int count() const { return int(log_.flights().size()); }
    const FlightLog& log() const { return log_; } // for the landing map's rings
    // The newest flight's number; 0 in an empty log.
    int newestNumber() const { return log_.flights().empty() ? 0 : log_.flights().back().number; }

    // The table's short headers, after the number: ["Modell", "v (m/s)", …].
    emscripten::val headers(const std::string& language) const;
    // The same columns' keys ["model", "speed", …, "postures", …], for the page to find one by.
    emscripten::val codes() const;
    // A row per flight: {number, shown, group, cells: [text, …]}, numbers with `decimalPoint`.
    emscripten::val rows(const std::string& language, const std::string& decimalPoint) const;
    // The flights to draw beside the current one: [{number, style, label: {speed, angle,
    // model}}], as the window draws them.
    emscripten::val drawn(bool withPrevious, bool flightRunning, const std::string& language) const;
    int frameCount(int number) const;
    emscripten::val frame(int number, int index) const;
    // The class's workbook as sheets (the log, then a sheet per flight), as the window writes it
    // but for its chart sheet; `date` as yyyy-mm-dd.
    emscripten::val workbook(const std::string& language, const std::string& date) const;
    // Replays a logged flight on `player`, in its own model.
    bool replay(PagePlayer& player, int number, int pauseMs) const;

private:
    bool make(LogChange change) { return unstored_.make(log_, std::move(change)); }
    static std::string ProblemName(LogFileProblem problem);

    FlightLog log_;    // what the page shows
    FlightLog stored_; // what the storage held when it was last read or written
    LogChanges unstored_;
};

} // namespace purzo::web
