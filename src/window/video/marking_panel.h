// SPDX-License-Identifier: MIT
// "Markieren": the seven joints of the frame on show, each marked, not seen or still open; the
// joint the next click marks is the one chosen in the list, and the window moves on to the next
// open one by itself. "Nicht sichtbar" passes over a joint hidden in this frame.
#pragma once

#include "video/body_marks.h"

#include <QWidget>
#include <bitset>
#include <optional>

class QListWidget;
class QPushButton;

namespace purzo {

class MarkingPanel : public QWidget {
    Q_OBJECT
public:
    explicit MarkingPanel(QWidget* parent = nullptr);

    // The frame's marks and the joints skipped in it; `offered` chosen in the list.
    void showMarks(const FrameMarks& marks, const std::bitset<kJointCount>& skipped,
                   std::optional<Joint> offered);
    std::optional<Joint> offered() const;
    // What a click on the frame does.
    static QString hint(std::optional<Joint> offered);

    QListWidget* joints() const { return joints_; }
    QPushButton* skipButton() const { return skip_; }
    QPushButton* clearButton() const { return clear_; }

signals:
    void jointChosen(purzo::Joint joint);
    void skipRequested();
    void clearRequested();

private:
    QListWidget* joints_;
    QPushButton* skip_;
    QPushButton* clear_;
};

} // namespace purzo
