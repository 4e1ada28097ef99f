// SPDX-License-Identifier: MIT
// The turn start: the arena's upkeep between turns and the hand-over to the next
// wizard. It is the only way the turn passes.
#include <string>

#include "game/kinds.h"
#include "game/tform1.h"

namespace hexbrawl {

void TForm1::startgame()
{
    // The turn passes only when nothing flies.
    for (const Tability& a : inplay)
        if (!a.name.empty() && a.kind == Ranged)
            return;

    setgametimer(false);

    // Trees grow and heal; the growth steps shrink as a tree gets bigger.
    for (int i = 1; i <= treecount; ++i) {
        Tobstacle& t = obstacles[i];
        if (truncate(t.width) > 99)
            t.width = 99;
        if (truncate(t.height) > 119)
            t.height = 119;
        if (random.randomint(100 - truncate(t.width)) > 48 && t.width < 45)
            t.width = t.width + 100 / t.width;
        if (random.randomint(120 - truncate(t.height)) > 47 && t.height < 55)
            t.height = t.height + 111 / t.height;
        if (random.randomint(50) > 48 && t.hits < 25)
            ++t.hits;
    }

    // A sapling, 7 times in 100, while there is room.
    if (random.randomint(100) > 92 && treecount != Obstacles::last) {
        ++treecount;
        planttree(obstacles[treecount], sapling);
    }

    // Lasting abilities fade; the one that moves down into a faded place waits
    // for the next turn start.
    for (int i = 1; i <= Inplay::last; ++i) {
        const Tability& a = inplay[i];
        const KindFacts* facts = factsof(a.kind);
        if (a.name.empty() || !facts || !facts->lasting)
            continue;
        if (random.randomint(100) < a.range) {
            inplay.remove(i, Inplay::last, [](Tability& last) {
                last.name.clear();
                last.x = last.y = 0;
                last.mineffect = last.maxeffect = 0;
            });
            --inplaycount;
        }
    }

    controls.SpellPicker.enabled = true;
    controls.AbilityBtn.caption = "Use Ability";

    // Only one dead wizard is passed over; a second one in a row gets the turn and
    // loses it at the next tick.
    if (currentplayer >= playercount)
        currentplayer = 0;
    ++currentplayer;
    if (currentplayer <= playercount && players[currentplayer].hp <= 0)
        ++currentplayer;
    if (currentplayer > playercount)
        currentplayer = 1;

    Tplayer& w = current();
    events.add(upon(Event::turnstart, {}, 0, currentplayer, &w));
    w.walk = w.maxwalk;
    mode = Mode::walking;

    controls.Caption = w.name + " is moving...";
    message(MessageKind::info, "Player " + w.name + " its your turn.");
    controls.namelbl.caption = w.name;
    walkreadout();
    controls.HPlbl.caption = "HP: " + std::to_string(w.hp) + " / " + std::to_string(w.maxhp);
    controls.HealthPie.progress = static_cast<int>(static_cast<std::int64_t>(w.hp) * 100 / w.maxhp);
    locationreadout();
    showpicture(controls.Portrait.picture, w.portrait);
    controls.SpellPicker.clear();
    for (const Tability& slot : w.spellbook)
        if (!slot.name.empty())
            controls.SpellPicker.items.push_back(slot.name);

    if (matchrunning)
        setgametimer(true);
}

void TForm1::walkreadout()
{
    const Tplayer& w = current();
    controls.WalkLbl.caption = "Walk: " + std::to_string(w.walk) + " / " + std::to_string(w.maxwalk);
    controls.Walkpie.progress = static_cast<int>(static_cast<std::int64_t>(w.walk) * 100 / w.maxwalk);
}

void TForm1::locationreadout()
{
    const Tplayer& w = current();
    // Appended piece by piece: the chain of temporaries made GCC 12's optimiser warn
    // of an overlapping copy that cannot happen.
    std::string& caption = controls.LocationLbl.caption;
    caption = '(';
    caption += std::to_string(truncate(w.x));
    caption += ',';
    caption += std::to_string(truncate(w.y));
    caption += ')';
}

}  // namespace hexbrawl
