// SPDX-License-Identifier: MIT
// "Next Player": checks a wizard, loads the next one, or lays out a new arena and
// starts the match.
#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

#include "game/tform1.h"

namespace hexbrawl {

void TForm1::NextPlayerBtnClick()
{
    playwave("button");
    const Tplayer& w = current();
    if (w.name.empty()) {
        message(MessageKind::warning, "Please enter a name");
        return;
    }
    if (w.portrait.empty()) {
        message(MessageKind::warning, "Please pick a picture");
        return;
    }
    // A typed death cry that names no sound would fail at the wizard's death,
    // in the middle of a tick, and the round could never end.
    if (w.deathcry.empty() || !tryfindwave(w.deathcry)) {
        message(MessageKind::warning, "Please pick a death cry");
        return;
    }
    // ">=": a player count lowered below the wizard being edited still starts the match.
    if (currentplayer >= playercount)
        startmatch();
    else
        loadeditor(true);
}

// Loads the wizard to edit: the next one after "Next Player", wizard 1 at the end
// of a round.
void TForm1::loadeditor(bool nextplayer)
{
    if (nextplayer)
        ++currentplayer;
    else
        currentplayer = 1;
    const Tplayer& n = current();
    settext(controls.PlayerNameEd, n.name, &TForm1::PlayerNameEdChange);
    settext(controls.PictureBox, n.portrait, nullptr);
    settext(controls.SndBox, n.deathcry, nullptr);
    controls.SellBtn.enabled = false;
    controls.ComputerBox.checked = computer[currentplayer];
    controls.ComputerSkillBox.text = computerskillnames[static_cast<std::size_t>(computerskill[currentplayer])];
    controls.ComputerSkillBox.enabled = computer[currentplayer];
    if (nextplayer)
        showpicture(controls.WizardPortrait.picture, n.portrait.empty() ? std::string("forget") : n.portrait);
    // The pickers' change rules run for the new wizard with the points the last one left.
    settext(controls.HealthPicker, std::to_string(n.maxhp), &TForm1::HealthPickerChange);
    settext(controls.ManaPicker, std::to_string(n.maxwalk), &TForm1::ManaPickerChange);
    if (nextplayer) {
        const std::int32_t points = gamelevel == 1 ? 25 : 4 * gamelevel;
        controls.PointGauge = {points, points};
        pointscaption();
    } else {
        controls.PointGauge = {gamelevel * 4, gamelevel * 4};
        controls.glLabel2.caption = "Pick Your Traits Wizard:(" + std::to_string(gamelevel * 4) + ")";
        showpicture(controls.WizardPortrait.picture, n.portrait);
    }
    refreshyourlist();
}

void TForm1::startmatch()
{
    controls.PlayerNameEd.enabled = false;
    controls.PictureBox.enabled = false;
    controls.SndBox.enabled = false;
    controls.PlayerCountSpinner.enabled = false;

    // New trees over the first n places; trees above n stay where they were.
    const std::int32_t n = random.randomint(20) + 10;
    treecount = std::max(treecount, n);
    for (int i = 1; i <= n; ++i)
        planttree(obstacles[i]);

    for (int p = 1; p <= playercount; ++p) {
        players[p].hp = players[p].maxhp;
        players[p].walk = players[p].maxwalk;
    }

    for (Tability& a : inplay) {
        a.name.clear();
        a.level = a.walkcost = a.owner = a.mineffect = a.maxeffect = 0;
        a.range = a.maxrange = a.aim = a.angle = a.x = a.y = 0;
    }
    inplaycount = 0;
    // The spent explosions are dropped by the next tick's decay.
    for (Texplosion& e : explosions)
        e.radius = 0;

    for (int c = 1; c <= 38; ++c)
        for (int r = 1; r <= 38; ++r)
            terrain[c][r] = "grass" + std::to_string(random.randomint(3) + 1);

    auto place = [this](int p, double x, double y) {
        players[p].x = x;
        players[p].y = y;
    };
    auto gauss = [this](double mean, double sd) { return random.randomgauss(mean, sd); };
    switch (playercount) {
    case 1: place(1, 365, 0); break;
    case 2:
        place(1, 365, 0);
        place(2, 365, 730);
        break;
    case 3:
        for (auto [p, mx, sx, my, sy] :
             {std::tuple{1, 365.0, 200.0, 40.0, 10.0}, std::tuple{2, 100.0, 50.0, 600.0, 50.0},
              std::tuple{3, 600.0, 50.0, 400.0, 50.0}}) {
            const double x = gauss(mx, sx);
            place(p, x, gauss(my, sy));
        }
        break;
    case 4:
        place(1, 365, 0);
        place(2, 365, 730);
        place(3, 0, 365);
        place(4, 730, 365);
        break;
    default:
        for (int p = 1; p <= Players::last; ++p) {
            const double x = gauss(365, 200);
            place(p, x, gauss(365, 200));
        }
        break;
    }
    auto clamp = [](double& v) {
        if (!(v >= 0))  // below 0, or not a number
            v = 0;
        else if (v > 730)
            v = 730;
    };
    for (int p = 1; p <= playercount; ++p) {
        clamp(players[p].x);
        clamp(players[p].y);
    }

    matchrunning = true;
    currentplayer = random.randomint(playercount) + 1;
    controls.PurchaseWindow.visible = false;
    startgame();
}

}  // namespace hexbrawl
