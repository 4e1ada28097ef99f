// SPDX-License-Identifier: MIT
// The message box port of the window: real modal boxes with one OK button.
#pragma once

#include <functional>
#include <memory>

#include "present/ports.h"

class QMessageBox;
class QWidget;

namespace hexbrawl {

class QtDialogs final : public Dialogs {
public:
    // `sync` runs before each box, so that the window behind it shows the latest state.
    explicit QtDialogs(QWidget* parent = nullptr, std::function<void()> sync = {});

    void setparent(QWidget* parent) { parent_ = parent; }
    void setsync(std::function<void()> sync) { sync_ = std::move(sync); }
    // Asked as each box opens: whether nobody needs to read it, so that it closes by
    // itself after `autoclosems` (a click or Enter closes it sooner).
    void setautoclose(std::function<bool(MessageKind)> when) { autoclose_ = std::move(when); }
    static constexpr int autoclosems = 1500;
    // Whether a box is open now.
    bool showing() const { return open_ > 0; }

    void showmessage(MessageKind kind, const std::string& text) override;

    // The box as it is shown: icon by kind, title "Hexbrawl", the text as plain text
    // (players' names are shown as typed), one OK button.
    static std::unique_ptr<QMessageBox> makebox(MessageKind kind, const std::string& text, QWidget* parent);

private:
    QWidget* parent_;
    std::function<void()> sync_;
    std::function<bool(MessageKind)> autoclose_;
    int open_ = 0;
};

}  // namespace hexbrawl
