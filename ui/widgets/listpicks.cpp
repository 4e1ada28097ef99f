// SPDX-License-Identifier: MIT
#include "ui/widgets/listpicks.h"

#include <QEvent>
#include <QListWidget>

namespace hexbrawl::ui {

void ListPicks::attach(QListWidget* list, std::function<void(int)> picked) { new ListPicks(list, std::move(picked)); }

ListPicks::ListPicks(QListWidget* list, std::function<void(int)> picked)
    : QObject(list), list_(list), picked_(std::move(picked))
{
    list->viewport()->installEventFilter(this);
    // A press on another row changes the current row; a press on the selected row
    // changes nothing and is reported when the click is complete.
    connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
        pickedbypress_ = true;
        if (row >= 0)
            picked_(row);
    });
    connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (!pickedbypress_)
            picked_(list_->row(item));
        pickedbypress_ = false;
    });
}

bool ListPicks::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress)
        pickedbypress_ = false;
    return false;
}

}  // namespace hexbrawl::ui
