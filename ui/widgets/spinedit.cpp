// SPDX-License-Identifier: MIT
#include "ui/widgets/spinedit.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

#include "game/tform1.h"
#include "ui/widgets/bevelbuttons.h"

namespace hexbrawl::ui {

namespace {
constexpr int arrowwidth = 15;
}

SpinEdit::SpinEdit(QWidget* parent, int lo, int hi)
    : QWidget(parent), lo_(lo), hi_(hi), edit_(new QLineEdit(this)), up_(new ArrowButton(this, Qt::UpArrow)),
      down_(new ArrowButton(this, Qt::DownArrow))
{
    for (QAbstractButton* arrow : {up_, down_})
        arrow->setAutoRepeat(true);
    connect(up_, &QAbstractButton::clicked, this, [this] { stepby(1); });
    connect(down_, &QAbstractButton::clicked, this, [this] { stepby(-1); });
    connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (edited_)
            edited_(text);
    });
    edit_->installEventFilter(this);
    setFocusProxy(edit_);
}

QAbstractButton* SpinEdit::arrow(int step) const { return step > 0 ? up_ : down_; }

QString SpinEdit::text() const { return edit_->text(); }

void SpinEdit::settext(const QString& text)
{
    if (edit_->text() != text)
        edit_->setText(text);
}

void SpinEdit::stepby(int step)
{
    // The arrows step from the value the text reads as, and write it back clamped.
    int value = spinvalue(edit_->text().toStdString(), lo_, hi_);
    QString text = QString::number(std::clamp(value + step, lo_, hi_));
    if (text == edit_->text())
        return;
    edit_->setText(text);
    if (edited_)
        edited_(text);
}

bool SpinEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepby(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SpinEdit::resizeEvent(QResizeEvent*)
{
    int w = width(), h = height();
    edit_->setGeometry(0, 0, w - arrowwidth, h);
    up_->setGeometry(w - arrowwidth, 0, arrowwidth, h / 2);
    down_->setGeometry(w - arrowwidth, h / 2, arrowwidth, h - h / 2);
}

}  // namespace hexbrawl::ui
