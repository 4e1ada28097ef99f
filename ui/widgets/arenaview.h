// SPDX-License-Identifier: MIT
// The arena on screen: shows the last frame the surface flipped, pixel for pixel,
// and reports mouse presses in arena coordinates.
#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace hexbrawl::ui {

class ArenaView final : public QWidget {
public:
    ArenaView(QWidget* parent, int w, int h);

    // Takes a copy of a finished frame (pixels 0xFFRRGGBB), so that a half-drawn
    // back buffer is never on screen, not even behind an error box.
    void present(const std::uint32_t* pixels, int w, int h);
    const QImage& frame() const { return frame_; }
    QSize sizeHint() const override { return frame_.size(); }
    void onpress(std::function<void(int x, int y)> press) { press_ = std::move(press); }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    QImage frame_;
    std::function<void(int, int)> press_;
};

}  // namespace hexbrawl::ui
