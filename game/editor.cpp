// SPDX-License-Identifier: MIT
// The trait editor: player count, name, body, death cry, health and walk.
#include <algorithm>
#include <limits>
#include <string>

#include "game/tform1.h"

namespace hexbrawl {

std::int32_t spinvalue(std::string_view text, std::int32_t lo, std::int32_t hi)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return 1;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 1;
    // Any number of digits: past the int32 range the value only needs to saturate.
    std::int64_t value = 0;
    for (char c : text) {
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int32_t>::max())
            break;
    }
    if (negative)
        value = -value;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, lo, hi));
}

std::int32_t TForm1::budget() const { return controls.PointGauge.max; }

void TForm1::setpoints(std::int32_t points)
{
    controls.PointGauge.value = std::clamp(points, 0, controls.PointGauge.max);
}

void TForm1::pointscaption()
{
    controls.glLabel2.caption = "Pick Your Traits Wizard: (" + std::to_string(controls.PointGauge.value) + ")";
}

void TForm1::settext(EditBox& box, const std::string& text, void (TForm1::*change)())
{
    if (box.text == text)
        return;
    box.text = text;
    if (change)
        (this->*change)();
}

void TForm1::PlayerCountSpinnerChange()
{
    playercount = spinvalue(controls.PlayerCountSpinner.text, 1, 12);
    playwave("click");
}

void TForm1::PlayerNameEdChange() { current().name = controls.PlayerNameEd.text; }

void TForm1::PictureBoxChange()
{
    // An unknown name throws here, before anything is stored.
    showpicture(controls.WizardPortrait.picture, controls.PictureBox.text);
    current().portrait = controls.PictureBox.text;
    playwave("click");
}

void TForm1::SndBoxChange()
{
    current().deathcry = controls.SndBox.text;
    playwave("click");
}

void TForm1::ComputerBoxClick()
{
    computer[currentplayer] = !computer[currentplayer];
    controls.ComputerBox.checked = computer[currentplayer];
    controls.ComputerSkillBox.enabled = computer[currentplayer];
    playwave("click");
}

void TForm1::ComputerSkillBoxChange()
{
    const std::string& text = controls.ComputerSkillBox.text;
    for (std::size_t s = 0; s < computerskillnames.size(); ++s)
        if (text == computerskillnames[s]) {
            computerskill[currentplayer] = static_cast<ComputerSkill>(s);
            playwave("click");
            return;
        }
    // Only the three strengths are known: the box keeps the one it had.
    controls.ComputerSkillBox.text = computerskillnames[static_cast<std::size_t>(computerskill[currentplayer])];
}

void TForm1::PlaysndBtnClick() { playwave(current().deathcry); }

// Health and walk are bought per unit at `price` points, reckoned from the stored
// maximum. A refused or clamped change puts the picker back to the stored maximum,
// and that change of text runs the rule once more.
void TForm1::traitchange(EditBox& picker, std::int32_t Tplayer::*max, std::int32_t Tplayer::*now, std::int32_t price)
{
    for (;;) {
        playwave("click");
        Tplayer& w = current();
        const std::int32_t v = spinvalue(picker.text, 1, 100);
        const std::int32_t m = w.*max;
        const std::int32_t points = controls.PointGauge.value;
        if (v < m && !picker.text.empty() && points < budget()) {
            w.*max = w.*now = v;
            setpoints(points + price * (m - v));
            pointscaption();
        } else if (v > m && !picker.text.empty() && points >= price * (v - m)) {
            w.*max = w.*now = v;
            setpoints(points - price * (v - m));
            pointscaption();
        }
        const std::string shown = std::to_string(w.*max);
        if (picker.text == shown)
            return;
        picker.text = shown;
    }
}

void TForm1::HealthPickerChange() { traitchange(controls.HealthPicker, &Tplayer::maxhp, &Tplayer::hp, 1); }

void TForm1::ManaPickerChange() { traitchange(controls.ManaPicker, &Tplayer::maxwalk, &Tplayer::walk, 2); }

}  // namespace hexbrawl
