// SPDX-License-Identifier: MIT
#include "design/lesson_menu_design.h"

#include <array>

// lupdate collects the texts marked so; the front ends translate them in this context.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace purzo {
namespace {

using K = MenuEntryKind;
using E = MenuEnabled;
constexpr MenuEntryDesign kSeparator{};

constexpr std::array<MenuEntryDesign, 28> kEntries{{
    {K::Tool, "pathAction", QT_TRANSLATE_NOOP("purzo::LessonMenu", "&Schwerpunktbahn"), "path"},
    {K::Tool, "sequenceAction", QT_TRANSLATE_NOOP("purzo::LessonMenu", "&Bewegungsablauf"),
     "sequence"},
    {K::Tool, "dataAction", QT_TRANSLATE_NOOP("purzo::LessonMenu", "Flug&daten"), "data"},
    {K::Tool, "previousAction",
     QT_TRANSLATE_NOOP("purzo::LessonMenu", "&Vorigen Flug zum Vergleich"), "previous", "", "",
     E::FlightEnded},
    {K::Tool, "wholeViewAction", QT_TRANSLATE_NOOP("purzo::LessonMenu", "&Ganze Flugbahn zeigen"),
     "wholeView"},
    // Switched on, it plays the shown flights together at once.
    {K::Tool, "compareAction", QT_TRANSLATE_NOOP("purzo::LessonMenu", "Vergleiche&n"), "compare"},
    {K::Tool, "sideBySideAction", QT_TRANSLATE_NOOP("purzo::LessonMenu", "N&ebeneinander"),
     "sideBySide"},
    kSeparator,
    {K::Action, "replayAction", QT_TRANSLATE_NOOP("purzo::LessonMenu", "Letzten Flug &wiederholen"),
     "", "", "", E::CanReplay},
    {K::Action, "pauseAction", QT_TRANSLATE_NOOP("purzo::LessonMenu", "&Anhalten / Weiter"), "",
     QT_TRANSLATE_NOOP("purzo::LessonMenu", "Leertaste"), "", E::CanPause},
    {K::Action, "nextFrameAction", QT_TRANSLATE_NOOP("purzo::LessonMenu", "Bild vo&r"), "",
     QT_TRANSLATE_NOOP("purzo::LessonMenu", "Bild ab"), "", E::CanStep},
    {K::Action, "previousFrameAction", QT_TRANSLATE_NOOP("purzo::LessonMenu", "Bild &zurück"), "",
     QT_TRANSLATE_NOOP("purzo::LessonMenu", "Bild auf"), "", E::CanStep},
    // A flight flown by a plan made beforehand, and the map of every plan's landing.
    {K::Action, "tuckPlanAction", QT_TRANSLATE_NOOP("purzo::LessonMenu", "H&ockplan…")},
    {K::Action, "landingMapAction", QT_TRANSLATE_NOOP("purzo::LessonMenu", "&Landekarte…")},
    // The student's own jump, filmed: measured, fitted and flown over its video.
    {K::Action, "videoAction", QT_TRANSLATE_NOOP("purzo::LessonMenu", "Video &öffnen…")},
    {K::Action, "chartsAction", QT_TRANSLATE_NOOP("purzo::LessonMenu", "Diagra&mme…")},
    {K::Action, "logAction", QT_TRANSLATE_NOOP("purzo::LessonMenu", "&Flugprotokoll…")},
    // A browser keeps F5 for reloading the page.
    {K::Action, "presentationAction", QT_TRANSLATE_NOOP("purzo::LessonMenu", "&Präsentation"), "",
     "F5", "P"},
    kSeparator,
    {K::Action, "saveCsvAction", QT_TRANSLATE_NOOP("purzo::LessonMenu", "Flug als &CSV speichern…"),
     "", "", "", E::FlightEnded},
    {K::Action, "saveWorkbookAction",
     QT_TRANSLATE_NOOP("purzo::LessonMenu", "Flug als &Tabelle speichern…"), "", "", "",
     E::FlightEnded},
    {K::Action, "savePictureAction", QT_TRANSLATE_NOOP("purzo::LessonMenu", "B&ild speichern…")},
    kSeparator,
    // A choice applies from the next start: a running flight or replay keeps its model.
    {K::Model, "classicModelAction", QT_TRANSLATE_NOOP("purzo::LessonMenu", "&Klassisches Modell"),
     "classic"},
    {K::Model, "exactModelAction",
     QT_TRANSLATE_NOOP("purzo::LessonMenu", "E&xaktes Modell (Drehimpulserhaltung)"), "exact"},
    {K::Action, "athleteAction", QT_TRANSLATE_NOOP("purzo::LessonMenu", "At&hlet…")},
    kSeparator,
    {K::Action, "resetToolsAction",
     QT_TRANSLATE_NOOP("purzo::LessonMenu", "Werkzeuge z&urücksetzen")},
}};

} // namespace

std::span<const MenuEntryDesign> LessonMenuEntries() {
    return kEntries;
}

} // namespace purzo
