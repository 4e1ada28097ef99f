// SPDX-License-Identifier: MIT
// The editor's check box: a black well in a bronze frame with a yellow tick, and
// its caption in the labels' orange with their dark outline. A click only reports
// itself; whether it shows a tick is the game's to say.
#pragma once

#include <QAbstractButton>
#include <QColor>

namespace hexbrawl::ui {

class CheckBox final : public QAbstractButton {
public:
    CheckBox(QWidget* parent, const QString& caption, QColor colour, QColor outline);

    void setticked(bool ticked);
    bool ticked() const { return ticked_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;

private:
    static constexpr int well = 13;
    QColor colour_, outline_;
    bool ticked_ = false;
    bool over_ = false;
};

}  // namespace hexbrawl::ui
