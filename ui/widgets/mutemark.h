// SPDX-License-Identifier: MIT
// The small mark the turn display shows while every sound is off: a loudspeaker
// struck through.
#pragma once

#include <QWidget>

namespace hexbrawl::ui {

class MuteMark final : public QWidget {
public:
    explicit MuteMark(QWidget* parent);
    QSize sizeHint() const override { return {20, 20}; }

protected:
    void paintEvent(QPaintEvent*) override;
};

}  // namespace hexbrawl::ui
