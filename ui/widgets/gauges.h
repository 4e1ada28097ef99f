// SPDX-License-Identifier: MIT
// The two gauges of the window: the turn display's pies and the editor's point bar.
#pragma once

#include <QColor>
#include <QWidget>

namespace hexbrawl::ui {

// A pie filled clockwise from twelve o'clock on a black disc, without text; the
// progress is kept as set and shown clamped into 0..100.
class PieGauge final : public QWidget {
public:
    PieGauge(QWidget* parent, QColor colour);
    void setprogress(int progress);
    int progress() const { return progress_; }
    QSize sizeHint() const override { return {65, 65}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor colour_;
    int progress_ = 100;
};

// A horizontal bar in a sunken well, with the percentage of its maximum written
// across it: light on the bar, in the bar's colour beside it.
class BarGauge final : public QWidget {
public:
    BarGauge(QWidget* parent, QColor bar);
    // The value is clamped into 0..maximum; a maximum below 1 shows an empty bar.
    void setmaximum(int maximum);
    void setvalue(int value);
    int value() const { return value_; }
    int maximum() const { return maximum_; }
    // The whole percentage written across the bar, "28%".
    QString text() const;
    QSize sizeHint() const override { return {257, 25}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int percent() const;

    QColor bar_;
    int value_ = 0;
    int maximum_ = 100;
};

}  // namespace hexbrawl::ui
