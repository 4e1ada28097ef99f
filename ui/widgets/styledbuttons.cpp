// SPDX-License-Identifier: MIT
#include "ui/widgets/styledbuttons.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/fonts.h"

namespace hexbrawl::ui {

namespace {

// The rectangle (l, t, r, b): pixels l..r-1 across and t..b-1 down.
QRect span(int l, int t, int r, int b) { return {l, t, r - l, b - t}; }

void fill(QPainter& painter, int l, int t, int r, int b, QColor colour)
{
    if (r > l && b > t)
        painter.fillRect(span(l, t, r, b), colour);
}

// A one-pixel outline of (l, t, r, b).
void frame(QPainter& painter, int l, int t, int r, int b, QColor colour)
{
    if (r <= l || b <= t)
        return;
    fill(painter, l, t, r, t + 1, colour);
    fill(painter, l, b - 1, r, b, colour);
    fill(painter, l, t, l + 1, b, colour);
    fill(painter, r - 1, t, r, b, colour);
}

// The horizontal place of a caption tw wide in a button w wide.
int place(Qt::Alignment alignment, int w, int tw, int left, int rightgap)
{
    if (alignment & Qt::AlignRight)
        return w - tw - rightgap;
    if (alignment & Qt::AlignHCenter)
        return w / 2 - tw / 2;
    return left;
}

}  // namespace

StyledButton::StyledButton(QWidget* parent, const QString& name, QSize startsize)
    : QWidget(parent), caption_(name), startsize_(startsize)
{
    setObjectName(name);
    // Windowless in spirit: they never take the keyboard focus.
    setFocusPolicy(Qt::NoFocus);
    setFont(gamefont(Face::arial, 11));
    resize(startsize);
}

void StyledButton::changed() { setlook(Look::normal); }

void StyledButton::setCaption(const QString& caption) { setproperty(caption_, caption); }

void StyledButton::setTextColor(QColor colour) { setproperty(textcolor_, colour); }

void StyledButton::setColor(QColor colour) { setproperty(color_, colour); }

int StyledButton::captionwidth() const { return fontMetrics().horizontalAdvance(caption_); }
int StyledButton::captionheight() const { return fontMetrics().height(); }

void StyledButton::drawcaption(QPainter& painter, int x, int y, QColor colour) const
{
    painter.setFont(font());
    painter.setPen(colour);
    painter.drawText(x, y + fontMetrics().ascent(), caption_);
}

void StyledButton::setlook(Look look)
{
    look_ = look;
    // A pressed caption keeps the colour it had, lit or not.
    if (look == Look::normal)
        captioncolour_ = textcolor_;
    else if (look != Look::pressed)
        captioncolour_ = overcaption();
    update();
}

void StyledButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    draw(painter, look_, captioncolour_);
}

void StyledButton::mousePressEvent(QMouseEvent* event)
{
    if (mousedown_)
        mousedown_(event->button(), event->position().toPoint());
    if (event->button() == Qt::LeftButton && enabled_)
        setlook(Look::pressed);
}

void StyledButton::mouseReleaseEvent(QMouseEvent* event)
{
    QPoint p = event->position().toPoint();
    bool left = event->button() == Qt::LeftButton;
    if (left && enabled_ && rect().contains(p)) {
        setlook(Look::normal);
        if (click_)
            click_();
    }
    if (mouseup_)
        mouseup_(event->button(), p);
    // The click may have turned the flag off: then the button stays as the click left it.
    if (left && enabled_ && releasedover(p))
        setlook(Look::released);
}

void StyledButton::enterEvent(QEnterEvent*)
{
    if (enabled_ && hashover())
        setlook(Look::hover);
}

void StyledButton::leaveEvent(QEvent*)
{
    if (enabled_)
        setlook(Look::normal);
}

// Shown again (the editor reopening after a round) it starts from its normal look.
void StyledButton::showEvent(QShowEvent*) { setlook(Look::normal); }

void StyledButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        changed();
    QWidget::changeEvent(event);
}

// TSelButton

TSelButton::TSelButton(QWidget* parent, const QString& name) : StyledButton(parent, name, {105, 20})
{
    setTextColor(QColor(128, 128, 128));
    colorborder_ = QColor(128, 128, 128);
    colorover_ = colordown_ = QColor(132, 185, 164);
    overcaption_ = Qt::black;
}

void TSelButton::draw(QPainter& painter, Look look, QColor captioncolour) const
{
    const int w = width(), h = height(), tw = captionwidth();
    QColor face = look == Look::normal ? Color() : look == Look::pressed ? colordown_ : colorover_;
    fill(painter, 1, 1, w - 1, h - 1, face);
    const int y = h / 2 - captionheight() / 2;
    if (look == Look::pressed) {
        // One pixel further in from its side, or right of the middle, and one lower.
        const int centred = alignment_ & Qt::AlignHCenter ? 1 : 0;
        drawcaption(painter, place(alignment_, w, tw, 6, 7) + centred, y + 1, captioncolour);
    } else {
        drawcaption(painter, place(alignment_, w, tw, 5, 6), y, captioncolour);
    }
    for (int i = 0; i < borderwidth_; ++i)
        frame(painter, i, i, w - i, h - i, colorborder_);
}

// TAOLButton

TAOLButton::TAOLButton(QWidget* parent, const QString& name) : StyledButton(parent, name, {89, 23})
{
    setColor(QColor(52, 105, 165));
    setTextColor(Qt::white);
    setFont(gamefont(Face::arial, 11, true));
}

void TAOLButton::draw(QPainter& painter, Look look, QColor captioncolour) const
{
    const int w = width(), h = height();
    int x = w / 2 - captionwidth() / 2, y = h / 2 - captionheight() / 2;
    fill(painter, 1, 1, w - 1, h - 1, Color());
    if (look == Look::pressed) {
        fill(painter, 1, 1, w - 1, 2, Qt::black);
        drawcaption(painter, x + 2, y + 2, captioncolour);
    } else {
        fill(painter, 1, 1, 3, h - 1, raisecolor_);
        fill(painter, 1, 1, w - 1, 3, raisecolor_);
        fill(painter, w - 3, 1, w - 1, h - 1, Qt::black);
        fill(painter, 1, h - 3, w - 1, h - 1, Qt::black);
        drawcaption(painter, x, y, captioncolour);
    }
    frame(painter, 0, 0, w, h, Qt::black);
}

// TEncartaButton

TEncartaButton::TEncartaButton(QWidget* parent, const QString& name) : StyledButton(parent, name, {86, 22})
{
    colorborder_ = QColor(153, 143, 130);
    colorover_ = colordown_ = QColor(216, 190, 10);
    overcaption_ = Qt::black;
}

void TEncartaButton::setGlyph(QImage glyph)
{
    if (!glyph.isNull()) {
        glyph = glyph.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = glyph.pixel(0, 0);
        for (int y = 0; y < glyph.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(glyph.scanLine(y));
            for (int x = 0; x < glyph.width(); ++x)
                if (row[x] == key)
                    row[x] = 0;
        }
    }
    glyph_ = std::move(glyph);
    changed();
}

void TEncartaButton::draw(QPainter& painter, Look look, QColor captioncolour) const
{
    const int w = width(), h = height();
    QColor face = look == Look::normal ? Color() : look == Look::pressed ? colordown_ : colorover_;
    fill(painter, 1, 1, w - 1, h - 1, face);

    const int shift = look == Look::pressed ? 1 : 0;
    const int tw = showcaption_ ? captionwidth() : 0;
    const int gap = showcaption_ && !glyph_.isNull() ? 2 : 0;
    // The glyph and the caption side by side, the pair centred.
    int x = w / 2 - (glyph_.width() + gap + tw) / 2;
    if (!glyph_.isNull()) {
        painter.drawImage(x + shift, h / 2 - glyph_.height() / 2 + shift, glyph_);
        x += glyph_.width() + gap;
    }
    if (showcaption_)
        drawcaption(painter, x + shift, h / 2 - captionheight() / 2 + shift, captioncolour);
    frame(painter, 0, 0, w, h, colorborder_);

    if (look == Look::normal)
        return;
    // Raised: light left and top, dark right and bottom; sunken the other way round.
    QColor topleft = look == Look::pressed ? darkedge : lightedge;
    QColor bottomright = look == Look::pressed ? lightedge : darkedge;
    fill(painter, 0, 1, 1, h - 1, topleft);  // (0, H-2) up to (0, 0)
    fill(painter, 0, 0, w - 1, 1, topleft);  // (0, 0) across to (W-1, 0)
    fill(painter, w - 1, 0, w, h, bottomright);  // (W-1, 0) down to (W-1, H)
    fill(painter, 0, h - 1, w, h, bottomright);  // (W, H-1) back to (-1, H-1)
}

// TSquareButton

TSquareButton::TSquareButton(QWidget* parent, const QString& name) : StyledButton(parent, name, {113, 17})
{
    colorborder_ = Qt::black;
    overcaption_ = Qt::white;
    borderwidth_ = 2;
}

void TSquareButton::draw(QPainter& painter, Look look, QColor captioncolour) const
{
    const int w = width(), h = height();
    fill(painter, 0, 0, w, h, Color());
    drawcaption(painter, place(alignment_, w, captionwidth(), 6, 7), h / 2 - captionheight() / 2 - 1, captioncolour);
    QColor edge = look == Look::normal ? colorborder_ : look == Look::pressed ? downbordercolor_ : coloroverborder_;
    fill(painter, 0, 0, borderwidth_, h, edge);
    fill(painter, 0, h - borderwidth_, w, h, edge);
}

}  // namespace hexbrawl::ui
