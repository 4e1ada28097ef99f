// SPDX-License-Identifier: MIT
#include "game/input.h"

namespace hexbrawl::input {

namespace {

bool ineditor(Control control)
{
    switch (control) {
    case Control::TitleImage:
    case Control::EndTurnBtn:
    case Control::AbilityBtn:
    case Control::SpellPicker: return false;
    default: return true;
    }
}

// The edit box behind a text control, const or not as the controls are.
template <typename C>
auto editbox(C& c, Control control) -> decltype(&c.PlayerNameEd)
{
    switch (control) {
    case Control::PlayerCountSpinner: return &c.PlayerCountSpinner;
    case Control::PlayerNameEd: return &c.PlayerNameEd;
    case Control::PictureBox: return &c.PictureBox;
    case Control::SndBox: return &c.SndBox;
    case Control::HealthPicker: return &c.HealthPicker;
    case Control::ManaPicker: return &c.ManaPicker;
    case Control::ComputerSkillBox: return &c.ComputerSkillBox;
    default: return nullptr;
    }
}

}  // namespace

bool accepts(const TForm1& form, Control control)
{
    const Controls& c = form.controls;
    if (control == Control::TitleImage)
        return c.TitleImage.visible;
    if (ineditor(control) && !c.PurchaseWindow.visible)
        return false;
    if (control == Control::SellBtn)
        return c.SellBtn.enabled;
    if (control == Control::SpellPicker)
        return c.SpellPicker.enabled;
    if (const EditBox* box = editbox(c, control))
        return box->enabled;
    return true;
}

Action::Verb verbof(Control control)
{
    switch (control) {
    case Control::PlayerCountSpinner:
    case Control::PlayerNameEd:
    case Control::PictureBox:
    case Control::SndBox:
    case Control::HealthPicker:
    case Control::ManaPicker:
    case Control::ComputerSkillBox: return Action::Verb::set;
    case Control::PurchaseList:
    case Control::Yourlist:
    case Control::SpellPicker:
    case Control::MagicType: return Action::Verb::select;
    default: return Action::Verb::click;
    }
}

namespace {

void click(TForm1& form, Control control)
{
    if (verbof(control) != Action::Verb::click || !accepts(form, control))
        return;
    switch (control) {
    case Control::TitleImage: form.TitleImageClick(); break;
    case Control::PlaysndBtn: form.PlaysndBtnClick(); break;
    case Control::PurchaseBtn: form.PurchaseBtnClick(); break;
    case Control::SellBtn: form.SellBtnClick(); break;
    case Control::NextPlayerBtn: form.NextPlayerBtnClick(); break;
    case Control::EndTurnBtn: form.EndTurnBtnClick(); break;
    case Control::AbilityBtn: form.AbilityBtnClick(); break;
    case Control::ComputerBox: form.ComputerBoxClick(); break;
    default: break;
    }
}

void settext(TForm1& form, Control control, const std::string& text)
{
    EditBox* box = editbox(form.controls, control);
    if (!box || !accepts(form, control) || box->text == text)
        return;
    box->text = text;
    switch (control) {
    case Control::PlayerCountSpinner: form.PlayerCountSpinnerChange(); break;
    case Control::PlayerNameEd: form.PlayerNameEdChange(); break;
    case Control::PictureBox: form.PictureBoxChange(); break;
    case Control::SndBox: form.SndBoxChange(); break;
    case Control::HealthPicker: form.HealthPickerChange(); break;
    case Control::ManaPicker: form.ManaPickerChange(); break;
    case Control::ComputerSkillBox: form.ComputerSkillBoxChange(); break;
    default: break;
    }
}

void select(TForm1& form, Control control, int row)
{
    if (verbof(control) != Action::Verb::select || !accepts(form, control))
        return;
    Controls& c = form.controls;
    switch (control) {
    case Control::MagicType:
        if (row < 0 || row > 3 || row == c.MagicType.page)
            return;
        c.MagicType.page = row;
        form.MagicTypeChange();
        return;
    case Control::PurchaseList:
        if (!c.PurchaseList.hasrow(row))
            return;
        c.PurchaseList.selected = row;
        form.PurchaseListClick();
        return;
    case Control::Yourlist:
        if (!c.Yourlist.hasrow(row))
            return;
        c.Yourlist.selected = row;
        form.YourlistClick();
        return;
    case Control::SpellPicker:
        if (!c.SpellPicker.hasrow(row))
            return;
        c.SpellPicker.selected = row;
        form.SpellPickerClick();
        return;
    default: return;
    }
}

void press(TForm1& form, int x, int y)
{
    if (form.controls.Draw.visible)
        form.DrawMouseDown(x, y);
}

}  // namespace

bool computerseat(const TForm1& form)
{
    const Controls& c = form.controls;
    if (!Players::contains(form.currentplayer) || !form.computer[form.currentplayer] || c.TitleImage.visible)
        return false;
    return c.PurchaseWindow.visible || (form.matchrunning && c.Draw.visible);
}

namespace {

// The one check of whose seat it is. The window's time, its opening and its closing
// belong to nobody; the "Computer" box and its strength stay the person's, so that a
// wizard can be taken back, or made stronger, at any moment of a visit.
bool seatrefuses(const TForm1& form, const Action& action)
{
    using Verb = Action::Verb;
    if (action.verb == Verb::start || action.verb == Verb::tick || action.verb == Verb::close)
        return false;
    const bool computers = computerseat(form);
    if (action.who == Action::Who::computer)
        return !computers;
    if (!computers)
        return false;
    return !(action.verb == Verb::click && action.control == Control::ComputerBox) &&
           !(action.verb == Verb::set && action.control == Control::ComputerSkillBox);
}

}  // namespace

void apply(TForm1& form, const Action& action)
{
    using Verb = Action::Verb;
    if (seatrefuses(form, action))
        return;
    switch (action.verb) {
    case Verb::start: form.FormCreate(); return;
    case Verb::click:
        if (action.control)
            click(form, *action.control);
        return;
    case Verb::set:
        if (action.control)
            settext(form, *action.control, action.text);
        return;
    case Verb::select:
        if (action.control)
            select(form, *action.control, action.row);
        return;
    case Verb::press: press(form, action.x, action.y); return;
    case Verb::tick:
        for (int i = 0; i < action.periods && form.controls.GameTimer.enabled; ++i)
            form.GameTimerTimer();
        return;
    case Verb::close: form.FormClose(); return;
    }
}

}  // namespace hexbrawl::input
