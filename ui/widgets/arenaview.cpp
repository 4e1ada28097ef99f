// SPDX-License-Identifier: MIT
#include "ui/widgets/arenaview.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <cstring>

#include "ui/overlay.h"

namespace hexbrawl::ui {

ArenaView::ArenaView(QWidget* parent, int w, int h) : QWidget(parent), frame_(w, h, QImage::Format_RGB32)
{
    frame_.fill(Qt::black);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ArenaView::present(const SoftSurface::Flip& flip)
{
    const SurfaceRect whole{0, 0, flip.width, flip.height};
    std::span<const SurfaceRect> changed = flip.changed;
    if (flip.width != frame_.width() || flip.height != frame_.height()) {
        frame_ = QImage(flip.width, flip.height, QImage::Format_RGB32);
        changed = {&whole, 1};
    }
    QRegion region;
    for (const SurfaceRect& r : changed) {
        const auto bytes = static_cast<std::size_t>(r.right - r.left) * 4;
        for (int y = r.top; y < r.bottom; ++y)
            std::memcpy(frame_.scanLine(y) + static_cast<std::ptrdiff_t>(r.left) * 4,
                        flip.pixels + static_cast<std::size_t>(y) * flip.width + r.left, bytes);
        region += QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    if (region.isEmpty())
        return;
    if (size() == frame_.size())
        update(region);
    else
        update();
}

void ArenaView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    // At a device-pixel ratio of 2 each arena pixel becomes a crisp 2 x 2 block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (size() != frame_.size()) {
        painter.drawImage(rect(), frame_);
        return;
    }
    for (const QRect& r : event->region())
        painter.drawImage(r, frame_, r);
    if (overlay_)
        overlay_->paint(painter, event->region());
}

void ArenaView::mousePressEvent(QMouseEvent* event)
{
    // The pixel under the pointer: at two device pixels per arena pixel a press may
    // fall half-way, and rounding would name a pixel past the arena's edge.
    const QPointF p = event->position();
    if (press_)
        press_(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
}

}  // namespace hexbrawl::ui
