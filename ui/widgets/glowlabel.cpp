// SPDX-License-Identifier: MIT
#include "ui/widgets/glowlabel.h"

#include <QPainter>

#include <cmath>

namespace hexbrawl::ui {

GlowLabel::GlowLabel(QWidget* parent, QColor colour) : QLabel(parent), colour_(colour)
{
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_TranslucentBackground);
}

void GlowLabel::setoutline(QColor outline)
{
    outline_ = outline;
    updateGeometry();
    update();
}

int GlowLabel::textwidth() const
{
    return static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(text())));
}

QSize GlowLabel::sizeHint() const
{
    return QSize(textwidth(), QFontMetrics(font()).height()) + QSize(2 * inset(), 2 * inset());
}

void GlowLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    const int d = inset();
    QFontMetrics metrics(font());
    const int room = width() - 2 * d;
    QString shown = textwidth() <= room ? text() : metrics.elidedText(text(), Qt::ElideRight, room);
    drawoutlined(painter, d, d + metrics.ascent(), shown, over_ && active_.isValid() ? active_ : colour_, outline_);
}

void drawoutlined(QPainter& painter, int x, int baseline, const QString& text, QColor colour, QColor outline)
{
    if (outline.isValid()) {
        painter.setPen(outline);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (dx || dy)
                    painter.drawText(x + dx, baseline + dy, text);
    }
    painter.setPen(colour);
    painter.drawText(x, baseline, text);
}

void GlowLabel::enterEvent(QEnterEvent*)
{
    over_ = true;
    if (active_.isValid())
        update();
}

void GlowLabel::leaveEvent(QEvent*)
{
    over_ = false;
    if (active_.isValid())
        update();
}

}  // namespace hexbrawl::ui
