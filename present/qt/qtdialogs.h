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

    void showmessage(MessageKind kind, const std::string& text) override;

    // The box as it is shown: icon by kind, title "Hexbrawl", the text as plain text
    // (players' names are shown as typed), one OK button.
    static std::unique_ptr<QMessageBox> makebox(MessageKind kind, const std::string& text, QWidget* parent);

private:
    QWidget* parent_;
    std::function<void()> sync_;
};

}  // namespace hexbrawl
