// SPDX-License-Identifier: MIT
#include "window/video/fit_panel.h"

#include "window/video/fit_texts.h"
#include "window/video/video_number.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace purzo {

FitPanel::FitPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fitPanel"));
    auto* layout = new QVBoxLayout(this);
    fit_ = new QPushButton(tr("&Auswerten"), this);
    fit_->setObjectName(QStringLiteral("fitButton"));
    fit_->setToolTip(tr("Passt den Flug des Modells an die Markierungen an."));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(fit_);
    whatIf_ = new QPushButton(tr("&Was wäre, wenn…"), this);
    whatIf_->setObjectName(QStringLiteral("whatIfButton"));
    whatIf_->setToolTip(tr("Fliegt den gemessenen Absprung mit einem anderen Hockplan und "
                           "zeigt ihn über dem Video."));
    buttons->addWidget(whatIf_);
    whatIfMap_ = new QPushButton(tr("Landekarte &dieses Sprungs…"), this);
    whatIfMap_->setObjectName(QStringLiteral("whatIfMapButton"));
    whatIfMap_->setToolTip(tr("Alle Hockpläne dieses Absprungs; ein Doppelklick fliegt einen "
                              "über dem Video."));
    buttons->addWidget(whatIfMap_);
    buttons->addStretch();
    layout->addLayout(buttons);
    // Take-off and touchdown as the feet show them, or as the student corrects them.
    auto* corrections = new QHBoxLayout;
    for (auto [field, label, name] :
         {std::tuple{&lastFloor_, tr("Letztes B&ild am Boden:"), "lastFloorField"},
          std::tuple{&touchdown_, tr("Er&stes Bild wieder am Boden:"), "touchdownField"}}) {
        *field = new QSpinBox(this);
        (*field)->setObjectName(QLatin1String(name));
        (*field)->setRange(0, 999999); // held to the video's frames at each fit
        (*field)->setSpecialValueText(tr("von den Füßen"));
        auto* caption = new QLabel(label, this);
        caption->setBuddy(*field);
        corrections->addWidget(caption);
        corrections->addWidget(*field);
    }
    corrections->addStretch();
    layout->addLayout(corrections);
    results_ = new QBoxLayout(QBoxLayout::TopToBottom);
    auto* texts = new QVBoxLayout;
    results_->addLayout(texts);
    layout->addLayout(results_, 1);
    values_ = new QLabel(this);
    values_->setObjectName(QStringLiteral("fitValues"));
    values_->setWordWrap(true);
    values_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    texts->addWidget(values_);
    warnings_ = new QLabel(this);
    warnings_->setObjectName(QStringLiteral("fitWarnings"));
    warnings_->setWordWrap(true);
    warnings_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    texts->addWidget(warnings_);
    texts->addStretch();
    table_ = new QTableWidget(0, int(FitTexts::frameColumns().size()), this);
    table_->setObjectName(QStringLiteral("fitTable"));
    table_->setHorizontalHeaderLabels(FitTexts::frameColumns());
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    results_->addWidget(table_, 1);
    connect(fit_, &QPushButton::clicked, this, &FitPanel::fitRequested);
    connect(whatIf_, &QPushButton::clicked, this, &FitPanel::whatIfRequested);
    connect(whatIfMap_, &QPushButton::clicked, this, &FitPanel::whatIfMapRequested);
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0) {
            emit frameChosen(table_->item(row, 0)->data(Qt::UserRole).toInt());
        }
    });
    clear();
}

std::optional<JumpFit> FitPanel::fit(JumpFitInput input) {
    for (QSpinBox* field : {lastFloor_, touchdown_}) {
        field->setMaximum(int(input.timesS.size()));
    }
    if (lastFloor_->value() > 0) {
        input.lastFloorFrame = lastFloor_->value() - 1;
    }
    if (touchdown_->value() > 0) {
        input.touchdownFrame = touchdown_->value() - 1;
    }
    std::variant<JumpFit, FitFailure> result = FitJump(input);
    if (const auto* failure = std::get_if<FitFailure>(&result)) {
        showFailure(*failure);
        return std::nullopt;
    }
    showFit(std::get<JumpFit>(result));
    return std::get<JumpFit>(std::move(result));
}

QString FitPanel::hint(bool fitted) {
    return fitted ? tr("Rot: gemessener Schwerpunkt und angepasste Parabel; blau: die Figur des "
                       "Modells; die gestrichelte Figur: was wäre, wenn.")
                  : QString();
}

void FitPanel::showFit(const JumpFit& fit) {
    whatIf_->setEnabled(true);
    whatIfMap_->setEnabled(true);
    pairs_ = FitTexts::values(fit);
    showValues();
    const QStringList warnings = FitTexts::warnings(fit);
    warnings_->setStyleSheet(QStringLiteral("color: #8a4b00;"));
    warnings_->setText(warnings.join(QLatin1Char('\n')));
    warnings_->setVisible(!warnings.isEmpty());
    const QSignalBlocker blocker(table_);
    table_->setRowCount(0);
    for (std::size_t i = 0; i < fit.frames.size(); ++i) {
        const FittedFrame& f = fit.frames[i];
        if (!f.airborne) {
            continue;
        }
        const int row = table_->rowCount();
        table_->insertRow(row);
        const QStringList cells{QString::number(i + 1), VideoNumber(f.timeS, 3),
                                VideoNumber(f.centreResidualM * 100, 1),
                                VideoNumber(f.rotationResidualDeg, 1),
                                QString::number(f.nearestPosture)};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setData(Qt::UserRole, int(i));
            table_->setItem(row, c, item);
        }
    }
    table_->setVisible(true);
}

// Under the table the values take two pairs a row, so that all show in a low tab.
void FitPanel::showValues() {
    const auto& pairs = pairs_;
    if (pairs.isEmpty()) {
        return;
    }
    const int perRow = results_->direction() == QBoxLayout::LeftToRight ? 1 : 2;
    QString rows;
    for (int i = 0; i < pairs.size(); ++i) {
        rows += (i % perRow == 0 ? QStringLiteral("<tr>") : QStringLiteral("<td width=16></td>")) +
                QStringLiteral("<td nowrap>%1:</td><td align=right nowrap><b>%2</b></td>")
                    .arg(pairs[i].first.toHtmlEscaped(), pairs[i].second.toHtmlEscaped());
    }
    values_->setText(QStringLiteral("<table cellspacing=1>%1</table>").arg(rows));
}

void FitPanel::showFailure(const FitFailure& failure) {
    clear();
    warnings_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    warnings_->setText(FitTexts::failure(failure));
    warnings_->setVisible(true);
}

void FitPanel::clear(const QString& why) {
    whatIf_->setEnabled(false);
    whatIfMap_->setEnabled(false);
    pairs_.clear();
    values_->setText(why.isEmpty() ? tr("Noch nicht ausgewertet.") : why);
    warnings_->clear();
    warnings_->hide();
    table_->setRowCount(0);
    table_->setVisible(false);
}

// Wide, as under the frame, the table stands beside the values; narrow, under them.
void FitPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const auto direction =
        width() >= kSideBySideWidthPx ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (direction != results_->direction()) {
        results_->setDirection(direction);
        showValues();
    }
}

void FitPanel::selectFrame(int frame) {
    const QSignalBlocker blocker(table_);
    for (int row = 0; row < table_->rowCount(); ++row) {
        if (table_->item(row, 0)->data(Qt::UserRole).toInt() == frame) {
            table_->setCurrentCell(row, 0);
            table_->scrollToItem(table_->item(row, 0));
            return;
        }
    }
    table_->clearSelection();
}

} // namespace purzo
