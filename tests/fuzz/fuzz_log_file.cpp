// SPDX-License-Identifier: MIT
// libFuzzer target: any bytes as a log file. Whatever is read must be written so that it reads
// back whole and the same; and any athlete value the dialogs take, made from the input's first
// line, reads back exactly as the log and the remembered choices write it.
#include "flight/athlete_text.h"
#include "flight/log_file.h"
#include "flight/number_text.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_log_file: %s\n", what);
        std::abort();
    }
}

void CheckSameLog(const purzo::FlightLog& a, const purzo::FlightLog& b) {
    Check(a.group == b.group, "the group changed on the way back");
    Check(a.lastNumber() == b.lastNumber(), "the last number changed on the way back");
    Check(a.flights().size() == b.flights().size(), "a flight was lost on the way back");
    for (std::size_t i = 0; i < a.flights().size(); ++i) {
        const purzo::LoggedFlight &x = a.flights()[i], &y = b.flights()[i];
        Check(x.number == y.number && x.group == y.group && x.flownAt == y.flownAt &&
                  x.shown == y.shown,
              "a flight's row changed on the way back");
        Check(x.record.speedText == y.record.speedText &&
                  x.record.angleText == y.record.angleText && x.record.model == y.record.model &&
                  x.record.pace == y.record.pace && x.record.athlete == y.record.athlete &&
                  x.record.postures() == y.record.postures(),
              "a flight changed on the way back");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const std::string_view value = text.substr(0, text.find('\n'));
    for (int which = 0; which < 3; ++which) {
        if (const auto typed = purzo::ReadAthleteValue(value, purzo::AthleteRangeOf(which))) {
            const std::string written = purzo::PlainDecimalText(*typed);
            const auto back = purzo::ReadPlainDecimal(written);
            Check(back && *back == *typed, "an athlete value does not read back as written");
        }
    }

    const purzo::LogFileReading reading = purzo::ReadLogFile(text);
    Check(reading.log.has_value() == (reading.problem == purzo::LogFileProblem::None ||
                                      reading.problem == purzo::LogFileProblem::Damaged),
          "a log without flights, or flights without a log");
    if (reading.log) {
        const std::string again = purzo::LogFileText(*reading.log);
        const purzo::LogFileReading back = purzo::ReadLogFile(again);
        Check(back.problem == purzo::LogFileProblem::None, "a written log does not read back");
        CheckSameLog(*reading.log, *back.log);
        Check(purzo::LogFileText(*back.log) == again, "a log written twice differs");
    }
    return 0;
}
