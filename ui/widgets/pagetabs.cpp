// SPDX-License-Identifier: MIT
#include "ui/widgets/pagetabs.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/fonts.h"

namespace hexbrawl::ui {

namespace {
// The current tab stands this much further out than the others, and the strip
// starts this far down so that its first tab can grow upwards too.
constexpr int standout = 3;
constexpr int lead = 2;

const QColor tabface(0x40, 0x40, 0x40);
const QColor tabtext(0xC8, 0xC8, 0xC8);
const QColor currentface(Qt::black);
const QColor currenttext(Qt::yellow);
const QColor light(0xE8, 0xA0, 0x40);
const QColor shadow(0x10, 0x10, 0x10);
}  // namespace

PageTabs::PageTabs(QWidget* parent, const QStringList& captions, int tablength, int tabthickness)
    : QWidget(parent), captions_(captions), length_(tablength), thickness_(tabthickness)
{
    setFont(gamefont(Face::arial, 11));
    setCursor(Qt::PointingHandCursor);
}

QSize PageTabs::sizeHint() const { return {thickness_ + standout, lead + count() * length_ + standout}; }

void PageTabs::setcurrent(int page)
{
    if (page == current_ || page < 0 || page >= count())
        return;
    current_ = page;
    update();
}

QRect PageTabs::tabrect(int page) const
{
    QRect r(standout, lead + page * length_, thickness_, length_);
    if (page == current_)
        r.adjust(-standout, -lead, 0, lead);
    return r;
}

void PageTabs::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The others first, so that the current tab overlaps its neighbours.
    auto drawtab = [&](int page) {
        const bool on = page == current_;
        QRect r = tabrect(page);
        painter.fillRect(r, on ? currentface : tabface);
        // Lit from the top left, open towards the pages on the right.
        painter.fillRect(r.left(), r.top(), r.width(), 1, on ? light : tabtext.darker(150));
        painter.fillRect(r.left(), r.top(), 1, r.height(), on ? light : tabtext.darker(150));
        painter.fillRect(r.left(), r.bottom(), r.width(), 1, shadow);

        painter.save();
        painter.setPen(on ? currenttext : tabtext);
        painter.translate(r.left(), r.bottom() + 1);
        painter.rotate(-90);
        QRect text(0, 0, r.height(), r.width());
        painter.drawText(text, Qt::AlignCenter,
                         painter.fontMetrics().elidedText(captions_[page], Qt::ElideRight, text.width() - 2));
        painter.restore();
    };
    for (int page = 0; page < count(); ++page)
        if (page != current_)
            drawtab(page);
    if (current_ >= 0 && current_ < count())
        drawtab(current_);
}

void PageTabs::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    QPoint p = event->position().toPoint();
    // The current tab is larger and lies on top: it is hit first.
    int hit = tabrect(current_).contains(p) ? current_ : -1;
    for (int page = 0; hit < 0 && page < count(); ++page)
        if (tabrect(page).contains(p))
            hit = page;
    if (hit >= 0 && picked_)
        picked_(hit);
}

}  // namespace hexbrawl::ui
