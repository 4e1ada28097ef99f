// SPDX-License-Identifier: MIT
#include "ui/widgets/checkbox.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/widgets/glowlabel.h"

namespace hexbrawl::ui {

CheckBox::CheckBox(QWidget* parent, const QString& caption, QColor colour, QColor outline)
    : QAbstractButton(parent), colour_(colour), outline_(outline)
{
    setText(caption);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void CheckBox::setticked(bool ticked)
{
    if (ticked_ == ticked)
        return;
    ticked_ = ticked;
    update();
}

QSize CheckBox::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {well + 5 + metrics.horizontalAdvance(text()) + 2, std::max(well + 2, metrics.height() + 2)};
}

void CheckBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int top = (height() - well) / 2;
    const QRect box(0, top, well, well);
    painter.fillRect(box, Qt::black);
    painter.setPen(over_ ? QColor(0xD8, 0xBE, 0x0A) : QColor(0x7A, 0x60, 0x40));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    if (ticked_) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        QPainterPath tick;
        tick.moveTo(box.left() + 3, box.top() + 6.5);
        tick.lineTo(box.left() + 5.5, box.top() + 9.5);
        tick.lineTo(box.left() + 10, box.top() + 3);
        painter.setPen(QPen(Qt::yellow, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(tick);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    // The caption as the labels draw theirs: the outline first, the colour on top.
    const QFontMetrics metrics(font());
    const int x = well + 5;
    const int baseline = (height() - metrics.height()) / 2 + metrics.ascent();
    painter.setFont(font());
    drawoutlined(painter, x, baseline, text(), colour_, outline_);
}

void CheckBox::enterEvent(QEnterEvent*)
{
    over_ = true;
    update();
}

void CheckBox::leaveEvent(QEvent*)
{
    over_ = false;
    update();
}

}  // namespace hexbrawl::ui
