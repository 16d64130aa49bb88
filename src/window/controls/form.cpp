// SPDX-License-Identifier: MIT
// Controls from the table; the ranges of the scroll bars and the take-off texts come from the
// model's constants.
#include "window/controls/form.h"

#include "body/posture_table.h"
#include "design/control_table.h"
#include "flight/flight_constants.h"
#include "window/controls/caption_button.h"
#include "window/controls/option_button.h"
#include "window/controls/scaled_layout.h"
#include "window/controls/scroll_bar.h"
#include "window/controls/text_box.h"
#include "window/controls/twips.h"
#include "window/view/canvas_widget.h"
#include "window/view/fonts.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <limits>
#include <vector>

namespace purzo {
namespace {

// The table's texts, marked for translation where they are written.
QString Tr(const char* text) {
    return QCoreApplication::translate("purzo::PurzoWindow", text);
}

QWidget* MakeLabel(const ControlDesign& d, QWidget* parent) {
    auto* label = new QLabel(Tr(d.text), parent);
    label->setWordWrap(true);
    label->setAlignment((d.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    if (d.colour != kSystemColour) {
        palette.setColor(QPalette::WindowText, QColor::fromRgb(QRgb(d.colour)));
    }
    if (d.background != kSystemColour) {
        palette.setColor(QPalette::Window, QColor::fromRgb(QRgb(d.background)));
    }
    label->setPalette(palette);
    return label;
}

QScrollBar* MakeScrollBar(QWidget* parent, int min, int max, int largeChange, int value) {
    auto* bar = new ScrollBar(parent);
    bar->setRange(min, max);
    bar->setSingleStep(1);
    bar->setPageStep(largeChange);
    bar->setValue(value);
    return bar;
}

QLineEdit* MakeTextBox(const ControlDesign& d, const QString& text, QWidget* parent) {
    auto* box = new TextBox(text, parent);
    box->setAlignment(d.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    box->setMaxLength(std::numeric_limits<int>::max()); // students may paste anything
    return box;
}

QLabel* MakePicture(QWidget* parent, const QPixmap& pixmap) {
    auto* picture = new QLabel(parent);
    picture->setPixmap(pixmap);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return picture;
}

TextKind TextKindOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
        return TextKind::Label;
    case ControlKind::Button:
        return TextKind::Button;
    case ControlKind::TextBox:
        return TextKind::TextBox;
    case ControlKind::Frame:
        return TextKind::GroupTitle;
    case ControlKind::Option:
        return TextKind::Option;
    default:
        return TextKind::None;
    }
}

} // namespace

void Form::setupUi(QWidget* window, const Picture& arrowKeys, const Picture& mark) {
    window_ = window;
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlDesign& d : ControlTable()) {
        QWidget* parent = d.inFrame ? static_cast<QWidget*>(frame1) : window;
        const std::string_view name = d.name;
        QWidget* control = nullptr;
        switch (d.kind) {
        case ControlKind::Label:
            control = MakeLabel(d, parent);
            break;
        case ControlKind::Canvas:
            control = picture1 = new CanvasWidget(parent);
            break;
        case ControlKind::ScrollBar:
            if (name == "HScroll1") {
                control = hScroll1 =
                    MakeScrollBar(parent, kFirstPosture, kLastPosture, 1, kFirstPosture);
            } else if (name == "HScroll_geschw") {
                control = hScrollGeschw =
                    MakeScrollBar(parent, kMinSpeed, kMaxSpeed, 1, kDesignSpeed);
            } else {
                control = hScrollAngle =
                    MakeScrollBar(parent, kMinAngle, kMaxAngle, 5, kDesignAngle);
            }
            break;
        case ControlKind::TextBox:
            if (name == "Text1") {
                control = text1 = MakeTextBox(d, QString::number(kDesignSpeed), parent);
                text1->setToolTip(tr("Bereich: %1 bis %2").arg(kMinSpeed).arg(kMaxSpeed));
            } else if (name == "Text2") {
                control = text2 = MakeTextBox(d, QString::number(kDesignAngle), parent);
                text2->setToolTip(tr("Bereich: %1 bis %2").arg(kMinAngle).arg(kMaxAngle));
            } else {
                // The hidden height box shows the take-off height with a decimal comma; nothing
                // reads it.
                control = text3 =
                    MakeTextBox(d, QLocale(QLocale::German).toString(kTakeoffHeightM), parent);
                text3->hide();
            }
            break;
        case ControlKind::Button:
            control = new CaptionButton(Tr(d.text), parent);
            static_cast<QPushButton*>(control)->setAutoDefault(false);
            (name == "Start" ? start : ende) = static_cast<QPushButton*>(control);
            break;
        case ControlKind::Frame:
            control = frame1 = new QGroupBox(Tr(d.text), parent);
            break;
        case ControlKind::Option: {
            auto* option = new OptionButton(Tr(d.text), parent);
            control = option;
            (name == "Option1" ? option1 : name == "Option2" ? option2 : option3) = option;
            break;
        }
        case ControlKind::PictureBox:
            if (name == "Picture2") {
                control = picture2 = MakePicture(parent, arrowKeys.designed);
                picture2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                picture2->setLineWidth(2);
                picture2->setFocusPolicy(Qt::StrongFocus);
            } else {
                control = picture3 = MakePicture(parent, mark.designed);
                picture3->setAutoFillBackground(true);
                QPalette footer = picture3->palette();
                footer.setColor(QPalette::Window, footer.color(QPalette::Base));
                footer.setColor(QPalette::WindowText, footer.color(QPalette::Text));
                picture3->setPalette(footer);
            }
            break;
        }
        control->setObjectName(QLatin1String(d.name));
        control->setGeometry(TwipsToPixels(d.rect));
        control->setFont(MakeFont(d.font));
        if (d.kind != ControlKind::Label) {
            tabOrder.emplace_back(d.tabIndex, control);
        }
    }
    label19 = window->findChild<QLabel*>(QStringLiteral("Label19"));
    label19->setText(label19->text().arg(kStandardSpeed).arg(kStandardAngle));
    label19->hide();
    verdictLine = new QLabel(window);
    verdictLine->setObjectName(QStringLiteral("VerdictLine"));
    verdictLine->setGeometry(label19->geometry());
    verdictLine->setFont(label19->font());
    verdictLine->setWordWrap(true);
    QPalette verdictColour = verdictLine->palette();
    verdictColour.setColor(QPalette::WindowText, QColor::fromRgb(QRgb(kBlue)));
    verdictLine->setPalette(verdictColour);
    verdictLine->hide();

    option1->setChecked(true);
    paceOptions = new QButtonGroup(window);
    paceOptions->addButton(option1, int(Pace::RealTime));
    paceOptions->addButton(option2, int(Pace::SlowMotion));
    paceOptions->addButton(option3, int(Pace::ExtremeSlowMotion));
    // Tab reaches the option group at its checked button only.
    for (QRadioButton* option : {option1, option2, option3}) {
        auto tabStop = [option](bool checked) {
            option->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
        };
        tabStop(option->isChecked());
        QObject::connect(option, &QRadioButton::toggled, option, tabStop);
    }

    // Tab order by the table's tab index, over the controls that can take the focus.
    std::stable_sort(tabOrder.begin(), tabOrder.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::erase_if(tabOrder, [](const auto& entry) {
        return entry.second->focusPolicy() == Qt::NoFocus || entry.second->isHidden();
    });
    for (std::size_t i = 0; i + 1 < tabOrder.size(); ++i) {
        QWidget::setTabOrder(tabOrder[i].second, tabOrder[i + 1].second);
    }
    setAccessibleTexts();
}

void Form::addTo(ScaledLayout& layout) const {
    for (const ControlDesign& d : ControlTable()) {
        layout.add(window_->findChild<QWidget*>(QLatin1String(d.name)), TextKindOf(d.kind));
    }
    // Laid out as one line, as every verdict fits in one at the designed size.
    verdictLine->setText(QStringLiteral("Keine Landung auf den Füßen: zuerst Schulter"));
    layout.add(verdictLine, TextKind::Label);
    verdictLine->clear();
}

Pace Form::selectedPace() const {
    return Pace(paceOptions->checkedId());
}

void Form::setAccessibleTexts() {
    // A screen reader announces each control by the text a sighted student reads beside it.
    auto labelText = [this](const char* name) {
        return window_->findChild<QLabel*>(QLatin1String(name))->text();
    };
    for (QLabel* label : window_->findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            label->setAccessibleName(label->text());
        }
    }
    text1->setAccessibleName(labelText("Label1"));
    text1->setAccessibleDescription(text1->toolTip());
    text2->setAccessibleName(labelText("Label2"));
    text2->setAccessibleDescription(text2->toolTip());
    hScrollGeschw->setAccessibleName(labelText("Label1"));
    hScrollGeschw->setAccessibleDescription(labelText("Label5"));
    hScrollAngle->setAccessibleName(labelText("Label2"));
    hScrollAngle->setAccessibleDescription(labelText("Label6"));
    text3->setAccessibleName(tr("Absprunghöhe in m"));
    start->setAccessibleName(start->text());
    start->setAccessibleDescription(labelText("Label10"));
    ende->setAccessibleName(ende->text());
    ende->setAccessibleDescription(tr("Beendet das Programm."));
    frame1->setAccessibleName(frame1->title());
    for (QAbstractButton* option : paceOptions->buttons()) {
        option->setAccessibleName(option->text());
        option->setAccessibleDescription(
            tr("%1 ms Pause vor jedem Bild").arg(FrameDelayMs(Pace(paceOptions->id(option)))));
    }
    picture1->setAccessibleName(tr("Flugbild"));
    hScroll1->setAccessibleName(tr("Körperposition"));
    hScroll1->setAccessibleDescription(labelText("Label7"));
    picture2->setAccessibleName(tr("Pfeiltasten"));
    picture2->setAccessibleDescription(
        tr("Linke Pfeiltaste: Strecken. Rechte Pfeiltaste: Hocken."));
    picture3->setAccessibleName(tr("Zeichen"));
}

} // namespace purzo
