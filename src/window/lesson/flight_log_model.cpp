// SPDX-License-Identifier: MIT
// The log's cells: numbers to the decimals their quantity is shown with, in the window's language.
#include "window/lesson/flight_log_model.h"

#include "flight/lesson_groups.h"
#include "flight/log_cells.h"
#include "window/lesson/lesson_bar.h"
#include "window/lesson/lesson_log.h"
#include "window/translations.h"

namespace purzo {

std::span<const Quantity> FlightLogModel::Columns() {
    // The number stands in the first column with its check.
    return LogQuantities().subspan(1);
}

FlightLogModel::FlightLogModel(LessonLog* log, QObject* parent)
    : QAbstractTableModel(parent), log_(log),
      language_(CurrentLanguage() == Language::English ? TextLanguage::English
                                                       : TextLanguage::German) {
    locale_ = QLocale(language_ == TextLanguage::English ? QLocale::English : QLocale::German);
    locale_.setNumberOptions(QLocale::OmitGroupSeparator);
    connect(log_, &LessonLog::changed, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int FlightLogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(log_->log().flights().size());
}

int FlightLogModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kFirstQuantityColumn + int(Columns().size());
}

int FlightLogModel::numberAt(int row) const {
    const auto& flights = log_->log().flights();
    return row >= 0 && row < int(flights.size()) ? flights[std::size_t(row)].number : 0;
}

QString LogCellText(const LoggedFlight& flight, Quantity q, TextLanguage language,
                    const QLocale& numbers) {
    const LogCell cell = LogCellOf(flight, q, language);
    return cell.number ? numbers.toString(*cell.number, 'f', InfoOf(q).decimals)
                       : QString::fromStdString(cell.text);
}

QString FlightLogModel::text(int row, Quantity q) const {
    return LogCellText(log_->log().flights()[std::size_t(row)], q, language_, locale_);
}

QVariant FlightLogModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const LoggedFlight& f = log_->log().flights()[std::size_t(index.row())];
    if (index.column() == 0) {
        if (role == Qt::DisplayRole) {
            return f.number;
        }
        if (role == Qt::CheckStateRole) {
            return f.shown ? Qt::Checked : Qt::Unchecked;
        }
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        const Quantity q = index.column() >= kFirstQuantityColumn
                               ? Columns()[std::size_t(index.column() - kFirstQuantityColumn)]
                               : Quantity::Model;
        return InfoOf(q).decimals >= 0 ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                       : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (index.column() == 1) {
        const QString group =
            f.group.empty() ? LessonBar::TeacherName() : QString::fromStdString(f.group);
        const bool best = IsBestAttempt(log_->log(), f.number);
        if (role == Qt::DisplayRole) {
            return best ? group + QStringLiteral(" \u2605") : group;
        }
        if ((role == Qt::ToolTipRole || role == Qt::AccessibleTextRole) && best) {
            return tr("%1, bester Versuch der Gruppe").arg(group);
        }
        return {};
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    return text(index.row(), Columns()[std::size_t(index.column() - kFirstQuantityColumn)]);
}

QVariant FlightLogModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::ToolTipRole &&
        section >= kFirstQuantityColumn) {
        return QString::fromStdString(
            HeaderOf(Columns()[std::size_t(section - kFirstQuantityColumn)], language_));
    }
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (section == 0) {
        return QString::fromUtf8(NameOf(Quantity::Number, language_));
    }
    if (section == 1) {
        return tr("Name / Gruppe");
    }
    return QString::fromStdString(
        ShortHeaderOf(Columns()[std::size_t(section - kFirstQuantityColumn)], language_));
}

Qt::ItemFlags FlightLogModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == 0) {
        flags |= Qt::ItemIsUserCheckable;
    }
    return flags;
}

bool FlightLogModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (index.column() != 0 || role != Qt::CheckStateRole) {
        return false;
    }
    return log_->setShown(numberAt(index.row()), value.toInt() == Qt::Checked);
}

} // namespace purzo
