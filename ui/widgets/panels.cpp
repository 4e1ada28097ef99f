// SPDX-License-Identifier: MIT
#include "ui/widgets/panels.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace hexbrawl::ui {

GradientPanel::GradientPanel(QWidget* parent, QColor from, QColor to, Qt::Orientation direction)
    : QWidget(parent), from_(from), to_(to), direction_(direction)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void GradientPanel::followparent(int top, int height)
{
    top_ = top;
    height_ = height;
    parentWidget()->installEventFilter(this);
    fit();
}

void GradientPanel::fit()
{
    const QWidget* parent = parentWidget();
    setGeometry(0, top_, parent->width(), height_ > 0 ? height_ : std::max(0, parent->height() - top_));
}

bool GradientPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        fit();
    return QWidget::eventFilter(watched, event);
}

void GradientPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, direction_ == Qt::Horizontal ? width() : 0,
                             direction_ == Qt::Vertical ? height() : 0);
    gradient.setColorAt(0, from_);
    gradient.setColorAt(1, to_);
    painter.fillRect(rect(), gradient);
}

PictureView::PictureView(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TranslucentBackground); }

void PictureView::setimage(QImage image)
{
    image_ = std::move(image);
    update();
}

void PictureView::paintEvent(QPaintEvent*)
{
    if (image_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), image_);
}

void PictureView::mousePressEvent(QMouseEvent* event) { pressed_ = event->button() == Qt::LeftButton; }

void PictureView::mouseReleaseEvent(QMouseEvent* event)
{
    bool clicked = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (clicked && click_)
        click_();
}

}  // namespace hexbrawl::ui
