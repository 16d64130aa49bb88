// SPDX-License-Identifier: MIT
#include "window/lesson/comparison.h"

#include "flight/log_cells.h"
#include "flight/quantities.h"
#include "window/lesson/flight_log_model.h"
#include "window/lesson/lesson_bar.h"
#include "window/translations.h"
#include "window/view/shown_flights_drawing.h"

#include <QCoreApplication>
#include <QLocale>

namespace purzo {
namespace {

TextLanguage ShownLanguage() {
    return CurrentLanguage() == Language::English ? TextLanguage::English : TextLanguage::German;
}

} // namespace

std::vector<ShownFlight> ShownFlightsOf(const FlightLog& log, bool previous, bool running) {
    const TextLanguage language = ShownLanguage();
    QLocale numbers(language == TextLanguage::English ? QLocale::English : QLocale::German);
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    std::vector<ShownFlight> shown;
    for (const int number : log.numbersToDraw(previous, running)) {
        const LoggedFlight& flight = *log.find(number);
        const FlightRecord& r = flight.record;
        ShownFlight s;
        s.number = number;
        s.frames = r.frames;
        s.style = shown.size();
        s.model = r.model;
        s.label = QCoreApplication::translate("purzo::PurzoWindow", "Flug %1: %2 m/s, %3°, %4")
                      .arg(number)
                      .arg(QString::fromStdString(r.speedText).trimmed(),
                           QString::fromStdString(r.angleText).trimmed(),
                           QString::fromUtf8(ModelText(r.model, language)));
        s.title = QCoreApplication::translate("purzo::Comparison", "Flug %1").arg(number);
        s.group =
            flight.group.empty() ? LessonBar::TeacherName() : QString::fromStdString(flight.group);
        s.comparison << s.group;
        for (const Quantity q : ComparisonQuantities()) {
            const LogCell c = ComparisonCellOf(flight, q, language);
            const QString cell = c.number ? numbers.toString(*c.number, 'f', InfoOf(q).decimals)
                                          : QString::fromStdString(c.text);
            s.comparison << (cell.isEmpty() ? QStringLiteral("–") : cell); // no tuck, no landing
        }
        shown.push_back(std::move(s));
    }
    return shown;
}

std::vector<ShownFlight> AtMoment(std::vector<ShownFlight> flights, std::size_t moment) {
    for (ShownFlight& f : flights) {
        f.frames.resize(FramesAtMoment(f.frames.size(), moment));
    }
    return flights;
}

QStringList ComparisonRowNames() {
    QStringList names{QCoreApplication::translate("purzo::Comparison", "Gruppe")};
    for (const Quantity q : ComparisonQuantities()) {
        names << QString::fromStdString(ShortHeaderOf(q, ShownLanguage()));
    }
    return names;
}

std::optional<FlightRecord> ComparisonClock(const FlightLog& log,
                                            const std::vector<ShownFlight>& shown) {
    const ShownFlight* longest = nullptr;
    for (const ShownFlight& s : shown) {
        if (!longest || s.frames.size() > longest->frames.size()) {
            longest = &s;
        }
    }
    if (!longest) {
        return std::nullopt;
    }
    return log.find(longest->number)->record;
}

} // namespace purzo
