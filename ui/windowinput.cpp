// SPDX-License-Identifier: MIT
// The player's input: every widget's signal as the action of its control, through
// the table like every other event.
#include "ui/mainwindow.h"

#include <QComboBox>
#include <QLineEdit>

#include "game/input.h"
#include "ui/recorder.h"
#include "ui/widgets/arenaview.h"
#include "ui/widgets/bevelbuttons.h"
#include "ui/widgets/checkbox.h"
#include "ui/widgets/factory.h"
#include "ui/widgets/pagetabs.h"
#include "ui/widgets/panels.h"
#include "ui/widgets/picklist.h"
#include "ui/widgets/spinedit.h"
#include "ui/widgets/styledbuttons.h"

namespace hexbrawl::ui {

void MainWindow::deliver(const input::Action& action)
{
    if (replaying_)
        return;
    if (recorder_)
        recorder_->act(action);
    perform(action);
}

void MainWindow::perform(const input::Action& action) { table_->apply(action); }

void MainWindow::connectinput()
{
    using input::Action;
    auto deliver = [this](const Action& action) { this->deliver(action); };
    auto click = [deliver](Control c) { return [deliver, c] { deliver(Action::click(c)); }; };
    auto settext = [deliver](Control c) {
        return [deliver, c](const QString& text) { deliver(Action::set(c, text.toStdString())); };
    };
    auto select = [deliver](Control c) { return [deliver, c](int row) { deliver(Action::select(c, row)); }; };

    TitleImage_->onclick(click(Control::TitleImage));
    Draw_->onpress([deliver](int x, int y) { deliver(Action::press(x, y)); });

    QObject::connect(PlaysndBtn_, &QAbstractButton::clicked, this, click(Control::PlaysndBtn));
    PurchaseBtn_->onclick(click(Control::PurchaseBtn));
    SellBtn_->onclick(click(Control::SellBtn));
    NextPlayerBtn_->onclick(click(Control::NextPlayerBtn));
    EndTurnBtn_->onclick(click(Control::EndTurnBtn));
    AbilityBtn_->onclick(click(Control::AbilityBtn));
    QObject::connect(ComputerBox_, &QAbstractButton::clicked, this, click(Control::ComputerBox));
    QObject::connect(ComputerSkillBox_, &QComboBox::activated, this,
                     [combo = ComputerSkillBox_, deliver = settext(Control::ComputerSkillBox)](int index) {
                         deliver(combo->itemText(index));
                     });

    PlayerCountSpinner_->onedited(settext(Control::PlayerCountSpinner));
    HealthPicker_->onedited(settext(Control::HealthPicker));
    ManaPicker_->onedited(settext(Control::ManaPicker));
    QObject::connect(PlayerNameEd_, &QLineEdit::textEdited, this, settext(Control::PlayerNameEd));
    for (const auto& pick : {std::pair{PictureBox_, Control::PictureBox}, std::pair{SndBox_, Control::SndBox}}) {
        QComboBox* combo = pick.first;
        const Control c = pick.second;
        // Typing and picking a row both change the text; what the program sets does not.
        QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, this, settext(c));
        QObject::connect(combo, &QComboBox::activated, this,
                         [combo, deliver = settext(c)](int index) { deliver(combo->itemText(index)); });
    }

    PurchaseList_->onpicked(select(Control::PurchaseList));
    Yourlist_->onpicked(select(Control::Yourlist));
    SpellPicker_->onpicked(select(Control::SpellPicker));
    MagicType_->onpicked(select(Control::MagicType));
}

}  // namespace hexbrawl::ui
