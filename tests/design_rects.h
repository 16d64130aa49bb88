// SPDX-License-Identifier: MIT
// The control table's rectangles, typed here as the independent check of the window's layout:
// twips relative to the control's container (the window, or Frame1 for the options).
#pragma once

#include <QRect>
#include <QString>
#include <QtGlobal>
#include <array>

namespace purzo::test {

struct DesignRect {
    const char* name;
    int left, top, width, height; // twips
    bool inFrame;                 // placed in Frame1's coordinates
};

inline constexpr std::array kDesignRects{
    DesignRect{"Picture1", 120, 240, 10575, 8055, false},
    DesignRect{"HScroll1", 1920, 6960, 3495, 375, false},
    DesignRect{"Label4", 10800, 360, 5535, 615, false},
    DesignRect{"Label15", 10800, 1200, 255, 495, false},
    DesignRect{"Label5", 11160, 1280, 5175, 255, false},
    DesignRect{"Label1", 11880, 1800, 2175, 495, false},
    DesignRect{"Text1", 14160, 1880, 735, 405, false},
    DesignRect{"HScroll_geschw", 14160, 2280, 735, 255, false},
    DesignRect{"Label16", 10800, 2520, 255, 495, false},
    DesignRect{"Label6", 11160, 2595, 4095, 255, false},
    DesignRect{"Label2", 12600, 3090, 1455, 495, false},
    DesignRect{"Text2", 14160, 3120, 735, 375, false},
    DesignRect{"HScroll_angle", 14170, 3480, 735, 255, false},
    DesignRect{"Label17", 10800, 3720, 255, 495, false},
    DesignRect{"Label7", 11160, 3780, 5295, 735, false},
    DesignRect{"Picture2", 11880, 4560, 2295, 2055, false},
    DesignRect{"Label18", 10800, 6720, 255, 495, false},
    DesignRect{"Label10", 11160, 6800, 3735, 495, false},
    DesignRect{"Start", 11040, 7680, 1455, 735, false},
    DesignRect{"Frame1", 12720, 7440, 3255, 1935, false},
    DesignRect{"Option1", 240, 360, 2055, 375, true},
    DesignRect{"Option2", 240, 840, 2400, 375, true},
    DesignRect{"Option3", 240, 1320, 2400, 495, true},
    DesignRect{"Ende", 11040, 8640, 1455, 735, false},
    DesignRect{"Label19", 120, 8520, 10455, 495, false},
    DesignRect{"Label3", 120, 9120, 2415, 375, false},
    DesignRect{"Label12", 120, 9600, 12285, 375, false},
    DesignRect{"Label13", 120, 9960, 16005, 375, false},
    DesignRect{"Label14", 120, 10320, 15405, 495, false},
    DesignRect{"Picture3", 6600, 11400, 735, 255, false},
    DesignRect{"Label11", 7320, 11400, 3615, 255, false},
    DesignRect{"Text3", 9360, 8640, 735, 375, false},
};

// 15 twips to the pixel, each value rounded on its own.
inline QRect TwipsToRect(const DesignRect& r) {
    return QRect(qRound(r.left / 15.0), qRound(r.top / 15.0), qRound(r.width / 15.0),
                 qRound(r.height / 15.0));
}

inline QRect DesignRectOf(const QString& name) {
    for (const DesignRect& r : kDesignRects) {
        if (name == QLatin1String(r.name)) {
            return TwipsToRect(r);
        }
    }
    qFatal("no design rectangle for %s", qPrintable(name));
}

} // namespace purzo::test
