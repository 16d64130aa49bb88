// SPDX-License-Identifier: MIT
#include "window/video/fit_texts.h"

#include "flight/flight_constants.h"
#include "window/video/video_number.h"

namespace purzo {

QList<QPair<QString, QString>> FitTexts::values(const JumpFit& fit) {
    const auto time = [](double s) { return tr("%1 s").arg(VideoNumber(s, 3)); };
    QList<QPair<QString, QString>> rows{
        {tr("Geschwindigkeit"), tr("%1 m/s").arg(VideoNumber(fit.speedMPerS, 2))},
        {tr("Winkel"), tr("%1°").arg(VideoNumber(fit.angleDeg, 1))},
        {tr("Höhe des Schwerpunkts"), tr("%1 m").arg(VideoNumber(fit.takeoffHeightM, 2))},
        {tr("g aus dem Video"), tr("%1 m/s²").arg(VideoNumber(fit.gravityMPerS2, 2))},
        {tr("Drehung"), tr("%1 °/s").arg(VideoNumber(fit.spinDegPerS, 0))},
        {tr("Drehimpuls"), tr("%1 kg·m²/s").arg(VideoNumber(fit.angularMomentumKgM2PerS, 1))},
        {tr("Absprung"), fit.lastFloorFrame >= 0 ? time(fit.takeoffS) : tr("vor dem Video")},
        {tr("Landung"), fit.touchdownFrame >= 0 ? time(fit.touchdownS) : tr("nach dem Video")},
        {tr("RMS Schwerpunkt"), tr("%1 cm").arg(VideoNumber(fit.centreResidualM * 100, 1))},
        {tr("RMS Drehung"), tr("%1°").arg(VideoNumber(fit.rotationResidualDeg, 1))},
        {tr("Körpergröße"), tr("%1 m").arg(VideoNumber(fit.bodyHeightM, 2))},
    };
    return rows;
}

QString FitTexts::warning(FitWarning warning, const JumpFit& fit) {
    switch (warning) {
    case FitWarning::PointsCompleted:
        return tr("Die am besten passende Haltung hat fehlende Punkte ergänzt (Bilder mit "
                  "ergänzten Punkten: %1).")
            .arg(fit.completedFrames);
    case FitWarning::SpeedOutsideModel:
        return tr("Die Absprunggeschwindigkeit von %1 m/s liegt außerhalb der %2–%3 m/s des "
                  "Modells: das Modell fliegt mit %4 m/s, dem nächsten erlaubten Wert.")
            .arg(VideoNumber(fit.speedMPerS, 2))
            .arg(kMinSpeed)
            .arg(kMaxSpeed)
            .arg(VideoNumber(fit.modelSpeedMPerS, 2));
    case FitWarning::AngleOutsideModel:
        return tr("Der Absprungwinkel von %1° liegt außerhalb der %2–%3° des Modells: das Modell "
                  "fliegt mit %4°, dem nächsten erlaubten Wert.")
            .arg(VideoNumber(fit.angleDeg, 1))
            .arg(kMinAngle)
            .arg(kMaxAngle)
            .arg(VideoNumber(fit.modelAngleDeg, 1));
    case FitWarning::SpinOutsideRange:
        return tr("Die Drehung liegt außerhalb dessen, was ein Athlet des Modells haben kann: sie "
                  "ist bei %1 °/s gehalten.")
            .arg(VideoNumber(fit.athlete.spinDegPerS, 0));
    case FitWarning::HeightOutsideRange:
        return tr("Die Körpergröße aus den Markierungen liegt außerhalb dessen, was das Modell "
                  "kennt: sie ist bei %1 m gehalten. Stimmt die Länge des Stabs?")
            .arg(VideoNumber(fit.athlete.bodyHeightM, 2));
    case FitWarning::NoFloorBefore:
        return tr("Kein Bild zeigt den Athleten vor dem Flug auf dem Boden: die Absprunghöhe ist "
                  "angenommen. Beginnen Sie das Video vor dem Absprung.");
    case FitWarning::MarksMissing:
        return tr("Einigen Bildern im Flug fehlen zu viele Markierungen – ist der Athlet aus dem "
                  "Bild geraten? Diese Bilder zählen nicht.");
    }
    return {};
}

QStringList FitTexts::warnings(const JumpFit& fit) {
    QStringList out;
    for (const FitWarning w : fit.warnings) {
        out << warning(w, fit);
    }
    return out;
}

QString FitTexts::failure(const FitFailure& failure) {
    switch (failure.problem) {
    case FitProblem::NoCalibration:
        return tr("Ohne Kalibrierung gibt es keinen Maßstab: klicken Sie unter „Kalibrieren“ auf "
                  "die beiden Enden des Stabs.");
    case FitProblem::TooFewAirborneFrames:
        return tr("Nur %1 Bilder im Flug tragen genug Markierungen; mindestens %2 sind nötig. "
                  "Markieren Sie weitere Bilder zwischen Absprung und Landung.")
            .arg(int(failure.value))
            .arg(kFewestFittedFrames);
    }
    return {};
}

QStringList FitTexts::frameColumns() {
    return {tr("Bild"), tr("Zeit (s)"), tr("Schwerpunkt (cm)"), tr("Drehung (°)"), tr("Haltung")};
}

} // namespace purzo
