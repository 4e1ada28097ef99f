// SPDX-License-Identifier: MIT
#include "game/controls.h"

#include <array>
#include <utility>

namespace hexbrawl {

namespace {
constexpr std::array<std::pair<Control, std::string_view>, controlcount> names{{
    {Control::TitleImage, "TitleImage"},
    {Control::PlaysndBtn, "PlaysndBtn"},
    {Control::PurchaseBtn, "PurchaseBtn"},
    {Control::SellBtn, "SellBtn"},
    {Control::NextPlayerBtn, "NextPlayerBtn"},
    {Control::EndTurnBtn, "EndTurnBtn"},
    {Control::AbilityBtn, "AbilityBtn"},
    {Control::PlayerCountSpinner, "PlayerCountSpinner"},
    {Control::PlayerNameEd, "PlayerNameEd"},
    {Control::PictureBox, "PictureBox"},
    {Control::SndBox, "SndBox"},
    {Control::HealthPicker, "HealthPicker"},
    {Control::ManaPicker, "ManaPicker"},
    {Control::PurchaseList, "PurchaseList"},
    {Control::Yourlist, "Yourlist"},
    {Control::SpellPicker, "SpellPicker"},
    {Control::MagicType, "MagicType"},
    {Control::ComputerBox, "ComputerBox"},
    {Control::ComputerSkillBox, "ComputerSkillBox"},
}};
}  // namespace

std::optional<Control> controlbyname(std::string_view name)
{
    for (const auto& [control, n] : names)
        if (n == name)
            return control;
    return std::nullopt;
}

std::string_view controlname(Control control)
{
    for (const auto& [c, n] : names)
        if (c == control)
            return n;
    return {};
}

}  // namespace hexbrawl
