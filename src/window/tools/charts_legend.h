// SPDX-License-Identifier: MIT
// One legend under all the charts: each flight's line and marker with its whole name, the
// entries flowing onto as many rows as the window's width needs, so that none is cut.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <cstddef>
#include <optional>
#include <vector>

namespace purzo {

// The line of the flight on show in the charts and their legend.
inline const QColor kChartedFlightColour{20, 20, 20};

class ChartsLegend : public QWidget {
    Q_OBJECT
public:
    struct Entry {
        QString text;
        std::optional<std::size_t> style; // in kShownFlightStyles; none: the flight on show
    };
    explicit ChartsLegend(QWidget* parent = nullptr);

    void setEntries(std::vector<Entry> entries);
    const std::vector<Entry>& entries() const { return entries_; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Each entry's rectangle when laid out `width` wide.
    std::vector<QRectF> layOut(int width) const;

    std::vector<Entry> entries_;
};

} // namespace purzo
