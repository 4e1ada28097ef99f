// SPDX-License-Identifier: MIT
// The turn display: "END TURN", the ability list and the ability button.
#include <cstdio>
#include <string>

#include "game/kinds.h"
#include "game/tform1.h"

namespace hexbrawl {

namespace {

// General floating format: at most 15 significant digits, no trailing zeros.
std::string general(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", v);
    std::string s = text;
    return s == "-0" ? "0" : s;
}

}  // namespace

const Tability* TForm1::selectedability()
{
    const int row = controls.SpellPicker.selected;
    if (row < 0 || !Spellbook::contains(row))
        return nullptr;
    return &current().spellbook[row];
}

void TForm1::EndTurnBtnClick()
{
    if (!matchrunning)
        return;
    startgame();
    playwave("button");
    firstturn = false;
}

void TForm1::SpellPickerClick()
{
    playwave("click");
    const Tability* a = selectedability();
    if (!a)
        return;
    std::vector<std::string>& info = controls.AbilityInfo.lines;
    info.clear();
    info.push_back(a->name);
    info.emplace_back("-------------");
    if (const KindFacts* k = factsof(a->kind))
        info.emplace_back(k->hudline);
    info.push_back("Level: " + std::to_string(a->level));
    info.push_back("Walk Cost: " + std::to_string(a->walkcost));
    info.push_back("Range: " + general(a->range));
    info.push_back("Aim: " + general(a->aim));
    info.push_back("Min Effect: " + std::to_string(a->mineffect));
    info.push_back("Max Effect: " + std::to_string(a->maxeffect));
}

void TForm1::AbilityBtnClick()
{
    ListBox& list = controls.SpellPicker;
    if (list.selected < 0 && !list.items.empty())
        list.selected = 0;
    if (mode == Mode::walking) {
        const Tability* a = selectedability();
        if (!a || a->walkcost > current().walk)
            return;
        if (firstturn && a->kind == Ranged) {
            playwave("click");
            return;
        }
        playwave("cast");
        mode = Mode::aiming;
        controls.SpellPicker.enabled = false;
        controls.SpellPicker.color = FontColor::red;
        controls.AbilityBtn.caption = "Cancel";
    } else if (mode == Mode::aiming) {
        playwave("click");
        controls.AbilityBtn.caption = "Use Ability";
        mode = Mode::walking;
        controls.SpellPicker.enabled = true;
        controls.SpellPicker.color = FontColor::yellow;
    }
}

}  // namespace hexbrawl
