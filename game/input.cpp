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
    default: return nullptr;
    }
}

}  // namespace

bool accepts(const TForm1& form, Control control)
{
    const Controls& c = form.controls;
    if (control == Control::TitleImage)
        return c.TitleImage;
    if (ineditor(control) && !c.PurchaseWindow)
        return false;
    if (control == Control::SellBtn)
        return c.SellBtnEnabled;
    if (control == Control::SpellPicker)
        return c.SpellPickerEnabled;
    if (const EditBox* box = editbox(c, control))
        return box->enabled;
    return true;
}

Action actionof(Control control)
{
    switch (control) {
    case Control::PlayerCountSpinner:
    case Control::PlayerNameEd:
    case Control::PictureBox:
    case Control::SndBox:
    case Control::HealthPicker:
    case Control::ManaPicker: return Action::settext;
    case Control::PurchaseList:
    case Control::Yourlist:
    case Control::SpellPicker:
    case Control::MagicType: return Action::select;
    default: return Action::click;
    }
}

void click(TForm1& form, Control control)
{
    if (actionof(control) != Action::click || !accepts(form, control))
        return;
    switch (control) {
    case Control::TitleImage: form.TitleImageClick(); break;
    case Control::PlaysndBtn: form.PlaysndBtnClick(); break;
    case Control::PurchaseBtn: form.PurchaseBtnClick(); break;
    case Control::SellBtn: form.SellBtnClick(); break;
    case Control::NextPlayerBtn: form.NextPlayerBtnClick(); break;
    case Control::EndTurnBtn: form.EndTurnBtnClick(); break;
    case Control::AbilityBtn: form.AbilityBtnClick(); break;
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
    default: break;
    }
}

void select(TForm1& form, Control control, int row)
{
    if (actionof(control) != Action::select || !accepts(form, control))
        return;
    Controls& c = form.controls;
    switch (control) {
    case Control::MagicType:
        if (row < 0 || row > 3 || row == c.MagicType)
            return;
        c.MagicType = row;
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
    if (form.controls.Draw)
        form.DrawMouseDown(x, y);
}

void tick(TForm1& form)
{
    if (form.controls.GameTimer)
        form.GameTimerTimer();
}

}  // namespace hexbrawl::input
