// SPDX-License-Identifier: MIT
#include "ui/widgets/picklist.h"

#include <QFocusEvent>

namespace hexbrawl::ui {

PickList::PickList(QWidget* parent) : QListWidget(parent)
{
    // A press on another row changes the current row; a press on the selected row
    // changes nothing and is reported when the click is complete.
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (input_ == 0)
            return;
        pickedbypress_ = true;
        if (row >= 0 && picked_)
            picked_(row);
    });
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (!pickedbypress_ && picked_)
            picked_(row(item));
        pickedbypress_ = false;
    });
}

template <typename Handler>
void PickList::asinput(Handler handler)
{
    ++input_;
    handler();
    --input_;
}

void PickList::mousePressEvent(QMouseEvent* event)
{
    pickedbypress_ = false;
    asinput([&] { QListWidget::mousePressEvent(event); });
}

void PickList::mouseReleaseEvent(QMouseEvent* event)
{
    asinput([&] { QListWidget::mouseReleaseEvent(event); });
}

void PickList::mouseDoubleClickEvent(QMouseEvent* event)
{
    asinput([&] { QListWidget::mouseDoubleClickEvent(event); });
}

void PickList::keyPressEvent(QKeyEvent* event)
{
    asinput([&] { QListWidget::keyPressEvent(event); });
}

void PickList::focusInEvent(QFocusEvent* event)
{
    // Given the focus without a current row, the list would make its first row
    // current: the player has picked nothing, so it stays as it was.
    const QModelIndex before = currentIndex();
    QListWidget::focusInEvent(event);
    if (currentIndex() != before)
        selectionModel()->setCurrentIndex(before, QItemSelectionModel::NoUpdate);
}

}  // namespace hexbrawl::ui
