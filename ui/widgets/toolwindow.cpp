// SPDX-License-Identifier: MIT
#include "ui/widgets/toolwindow.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "ui/fonts.h"

namespace hexbrawl::ui {

namespace {
constexpr int minimumwidth = 80;
constexpr int minimumheight = ToolWindow::captionheight + 2 * ToolWindow::border + 8;

// Like std::clamp, but a window larger than the room it has keeps to the low side.
int within(int v, int lo, int hi) { return std::max(lo, std::min(v, hi)); }
}  // namespace

ToolWindow::ToolWindow(QWidget* parent, const QString& caption)
    : QWidget(parent), caption_(caption), client_(new QWidget(this))
{
    captionfont_ = gamefont(Face::arial, 11, true);
    setMouseTracking(true);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ToolWindow::resizeEvent(QResizeEvent*)
{
    client_->setGeometry(border, border + captionheight, width() - 2 * border, height() - 2 * border - captionheight);
}

void ToolWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // A raised frame, then the caption bar in the active caption's colours.
    painter.fillRect(rect(), QColor(0xC0, 0xC0, 0xC0));
    painter.setPen(Qt::white);
    painter.drawLine(0, 0, width() - 1, 0);
    painter.drawLine(0, 0, 0, height() - 1);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);

    QRect bar(border, border, width() - 2 * border, captionheight);
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    gradient.setColorAt(0, QColor(0x00, 0x00, 0x80));
    gradient.setColorAt(1, QColor(0x10, 0x84, 0xD0));
    painter.fillRect(bar, gradient);
    painter.setFont(captionfont_);
    painter.setPen(Qt::white);
    painter.drawText(captionrect(), Qt::AlignVCenter | Qt::AlignLeft, showncaption());
}

QRect ToolWindow::captionrect() const
{
    return QRect(border, border, width() - 2 * border, captionheight).adjusted(3, 0, -3, 0);
}

QString ToolWindow::showncaption() const
{
    return QFontMetrics(captionfont_).elidedText(caption_, Qt::ElideRight, captionrect().width());
}

int ToolWindow::edgesat(QPoint p) const
{
    // The border, and along it the corner zones, which take two edges at once.
    int edges = none;
    bool nearleft = p.x() < border, nearright = p.x() >= width() - border;
    bool neartop = p.y() < border, nearbottom = p.y() >= height() - border;
    if (nearleft || nearright || neartop || nearbottom) {
        if (nearleft || ((neartop || nearbottom) && p.x() < cornerlength))
            edges |= left;
        if (nearright || ((neartop || nearbottom) && p.x() >= width() - cornerlength))
            edges |= right;
        if (neartop || ((nearleft || nearright) && p.y() < cornerlength))
            edges |= top;
        if (nearbottom || ((nearleft || nearright) && p.y() >= height() - cornerlength))
            edges |= bottom;
    }
    return edges;
}

void ToolWindow::updatecursor(int edges)
{
    if ((edges & (left | top)) == (left | top) || (edges & (right | bottom)) == (right | bottom))
        setCursor(Qt::SizeFDiagCursor);
    else if ((edges & (right | top)) == (right | top) || (edges & (left | bottom)) == (left | bottom))
        setCursor(Qt::SizeBDiagCursor);
    else if (edges & (left | right))
        setCursor(Qt::SizeHorCursor);
    else if (edges & (top | bottom))
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
}

void ToolWindow::mousePressEvent(QMouseEvent* event)
{
    raise();
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton)
        return;
    QPoint p = event->position().toPoint();
    int edges = edgesat(p);
    bool oncaption = p.y() >= border && p.y() < border + captionheight;
    if (edges == none && !oncaption)
        return;
    dragging_ = edges;
    grab_ = mapToParent(p);
    start_ = geometry();
}

void ToolWindow::mouseMoveEvent(QMouseEvent* event)
{
    QPoint p = event->position().toPoint();
    if (dragging_ < 0) {
        updatecursor(edgesat(p));
        return;
    }
    QRect area = parentWidget() ? parentWidget()->rect() : QRect(QPoint(), size());
    QPoint delta = mapToParent(p) - grab_;
    QRect g = start_;
    if (dragging_ == none) {
        // Moved by the caption: the whole window stays inside the parent.
        g.moveTo(within(start_.x() + delta.x(), area.left(), area.right() + 1 - g.width()),
                 within(start_.y() + delta.y(), area.top(), area.bottom() + 1 - g.height()));
    } else {
        if (dragging_ & left)
            g.setLeft(within(start_.left() + delta.x(), area.left(), start_.right() + 1 - minimumwidth));
        if (dragging_ & right)
            g.setRight(within(start_.right() + delta.x(), start_.left() + minimumwidth - 1, area.right()));
        if (dragging_ & top)
            g.setTop(within(start_.top() + delta.y(), area.top(), start_.bottom() + 1 - minimumheight));
        if (dragging_ & bottom)
            g.setBottom(within(start_.bottom() + delta.y(), start_.top() + minimumheight - 1, area.bottom()));
    }
    setGeometry(g);
}

void ToolWindow::mouseReleaseEvent(QMouseEvent*) { dragging_ = -1; }

void ToolWindow::watchchildren()
{
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool ToolWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress)
        raise();
    return QWidget::eventFilter(watched, event);
}

// A double click on the caption does nothing: no maximising, no rolling up.
void ToolWindow::mouseDoubleClickEvent(QMouseEvent*) {}

}  // namespace hexbrawl::ui
