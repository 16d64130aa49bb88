// SPDX-License-Identifier: MIT
// The labels' texts, geometry and looks; the layout tests hold their own typed copy. Label19
// ends with a blank, and its two numbers are the standard values, filled in by the window. The
// texts are German, the source language; the window translates them when it creates the labels.
#include "window/label_table.h"

#include <array>

namespace purzo {
namespace {

constexpr std::array<LabelDesign, 17> kLabels{{
    {"Label4", 10800, 360, 5535, 615,
     QT_TRANSLATE_NOOP("purzo::PurzoWindow", "Anleitung zur Purzosimulation"), Face::ArialBlack,
     14.25, true, true, kBlue},
    {"Label15", 10800, 1200, 255, 495, QT_TRANSLATE_NOOP("purzo::PurzoWindow", "1."),
     Face::MsSansSerif, 13.5, true, false, kBlue},
    {"Label5", 11160, 1280, 5175, 255,
     QT_TRANSLATE_NOOP("purzo::PurzoWindow",
                       "Geben Sie als erstes die Absprunggeschwindigkeit an:"),
     Face::Arial, 9.75, true, false, kSystemText},
    {"Label1", 11880, 1800, 2175, 495,
     QT_TRANSLATE_NOOP("purzo::PurzoWindow", "Geschwindigkeit in m/s (4 - 8)"), Face::Arial, 9.75,
     false, true, kSystemText},
    {"Label16", 10800, 2520, 255, 495, QT_TRANSLATE_NOOP("purzo::PurzoWindow", "2."),
     Face::MsSansSerif, 13.5, true, false, kBlue},
    {"Label6", 11160, 2595, 4095, 255,
     QT_TRANSLATE_NOOP("purzo::PurzoWindow", "Geben Sie nun den Absprungwinkel an:"), Face::Arial,
     9.75, true, false, kSystemText},
    {"Label2", 12600, 3090, 1455, 495,
     QT_TRANSLATE_NOOP("purzo::PurzoWindow", "Winkel in Grad (30° - 80°)"), Face::Arial, 9.75,
     false, true, kSystemText},
    {"Label17", 10800, 3720, 255, 495, QT_TRANSLATE_NOOP("purzo::PurzoWindow", "3."),
     Face::MsSansSerif, 13.5, true, false, kBlue},
    {"Label7", 11160, 3780, 5295, 735,
     QT_TRANSLATE_NOOP("purzo::PurzoWindow",
                       "Mit der rechten und linken Pfeiltaste können Sie während der Flugphase "
                       "die Körperposition der Strichfigur ändern."),
     Face::Arial, 9.75, true, false, kSystemText},
    {"Label18", 10800, 6720, 255, 495, QT_TRANSLATE_NOOP("purzo::PurzoWindow", "4."),
     Face::MsSansSerif, 13.5, true, false, kBlue},
    {"Label10", 11160, 6800, 3735, 495,
     QT_TRANSLATE_NOOP("purzo::PurzoWindow",
                       "Mit dem Button \"Simulation starten\" beginnt die Simulation."),
     Face::Arial, 9.75, true, false, kSystemText},
    {"Label19", 120, 8520, 10455, 495,
     QT_TRANSLATE_NOOP("purzo::PurzoWindow",
                       "Sie haben Werte außerhalb des angegebenen Bereiches eingetragen. Es wurden "
                       "die Standardwerte v=%1 und Winkel=%2 eingetragen "),
     Face::MsSansSerif, 9.75, true, true, kRed},
    {"Label3", 120, 9120, 2415, 375, QT_TRANSLATE_NOOP("purzo::PurzoWindow", "Anmerkungen:"),
     Face::Arial, 14.25, true, false, kBlue},
    {"Label12", 120, 9600, 12285, 375,
     QT_TRANSLATE_NOOP("purzo::PurzoWindow",
                       "- Der Drehimpuls beim Absprung wurde konstant eingestellt."),
     Face::Arial, 12, false, false, kSystemText},
    {"Label13", 120, 9960, 16005, 375,
     QT_TRANSLATE_NOOP("purzo::PurzoWindow",
                       "- Die Berechnung des Körperschwerpunktes wurde nach dem Modell von "
                       "Willimczik (1983, S.23-37) vorgenommen."),
     Face::Arial, 12, false, false, kSystemText},
    {"Label14", 120, 10320, 15405, 495,
     QT_TRANSLATE_NOOP(
         "purzo::PurzoWindow",
         "- Der Einfluss des Luftwiderstands wird bei der Berechnung der Flugbahn vernachlässigt."),
     Face::Arial, 12, false, false, kSystemText},
    {"Label11", 7320, 11400, 3615, 255, kAttributionText, Face::MsSansSerif, 8.25, false, false,
     kSystemText, kWhite},
}};

} // namespace

std::span<const LabelDesign> LabelTable() {
    return kLabels;
}

} // namespace purzo
