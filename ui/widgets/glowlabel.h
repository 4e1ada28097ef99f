// SPDX-License-Identifier: MIT
// The window's labels: plain text in one colour, optionally with a one-pixel dark
// outline so that it reads on any background, and optionally in another colour
// while the mouse is over it. Text that does not fit the label's maximum width is
// cut with an ellipsis; text() keeps all of it.
#pragma once

#include <QColor>
#include <QLabel>

class QPainter;

namespace hexbrawl::ui {

// Text with its baseline at (x, baseline), ringed one pixel wide in `outline` when
// that is a valid colour: how every outlined caption of the window is drawn.
void drawoutlined(QPainter& painter, int x, int baseline, const QString& text, QColor colour, QColor outline);

class GlowLabel final : public QLabel {
public:
    GlowLabel(QWidget* parent, QColor colour);

    QColor colour() const { return colour_; }
    void setoutline(QColor outline);
    QColor outline() const { return outline_; }
    // The colour while the mouse is over the label.
    void setactivecolour(QColor active) { active_ = active; }
    // How far the text stands in from the label's top-left corner.
    int inset() const { return outline_.isValid() ? 1 : 0; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;

private:
    int textwidth() const;

    QColor colour_, outline_, active_;
    bool over_ = false;
};

}  // namespace hexbrawl::ui
