// SPDX-License-Identifier: MIT
// The lesson's log as a table for a QTableView: a row per flight, a column per quantity of the
// log, the first column's check shows or hides the flight beside the current one.
#pragma once

#include "flight/flight_log.h"
#include "flight/quantities.h"
#include "flight/text_language.h"

#include <QAbstractTableModel>
#include <QLocale>
#include <span>

namespace purzo {

class LessonLog;

// A logged flight's cell as the log shows it: numbers with the quantity's decimals in `numbers`.
QString LogCellText(const LoggedFlight& flight, Quantity quantity, TextLanguage language,
                    const QLocale& numbers);

class FlightLogModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The columns, after the number with its "show" check and the name or group.
    static std::span<const Quantity> Columns();
    static constexpr int kFirstQuantityColumn = 2;

    explicit FlightLogModel(LessonLog* log, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The flight's number in a row; 0 for none.
    int numberAt(int row) const;

private:
    QString text(int row, Quantity quantity) const;

    LessonLog* log_;
    QLocale locale_;
    TextLanguage language_;
};

} // namespace purzo
