// SPDX-License-Identifier: MIT
// CSV rows in the shortest round-trip form, which never looks at the user's locale.
#include "flight/csv_writer.h"

#include "flight/number_text.h"

namespace purzo {
namespace {

void Put(std::string& row, double value) {
    row += ShortestDoubleText(value);
}

void Put(std::string& row, int value) {
    row += std::to_string(value);
}

} // namespace

std::string CsvHeader(Model model) {
    std::string header =
        "frame,flightX,pathX,pathY,posture,rotationDeg,bodyComX,bodyComHeight,hipX,hipY,"
        "shoulderX,shoulderY,elbowX,elbowY,handX,handY,kneeX,kneeY,footX,footY,neckX,neckY,"
        "headX,headY,lowestPointY,landed";
    if (model == Model::Exact) {
        header += ",timeS,omegaDegPerS,inertiaKgM2,angularMomentumKgM2PerS,lowestPart,"
                  "omegaNowDegPerS,shapeMomentumKgM2PerS,rotationalEnergyJ,upperArmDeg,forearmDeg,"
                  "thighDeg,shankDeg";
    }
    return header;
}

std::string CsvRow(const FrameResult& r, Model model) {
    std::string row;
    auto field = [&row](auto value) {
        row += ',';
        Put(row, value);
    };
    Put(row, r.frame);
    field(r.flightX);
    field(r.pathX);
    field(r.pathY);
    field(r.posture);
    field(r.rotationDeg);
    field(r.bodyComX);
    field(r.bodyComHeight);
    const Figure& f = r.figure;
    for (const Point p :
         {f.hip(), f.shoulder(), f.elbow(), f.hand(), f.knee(), f.foot(), f.neckEnd(), f.head}) {
        field(p.x);
        field(p.y);
    }
    field(r.lowestPointY);
    field(r.landed ? 1 : 0);
    if (model == Model::Exact) {
        field(r.timeS);
        field(r.omegaDegPerS);
        field(r.inertiaKgM2);
        field(r.angularMomentumKgM2PerS);
        row += ',';
        row += BodyPartCode(r.lowestPart);
        field(r.omegaNowDegPerS);
        field(r.shapeMomentumKgM2PerS);
        field(r.rotationalEnergyJ);
        field(r.shape.upperArmDeg);
        field(r.shape.forearmDeg);
        field(r.shape.thighDeg);
        field(r.shape.shankDeg);
    }
    return row;
}

std::string FlightCsv(std::span<const FrameResult> frames, Model model) {
    std::string out = CsvHeader(model);
    out += '\n';
    for (const FrameResult& frame : frames) {
        out += CsvRow(frame, model);
        out += '\n';
    }
    return out;
}

} // namespace purzo
