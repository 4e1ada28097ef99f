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
        // The outline is the shape of the text, colour glyphs (emoji) included, in
        // one colour around it: the text is drawn once into a mask, the mask stamped
        // around the text's place.
        const QFontMetrics metrics(painter.font());
        const QRect bounds = metrics.boundingRect(text).adjusted(-1, -1, 1, 1);
        const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
        QImage mask((QSizeF(bounds.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        mask.setDevicePixelRatio(ratio);
        mask.fill(Qt::transparent);
        {
            QPainter stamp(&mask);
            stamp.setFont(painter.font());
            stamp.setPen(outline);
            stamp.drawText(-bounds.left(), -bounds.top(), text);
            stamp.setCompositionMode(QPainter::CompositionMode_SourceIn);
            stamp.fillRect(QRectF(QPointF(), QSizeF(bounds.size())), outline);
        }
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (dx || dy)
                    painter.drawImage(QPoint(x + dx + bounds.left(), baseline + dy + bounds.top()), mask);
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
