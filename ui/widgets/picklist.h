// SPDX-License-Identifier: MIT
// A list whose picks are the player's alone: a press on a row, a click on the row
// already selected, or a key that moves the row. Rows the program sets, and the
// row a list makes current by itself when it gets the focus back (after a message
// box, say), are never reported.
#pragma once

#include <QListWidget>

#include <functional>

namespace hexbrawl::ui {

class PickList final : public QListWidget {
public:
    explicit PickList(QWidget* parent);

    // `picked` gets the row the player picks.
    void onpicked(std::function<void(int row)> picked) { picked_ = std::move(picked); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    // Runs one of the list's own handlers as the player's input.
    template <typename Handler>
    void asinput(Handler handler);

    std::function<void(int)> picked_;
    int input_ = 0;  // inside a handler of the player's input
    bool pickedbypress_ = false;  // the current press already changed the row
};

}  // namespace hexbrawl::ui
