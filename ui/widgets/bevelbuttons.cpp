// SPDX-License-Identifier: MIT
#include "ui/widgets/bevelbuttons.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace hexbrawl::ui {

namespace {
const QColor face(0x4A, 0x4A, 0x4A);
const QColor litface(0x5E, 0x5A, 0x52);
const QColor light(0x9A, 0x96, 0x90);
const QColor shadow(0x14, 0x14, 0x14);
const QColor ink(0xFF, 0x98, 0x30);
const QColor disabledink(0x80, 0x80, 0x80);
}  // namespace

BevelButton::BevelButton(QWidget* parent, QSize hint) : QAbstractButton(parent), hint_(hint)
{
    setFocusPolicy(Qt::NoFocus);
}

void BevelButton::enterEvent(QEnterEvent* event)
{
    over_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void BevelButton::leaveEvent(QEvent* event)
{
    over_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void BevelButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = width(), h = height();
    const bool down = isDown();
    painter.fillRect(rect(), over_ && isEnabled() ? litface : face);
    // Raised: light top and left, dark right and bottom; pressed the other way round.
    QColor topleft = down ? shadow : light, bottomright = down ? light : shadow;
    painter.fillRect(0, 0, w, 1, topleft);
    painter.fillRect(0, 0, 1, h, topleft);
    painter.fillRect(0, h - 1, w, 1, bottomright);
    painter.fillRect(w - 1, 0, 1, h, bottomright);
    QRectF box = QRectF(rect()).adjusted(2, 2, -2, -2);
    if (down)
        box.translate(1, 1);
    painter.setRenderHint(QPainter::Antialiasing);
    drawglyph(painter, box, isEnabled() ? ink : disabledink);
}

ArrowButton::ArrowButton(QWidget* parent, Qt::ArrowType direction)
    : BevelButton(parent, {15, 11}), direction_(direction)
{}

void ArrowButton::drawglyph(QPainter& painter, QRectF box, QColor colour) const
{
    // A small triangle, 7 wide and 4 high, in the middle of the box.
    QPointF c = box.center();
    double half = 3.5, rise = direction_ == Qt::UpArrow ? -2 : 2;
    QPolygonF triangle{QPointF(c.x() - half, c.y() - rise), QPointF(c.x() + half, c.y() - rise),
                       QPointF(c.x(), c.y() + rise)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(triangle);
}

SpeakerButton::SpeakerButton(QWidget* parent) : BevelButton(parent, {23, 22}) {}

void SpeakerButton::drawglyph(QPainter& painter, QRectF box, QColor colour) const
{
    drawspeaker(painter, box, colour, true);
}

void drawspeaker(QPainter& painter, QRectF box, QColor colour, bool waves)
{
    // The speaker's box and cone on the left half, two arcs of sound on the right.
    const double s = std::min(box.width(), box.height());
    QPointF o(box.center().x() - s / 2, box.center().y() - s / 2);
    QPainterPath cone;
    cone.moveTo(o + QPointF(0.5, 0.35 * s));
    cone.lineTo(o + QPointF(0.25 * s, 0.35 * s));
    cone.lineTo(o + QPointF(0.5 * s, 0.1 * s));
    cone.lineTo(o + QPointF(0.5 * s, 0.9 * s));
    cone.lineTo(o + QPointF(0.25 * s, 0.65 * s));
    cone.lineTo(o + QPointF(0.5, 0.65 * s));
    cone.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(cone);
    if (!waves)
        return;
    painter.setPen(QPen(colour, 1.3));
    painter.setBrush(Qt::NoBrush);
    for (double r : {0.22, 0.4}) {
        QRectF arc(o.x() + 0.5 * s - r * s, o.y() + 0.5 * s - r * s, 2 * r * s, 2 * r * s);
        painter.drawArc(arc.translated(0.08 * s, 0), -50 * 16, 100 * 16);
    }
}

}  // namespace hexbrawl::ui
