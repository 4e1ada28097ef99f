// SPDX-License-Identifier: MIT
// Small bevelled buttons drawn by hand: the arrows of a spin edit and the
// editor's speaker. They click like any button (and the arrows repeat while held).
#pragma once

#include <QAbstractButton>

class QPainter;

namespace hexbrawl::ui {

class BevelButton : public QAbstractButton {
public:
    QSize sizeHint() const override { return hint_; }

protected:
    BevelButton(QWidget* parent, QSize hint);
    // The glyph, in the face's colour of ink, inside `box`.
    virtual void drawglyph(QPainter& painter, QRectF box, QColor ink) const = 0;
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;

private:
    QSize hint_;
    bool over_ = false;
};

// An up or down arrow.
class ArrowButton final : public BevelButton {
public:
    ArrowButton(QWidget* parent, Qt::ArrowType direction);
    Qt::ArrowType direction() const { return direction_; }

protected:
    void drawglyph(QPainter& painter, QRectF box, QColor ink) const override;

private:
    Qt::ArrowType direction_;
};

// A loudspeaker in `box`, with two arcs of sound in front of it or none.
void drawspeaker(QPainter& painter, QRectF box, QColor ink, bool waves);

// A loudspeaker with sound waves: plays something.
class SpeakerButton final : public BevelButton {
public:
    explicit SpeakerButton(QWidget* parent);

protected:
    void drawglyph(QPainter& painter, QRectF box, QColor ink) const override;
};

}  // namespace hexbrawl::ui
