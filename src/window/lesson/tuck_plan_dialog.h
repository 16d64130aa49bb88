// SPDX-License-Identifier: MIT
// "Hockplan…": when to tuck, for how long and how deep, for a flight from the take-off in the
// text boxes; and, before it flies, what the group predicts of it. Each number's range stands
// beside it, as the model allows it for this take-off.
#pragma once

#include "flight/tuck_plan.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace purzo {

class TuckPlanDialog : public QDialog {
    Q_OBJECT
public:
    TuckPlanDialog(const FlightParameters& params, Model model, const Athlete& athlete,
                   const TuckPlan& last, QWidget* parent = nullptr);

    TuckPlan plan() const;
    // Nothing when the group predicts nothing.
    std::optional<Prediction> prediction() const;

    QSpinBox* startField() const { return start_; }
    QSpinBox* lengthField() const { return length_; }
    QComboBox* depthField() const { return depth_; }
    QCheckBox* predictField() const { return predict_; }
    QComboBox* verdictField() const { return verdict_; }
    QLineEdit* rotationField() const { return rotation_; }
    QComboBox* unitField() const { return unit_; }
    QLineEdit* postureListField() const { return postureList_; }
    QLabel* message() const { return message_; }

    // A posture list or a prediction that does not read keeps the dialog open and says what it
    // takes.
    void accept() override;

private:
    void showTimes();

    FlightParameters params_;
    Model model_;
    Athlete athlete_;
    QSpinBox* start_;
    QSpinBox* length_;
    QComboBox* depth_;
    QLineEdit* postureList_; // the plan as a posture list instead, where filled in
    QLabel* startTime_;
    QLabel* lengthTime_;
    QCheckBox* predict_;
    QComboBox* verdict_;
    QLineEdit* rotation_;
    QComboBox* unit_;
    QLabel* message_;
};

} // namespace purzo
