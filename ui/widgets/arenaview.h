// SPDX-License-Identifier: MIT
// The arena on screen: shows the last frame the surface flipped, pixel for pixel,
// repainting only what changed, and reports mouse presses in arena coordinates.
#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>

#include "present/softsurface.h"

namespace hexbrawl::ui {

class Overlay;

class ArenaView final : public QWidget {
public:
    ArenaView(QWidget* parent, int w, int h);

    // Takes a copy of the changed parts of a finished frame, so that a half-drawn
    // back buffer is never on screen, not even behind an error box, and asks for
    // those parts alone to be repainted.
    void present(const SoftSurface::Flip& flip);
    const QImage& frame() const { return frame_; }
    QSize sizeHint() const override { return frame_.size(); }
    void onpress(std::function<void(int x, int y)> press) { press_ = std::move(press); }
    // Drawn on top of the frame wherever the view repaints.
    void setoverlay(const Overlay* overlay) { overlay_ = overlay; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    QImage frame_;
    std::function<void(int, int)> press_;
    const Overlay* overlay_ = nullptr;
};

}  // namespace hexbrawl::ui
