// SPDX-License-Identifier: MIT
// "Athlet…": the exact model's athlete for the next flights, her body mass, height and take-off
// spin. A value is read when its field is left: outside its range or unreadable, the field says
// so and goes back to the value it had.
#pragma once

#include "body/athlete.h"

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;

namespace purzo {

class AthleteDialog : public QDialog {
    Q_OBJECT
public:
    AthleteDialog(const Athlete& athlete, QWidget* parent = nullptr);
    ~AthleteDialog() override;

    // The values as they stand in the fields, each inside its range.
    Athlete athlete() const { return athlete_; }
    QLineEdit* field(int index) const { return fields_[std::size_t(index)]; }
    QLabel* message(int index) const { return messages_[std::size_t(index)]; }

    // Every field counts as left; a refused one keeps the dialog open.
    void accept() override;

private:
    void fill(const Athlete& athlete);
    // Reads field `index` into the athlete, or puts its old value back and says why not.
    bool take(int index);

    Athlete athlete_;
    std::array<QLineEdit*, kAthleteValueCount> fields_{};
    std::array<QLabel*, kAthleteValueCount> messages_{};
};

} // namespace purzo
