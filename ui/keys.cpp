// SPDX-License-Identifier: MIT
// The keyboard: in a match the keys a player reaches for, each the same action as
// the click it stands for (digits 1 to 9 a row of the spell list, Space "Use
// Ability", E "END TURN"); anywhere M for the sound and F1 for the rules. Boxes
// that take typing keep their keys.
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>

#include "present/mutesound.h"
#include "ui/howtoplay.h"
#include "ui/mainwindow.h"
#include "ui/overlay.h"
#include "ui/widgets/mutemark.h"

namespace hexbrawl::ui {

void MainWindow::connectkeys()
{
    using input::Action;
    auto key = [this](int code, auto action) {
        auto* shortcut = new QShortcut(QKeySequence(code), this);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(false);
        QObject::connect(shortcut, &QShortcut::activated, this, action);
        return shortcut;
    };
    for (int digit = 1; digit <= 9; ++digit)
        matchkeys_.push_back(
            key(Qt::Key_0 + digit, [this, digit] { deliver(Action::select(Control::SpellPicker, digit - 1)); }));
    matchkeys_.push_back(key(Qt::Key_Space, [this] { deliver(Action::click(Control::AbilityBtn)); }));
    matchkeys_.push_back(key(Qt::Key_E, [this] { deliver(Action::click(Control::EndTurnBtn)); }));
    for (QShortcut* shortcut : matchkeys_)
        shortcut->setEnabled(false);

    key(Qt::Key_M, [this] { togglemute(); });
    key(Qt::Key_H, [this] { overlay_->setshown(!overlay_->shown()); });
    new HoldKey(
        this, Qt::Key_Tab, [this] { return matchkeys_.front()->isEnabled(); },
        [this](bool held) {
            overlay_->settable(held);
            overlay_->follow(form());
        });
    key(Qt::Key_F1, [this] {
        if (!howtoplay_)
            howtoplay_ = makehowtoplay(this);
        placehowtoplay(howtoplay_, this);
        howtoplay_->show();
        howtoplay_->raise();
    });

    // Enter in the name box moves on to the next box, as Tab does.
    QObject::connect(PlayerNameEd_, &QLineEdit::returnPressed, this, [this] {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(PlayerNameEd_, &tab);
    });
}

void MainWindow::togglemute()
{
    mute_->setmuted(!mute_->muted());
    mutemark_->setVisible(mute_->muted());
}

bool MainWindow::muted() const { return mute_->muted(); }

}  // namespace hexbrawl::ui
