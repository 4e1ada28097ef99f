// SPDX-License-Identifier: MIT
#include "ui/widgets/mutemark.h"

#include <QPainter>

#include "ui/widgets/bevelbuttons.h"

namespace hexbrawl::ui {

MuteMark::MuteMark(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void MuteMark::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
    drawspeaker(painter, box, QColor(0xC0, 0xC0, 0xC0), false);
    // Struck through where the sound would come out.
    const double s = std::min(box.width(), box.height());
    const QPointF o = box.center() + QPointF(s * 0.22, 0);
    painter.setPen(QPen(QColor(0xFF, 0x30, 0x30), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(o + QPointF(-0.18 * s, -0.18 * s), o + QPointF(0.18 * s, 0.18 * s));
    painter.drawLine(o + QPointF(-0.18 * s, 0.18 * s), o + QPointF(0.18 * s, -0.18 * s));
}

}  // namespace hexbrawl::ui
