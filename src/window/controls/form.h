// SPDX-License-Identifier: MIT
// The window's controls built from the control table, as uic's setupUi would build them: each
// at its designed rectangle, with its text, font and colour, stacked and in tab order.
#pragma once

#include "flight/pace.h"
#include "window/view/pictures.h"

#include <QCoreApplication>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace purzo {

class CanvasWidget;
class ScaledLayout;

class Form {
    // The window's texts, translated in the window's context.
    Q_DECLARE_TR_FUNCTIONS(purzo::PurzoWindow)

public:
    void setupUi(QWidget* window, const Picture& arrowKeys, const Picture& mark);
    // Registers every control, with how its text is laid out, for placing at a scale.
    void addTo(ScaledLayout& layout) const;
    Pace selectedPace() const;

    CanvasWidget* picture1 = nullptr;
    QScrollBar* hScroll1 = nullptr; // the posture bar, behind the canvas
    QLineEdit* text1 = nullptr;     // take-off speed, m/s
    QLineEdit* text2 = nullptr;     // take-off angle, degrees
    QLineEdit* text3 = nullptr;     // take-off height, hidden
    QScrollBar* hScrollGeschw = nullptr;
    QScrollBar* hScrollAngle = nullptr;
    QLabel* picture2 = nullptr; // the arrow keys
    QLabel* picture3 = nullptr; // the footer's mark
    QPushButton* start = nullptr;
    QPushButton* ende = nullptr;
    QGroupBox* frame1 = nullptr;
    QRadioButton* option1 = nullptr;
    QRadioButton* option2 = nullptr;
    QRadioButton* option3 = nullptr;
    QButtonGroup* paceOptions = nullptr;
    QLabel* label19 = nullptr;     // the range warning
    QLabel* verdictLine = nullptr; // the landing's verdict, where the warning stands

private:
    void setAccessibleTexts();
    QWidget* window_ = nullptr;
};

} // namespace purzo
