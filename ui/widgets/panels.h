// SPDX-License-Identifier: MIT
// Small self-drawn widgets of the two windows: gradient bevels and picture boxes.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include <functional>

namespace hexbrawl::ui {

// A gradient background; it takes no mouse input, so clicks reach what lies beneath.
class GradientPanel final : public QWidget {
public:
    GradientPanel(QWidget* parent, QColor from, QColor to, Qt::Orientation direction);

    // Keeps the panel as wide as its parent, from `top` down, `height` high or,
    // when it is 0, down to the parent's bottom, however the parent is resized.
    void followparent(int top, int height);
    // The turn display's top block.
    QSize sizeHint() const override { return {153, 73}; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent*) override;

private:
    void fit();

    QColor from_, to_;
    Qt::Orientation direction_;
    int top_ = 0, height_ = 0;
};

// A picture stretched to the box, pixel for pixel without smoothing; clickable.
class PictureView final : public QWidget {
public:
    explicit PictureView(QWidget* parent);
    void setimage(QImage image);
    const QImage& image() const { return image_; }
    QSize sizeHint() const override { return image_.isNull() ? QSize(20, 20) : image_.size(); }
    void onclick(std::function<void()> click) { click_ = std::move(click); }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    QImage image_;
    std::function<void()> click_;
    bool pressed_ = false;
};

}  // namespace hexbrawl::ui
