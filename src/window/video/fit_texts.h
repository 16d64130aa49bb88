// SPDX-License-Identifier: MIT
// The fitted jump in words: its values, each warning and each reason for no fit as a sentence
// a student understands, in the window's language.
#pragma once

#include "video/jump_fit.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace purzo {

class FitTexts {
    Q_DECLARE_TR_FUNCTIONS(purzo::FitTexts)
public:
    // Name and value, short enough for two pairs side by side: speed, angle, take-off height, g,
    // spin, the take-off's and the touchdown's time, the residuals, the body's height.
    static QList<QPair<QString, QString>> values(const JumpFit& fit);
    static QString warning(FitWarning warning, const JumpFit& fit);
    static QStringList warnings(const JumpFit& fit);
    static QString failure(const FitFailure& failure);
    // The table's column heads.
    static QStringList frameColumns();
};

} // namespace purzo
