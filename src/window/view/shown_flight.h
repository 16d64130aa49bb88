// SPDX-License-Identifier: MIT
// A flight of the log drawn beside the current one, on the canvas and in the charts.
#pragma once

#include "flight/frame_step.h"
#include "flight/model.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <vector>

namespace purzo {

struct ShownFlight {
    int number = 0;
    std::vector<FrameResult> frames;
    std::size_t style = 0; // in kShownFlightStyles
    QString label;         // its legend's line: "Flug 3: 6 m/s, 60°, exakt"
    QString title;         // its head in a comparison's table: "Flug 3"
    Model model = Model::Classic;
    QString group;          // its group's name, the teacher's for none
    QStringList comparison; // its column in a comparison's table: the group, then each row
};

} // namespace purzo
