// SPDX-License-Identifier: MIT
#include "ui/widgets/gauges.h"

#include <QPainter>

#include <algorithm>

#include "ui/fonts.h"

namespace hexbrawl::ui {

PieGauge::PieGauge(QWidget* parent, QColor colour) : QWidget(parent), colour_(colour) {}

void PieGauge::setprogress(int progress)
{
    if (progress == progress_)
        return;
    progress_ = progress;
    update();
}

void PieGauge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
    // A dim rim in the pie's own colour keeps an empty gauge visible on black.
    painter.setPen(QPen(colour_.darker(300), 1.5));
    painter.setBrush(Qt::black);
    painter.drawEllipse(box);
    int shown = std::clamp(progress_, 0, 100);
    if (shown == 0)
        return;
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour_);
    QRectF pie = box.adjusted(1, 1, -1, -1);
    // Qt counts angles anticlockwise from three o'clock in sixteenths of a degree.
    if (shown == 100)
        painter.drawEllipse(pie);
    else
        painter.drawPie(pie, 90 * 16, -shown * 360 * 16 / 100);
}

BarGauge::BarGauge(QWidget* parent, QColor bar) : QWidget(parent), bar_(bar)
{
    setFont(gamefont(Face::arial, 12, true));
}

void BarGauge::setmaximum(int maximum)
{
    if (maximum == maximum_)
        return;
    maximum_ = maximum;
    value_ = std::clamp(value_, 0, std::max(maximum_, 0));
    update();
}

void BarGauge::setvalue(int value)
{
    value = std::clamp(value, 0, std::max(maximum_, 0));
    if (value == value_)
        return;
    value_ = value;
    update();
}

int BarGauge::percent() const { return maximum_ > 0 ? value_ * 100 / maximum_ : 0; }

QString BarGauge::text() const { return QString::number(percent()) + QLatin1Char('%'); }

void BarGauge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = width(), h = height();
    // A sunken well: dark above and left, light below and right.
    painter.fillRect(0, 0, w, 1, QColor(0x40, 0x40, 0x40));
    painter.fillRect(0, 0, 1, h, QColor(0x40, 0x40, 0x40));
    painter.fillRect(0, h - 1, w, 1, QColor(0xF0, 0xF0, 0xF0));
    painter.fillRect(w - 1, 0, 1, h, QColor(0xF0, 0xF0, 0xF0));
    QRect well(1, 1, w - 2, h - 2);
    painter.fillRect(well, Qt::white);
    QRect filled = well;
    filled.setWidth(maximum_ > 0 ? well.width() * value_ / maximum_ : 0);
    painter.fillRect(filled, bar_);

    painter.setPen(Qt::white);
    painter.setClipRect(filled);
    painter.drawText(well, Qt::AlignCenter, text());
    painter.setPen(bar_);
    painter.setClipRect(QRect(filled.right() + 1, well.top(), well.right() - filled.right(), well.height()));
    painter.drawText(well, Qt::AlignCenter, text());
}

}  // namespace hexbrawl::ui
