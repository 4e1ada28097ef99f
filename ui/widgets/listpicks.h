// SPDX-License-Identifier: MIT
// The rows a player picks in a list: by mouse (a click on the row already selected
// counts too) or by keyboard; never the selection the program sets.
#pragma once

#include <QObject>

#include <functional>

class QListWidget;

namespace hexbrawl::ui {

class ListPicks final : public QObject {
public:
    // Lives as long as the list; `picked` gets the row.
    static void attach(QListWidget* list, std::function<void(int row)> picked);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ListPicks(QListWidget* list, std::function<void(int)> picked);

    QListWidget* list_;
    std::function<void(int)> picked_;
    bool pickedbypress_ = false;  // the current press already changed the row
};

}  // namespace hexbrawl::ui
