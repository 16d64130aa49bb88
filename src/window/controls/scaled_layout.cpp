// SPDX-License-Identifier: MIT
// Placing and fitting every control at the window's scale.
#include "window/controls/scaled_layout.h"

#include "window/controls/caption_button.h"
#include "window/controls/scaled_style.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace purzo {
namespace {

// Each try at fitting shrinks the font by this factor; the result lies within 1 % of the
// largest size that fits.
constexpr double kShrinkStep = 0.99;
constexpr int kMostShrinkSteps = 120;

} // namespace

double ScaleForClient(QSize client) {
    return std::min(client.width() / double(kDesignClientSize.width()),
                    client.height() / double(kDesignClientSize.height()));
}

QSize MinimumClientSize() {
    return {int(std::ceil(kDesignClientSize.width() * kMinScale)),
            int(std::ceil(kDesignClientSize.height() * kMinScale))};
}

QSize BestClientSize(QSize available) {
    const QSize room = available - kFrameAllowance;
    if (room.width() >= kDesignClientSize.width() && room.height() >= kDesignClientSize.height()) {
        return kDesignClientSize;
    }
    const double s = ScaleForClient(room);
    // The tiny allowance keeps a width of exactly room.width() from rounding down a pixel.
    const QSize fitting(int(std::floor(kDesignClientSize.width() * s + 1e-9)),
                        int(std::floor(kDesignClientSize.height() * s + 1e-9)));
    return fitting.expandedTo(MinimumClientSize());
}

QPoint CentringOffset(QSize client, double scale) {
    return {int(std::lround((client.width() - kDesignClientSize.width() * scale) / 2)),
            int(std::lround((client.height() - kDesignClientSize.height() * scale) / 2))};
}

QRect ScaleRect(const QRect& design, double scale) {
    const int left = int(std::lround(design.x() * scale));
    const int top = int(std::lround(design.y() * scale));
    const int right = int(std::lround((design.x() + design.width()) * scale));
    const int bottom = int(std::lround((design.y() + design.height()) * scale));
    return {left, top, right - left, bottom - top};
}

TextLayoutSize LayOutText(const QFont& font, const QString& text, double width, bool wrap) {
    // The same line breaking as QPainter::drawText with Qt::TextWordWrap, which labels and the
    // buttons' captions use.
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    const double leading = QFontMetricsF(font).leading();
    TextLayoutSize size;
    size.height = -leading;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        size.height += leading + line.height();
        size.widest = std::max(size.widest, line.naturalTextWidth());
        ++size.lines;
    }
    layout.endLayout();
    size.height = std::max(size.height, 0.0);
    return size;
}

void ScaledLayout::add(QWidget* widget, TextKind kind) {
    Control c{widget, widget->geometry(), widget->font(), kind, 0};
    if (kind != TextKind::None) {
        const QRect area = textArea(c);
        c.designLines = LayOutText(c.designFont, textOf(c), area.width(),
                                   kind == TextKind::Label || kind == TextKind::Button)
                            .lines;
    }
    controls_.push_back(c);
}

QString ScaledLayout::textOf(const Control& c) const {
    if (auto* label = qobject_cast<QLabel*>(c.widget)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(c.widget)) {
        return button->text();
    }
    if (auto* group = qobject_cast<QGroupBox*>(c.widget)) {
        return group->title();
    }
    if (auto* box = qobject_cast<QLineEdit*>(c.widget)) {
        return box->text().isEmpty() ? QStringLiteral("0") : box->text();
    }
    return {};
}

QRect ScaledLayout::textArea(const Control& c) const {
    QWidget* w = c.widget;
    switch (c.kind) {
    case TextKind::None:
        return {};
    case TextKind::Label:
        return w->contentsRect();
    case TextKind::Button:
        return static_cast<CaptionButton*>(w)->captionRect();
    case TextKind::Option: {
        QStyleOptionButton option;
        option.initFrom(w);
        option.text = textOf(c);
        return w->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, w);
    }
    case TextKind::GroupTitle: {
        // Fusion draws the title from a small margin at the left, above the frame line.
        const int margin = style_->scaled(8);
        return {margin, 0, w->width() - 2 * margin, w->height()};
    }
    case TextKind::TextBox: {
        const int frame = w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
        return w->rect().adjusted(frame, frame, -frame, -frame);
    }
    }
    return {};
}

QFont ScaledLayout::fittingFont(const Control& c) const {
    QFont font = c.designFont;
    if (scale_ == 1.0) {
        return font;
    }
    const QRect area = textArea(c);
    const QString text = textOf(c);
    const bool wrap = c.kind == TextKind::Label || c.kind == TextKind::Button;
    double size = c.designFont.pointSizeF() * scale_;
    for (int step = 0; step < kMostShrinkSteps; ++step, size *= kShrinkStep) {
        font.setPointSizeF(size);
        const TextLayoutSize laid = LayOutText(font, text, area.width(), wrap);
        // A text box holds whatever a student types, so only its line's height has to fit.
        const bool fits = laid.height <= area.height() &&
                          (c.kind == TextKind::TextBox ||
                           (laid.lines == c.designLines && laid.widest <= area.width()));
        if (fits) {
            break;
        }
    }
    return font;
}

void ScaledLayout::apply(QSize client) {
    scale_ = std::max(ScaleForClient(client), kMinScale);
    style_->setScale(scale_);
    const QPoint offset = CentringOffset(client, scale_);
    for (const Control& c : controls_) {
        // Controls inside the frame are placed in its coordinates.
        const bool inWindow = c.widget->parentWidget() == c.widget->window();
        QRect r = ScaleRect(c.designRect, scale_);
        if (inWindow) {
            r.translate(offset);
        }
        c.widget->setGeometry(r);
    }
    for (const Control& c : controls_) {
        if (c.kind != TextKind::None) {
            c.widget->setFont(fittingFont(c));
        }
        c.widget->update();
    }
}

} // namespace purzo
