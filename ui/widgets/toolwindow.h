// SPDX-License-Identifier: MIT
// A floating window inside the main window: a 16-pixel caption bar with no buttons,
// moved by its caption and resized by its edges and corners, never leaving its parent.
#pragma once

#include <QWidget>

namespace hexbrawl::ui {

class ToolWindow final : public QWidget {
public:
    static constexpr int captionheight = 16;
    static constexpr int border = 3;
    static constexpr int cornerlength = 16;

    ToolWindow(QWidget* parent, const QString& caption);

    // Where the controls go; it starts below the caption bar, inside the border.
    QWidget* client() const { return client_; }
    QString caption() const { return caption_; }
    // The caption as the bar shows it: cut with an ellipsis when it does not fit.
    QString showncaption() const;
    QSize sizeHint() const override { return {593, 537}; }
    // A click anywhere on the window brings it to the front; call once its
    // controls are made.
    void watchchildren();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;

private:
    // Which edges a press at `point` takes hold of; none and `caption` for a move.
    enum Edge { none = 0, left = 1, right = 2, top = 4, bottom = 8 };
    int edgesat(QPoint point) const;
    void updatecursor(int edges);
    QRect captionrect() const;

    QString caption_;
    QFont captionfont_;
    QWidget* client_;
    int dragging_ = -1;  // -1: not dragging; 0: moving; otherwise the edges held
    QPoint grab_;  // press position in the parent
    QRect start_;  // geometry at the press
};

}  // namespace hexbrawl::ui
