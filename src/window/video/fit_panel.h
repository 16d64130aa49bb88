// SPDX-License-Identifier: MIT
// "Auswerten": the fit of the marked jump, its values, its warnings and, frame by frame, how far
// the measured centre and turn lie from the fitted flight and which posture the shape is nearest.
// A row chosen shows its frame.
#pragma once

#include "video/jump_fit.h"

#include <QWidget>
#include <optional>

class QBoxLayout;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace purzo {

class FitPanel : public QWidget {
    Q_OBJECT
public:
    explicit FitPanel(QWidget* parent = nullptr);

    // Fits the jump and shows the fit, or why there is none.
    std::optional<JumpFit> fit(JumpFitInput input);
    void showFit(const JumpFit& fit);
    void showFailure(const FitFailure& failure);
    // What the overlay shows once fitted.
    static QString hint(bool fitted);
    // The marks or the stick changed since: the fit shown no longer holds.
    void clear(const QString& why = {});
    // The frame on show, chosen in the table.
    void selectFrame(int frame);

    QPushButton* fitButton() const { return fit_; }
    QPushButton* whatIfButton() const { return whatIf_; }
    QPushButton* whatIfMapButton() const { return whatIfMap_; }
    // The take-off's and the touchdown's frame as corrected by hand (numbers from 1); at 0 the
    // fit finds them from the feet.
    QSpinBox* lastFloorField() const { return lastFloor_; }
    QSpinBox* touchdownField() const { return touchdown_; }
    QLabel* values() const { return values_; }
    QLabel* warnings() const { return warnings_; }
    QTableWidget* table() const { return table_; }

signals:
    void fitRequested();
    // The fitted take-off flown with another tuck: by a plan, or from the landing map.
    void whatIfRequested();
    void whatIfMapRequested();

    void frameChosen(int frame);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    static constexpr int kSideBySideWidthPx = 600;

    void showValues();

    QList<QPair<QString, QString>> pairs_; // the values shown, name and value
    QBoxLayout* results_;
    QPushButton* fit_;
    QPushButton* whatIf_;
    QPushButton* whatIfMap_;
    QSpinBox* lastFloor_;
    QSpinBox* touchdown_;
    QLabel* values_;
    QLabel* warnings_;
    QTableWidget* table_;
};

} // namespace purzo
