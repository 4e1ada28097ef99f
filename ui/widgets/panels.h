// Small self-drawn widgets of the two windows: gradient bevels, pie gauges and
// picture boxes.
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent*) override;

private:
    void fit();

    QColor from_, to_;
    Qt::Orientation direction_;
    int top_ = 0, height_ = 0;
};

// A pie filled clockwise from twelve o'clock; progress 0..100, clamped.
class PieGauge final : public QWidget {
public:
    PieGauge(QWidget* parent, QColor colour);
    void setprogress(int progress);
    int progress() const { return progress_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor colour_;
    int progress_ = 100;
};

// A picture stretched to the box, pixel for pixel without smoothing; clickable.
class PictureView final : public QWidget {
public:
    explicit PictureView(QWidget* parent);
    void setimage(QImage image);
    const QImage& image() const { return image_; }
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
