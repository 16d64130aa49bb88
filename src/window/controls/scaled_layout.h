// SPDX-License-Identifier: MIT
// The window drawn as a whole at a scale: every control's designed rectangle and font times the
// scale, the design centred in the client area. A text never gains or loses a line against
// scale 1 and is never cut: where the scaled size would wrap or clip, the largest size below it
// that fits is taken.
#pragma once

#include "design/control_table.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

class QWidget;

namespace purzo {

class ScaledStyle;

// Client size at which every control shows whole at scale 1.
inline constexpr QSize kDesignClientSize{kDesignClientWidthPx, kDesignClientHeightPx};
// The window cannot be made smaller than this scale.
inline constexpr double kMinScale = 0.6;
// What the title bar and the frame around the client area take at most.
inline constexpr QSize kFrameAllowance{16, 48};

// The design at the smallest scale, rounded up.
QSize MinimumClientSize();
// The client size to open with: the full size where the available area holds it with the
// window's frame, otherwise the largest scale that fits, but never below the minimum.
QSize BestClientSize(QSize availableArea);

// min(width / 1097, height / 777).
double ScaleForClient(QSize client);
// Offset that centres the scaled design in the client area.
QPoint CentringOffset(QSize client, double scale);
// The designed rectangle at a scale, each edge rounded on its own so that neighbours keep their
// spacing.
QRect ScaleRect(const QRect& design, double scale);

// How a control's text is laid out, for fitting its font.
enum class TextKind {
    None,       // no text (canvas, pictures, scroll bars)
    Label,      // wrapped at word boundaries to the label's width
    Button,     // CaptionButton: wrapped inside its caption area
    Option,     // one line beside the option circle
    GroupTitle, // one line along the top of the frame
    TextBox,    // one line inside the box's frame
};

// Lines that `text` wraps to at `width` in `font`, the height they take and the widest line.
struct TextLayoutSize {
    int lines = 0;
    double height = 0;
    double widest = 0;
};
TextLayoutSize LayOutText(const QFont& font, const QString& text, double width, bool wrap);

class ScaledLayout {
public:
    explicit ScaledLayout(ScaledStyle* style) : style_(style) {}

    // Records the control's current geometry and font as its design. Controls inside another
    // recorded control (the options in their frame) keep their parent's coordinates.
    void add(QWidget* widget, TextKind kind);

    // Places every control at `scale`, centred in `client`.
    void apply(QSize client);
    double scale() const { return scale_; }

private:
    struct Control {
        QWidget* widget;
        QRect designRect;
        QFont designFont;
        TextKind kind;
        int designLines;
    };
    QString textOf(const Control& c) const;
    QRect textArea(const Control& c) const;
    QFont fittingFont(const Control& c) const;

    ScaledStyle* style_;
    std::vector<Control> controls_;
    double scale_ = 1.0;
};

} // namespace purzo
