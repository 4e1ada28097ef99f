// SPDX-License-Identifier: MIT
#include "ui/widgets/arenaview.h"

#include <QMouseEvent>
#include <QPainter>

#include <cstring>

namespace hexbrawl::ui {

ArenaView::ArenaView(QWidget* parent, int w, int h) : QWidget(parent), frame_(w, h, QImage::Format_RGB32)
{
    frame_.fill(Qt::black);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ArenaView::present(const std::uint32_t* pixels, int w, int h)
{
    if (w != frame_.width() || h != frame_.height())
        frame_ = QImage(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        std::memcpy(frame_.scanLine(y), pixels + static_cast<std::size_t>(y) * w, static_cast<std::size_t>(w) * 4);
    update();
}

void ArenaView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // At a device-pixel ratio of 2 each arena pixel becomes a crisp 2 x 2 block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), frame_);
}

void ArenaView::mousePressEvent(QMouseEvent* event)
{
    QPoint p = event->position().toPoint();
    if (press_)
        press_(p.x(), p.y());
}

}  // namespace hexbrawl::ui
