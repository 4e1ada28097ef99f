// SPDX-License-Identifier: MIT
#include "game/computer/view.h"

#include <algorithm>

#include <bit>

#include "game/tform1.h"

namespace hexbrawl::computer {

Skill Skill::of(ComputerSkill skill)
{
    Skill s;
    switch (skill) {
    case ComputerSkill::Easy:
        // A beginner: it sees fewer ways, aims roughly, walks without much thought of
        // the next turn and often forgets to guard.
        s.rays = 6;
        s.plans = 2;
        s.targets = 1;
        s.aimerror = 9;
        s.caution = 0.35;
        s.eagerness = 0.3;
        s.defend = 0.3;
        s.buysguard = false;
        break;
    case ComputerSkill::Normal:
        // It looks for a better place to withdraw to after its shots in more directions.
        s.withdrawrays = 12;
        break;
    case ComputerSkill::Hard:
        // It looks at many more places, knows how far a foe's shot really flies (to the
        // edge of its box, after the steps its walk pays for) and minds it nearly as much
        // as what it deals, and builds a sturdier wizard that reaches far with walk and
        // teleports.
        s.rays = 24;
        s.plans = 14;
        s.targets = 4;
        s.caution = 0.95;
        s.withdrawrays = 24;
        s.eagerness = 0.5;
        s.standing = 0.1;
        s.mobility = 3;
        s.toughness = 3;
        s.foemargin = -16;
        break;
    }
    return s;
}

namespace {

// The strength of a spell as the catalogue shows it: a clash may have weakened the
// one standing, but a player sees only the entry. The owner's spellbook is the
// first place to look, the shop the next.
void asshown(const TForm1& form, Tability& a)
{
    auto same = [&a](const Tability& e) { return e.kind == a.kind && e.name == a.name && e.level == a.level; };
    if (Players::contains(a.owner))
        for (const Tability& e : form.players[a.owner].spellbook)
            if (same(e)) {
                a.mineffect = e.mineffect;
                a.maxeffect = e.maxeffect;
                return;
            }
    for (const Tability& e : form.catalog)
        if (same(e)) {
            a.mineffect = e.mineffect;
            a.maxeffect = e.maxeffect;
            return;
        }
}

std::vector<Tability> rowsof(const Spellbook& book)
{
    int last = Spellbook::first - 1;
    for (int row = Spellbook::first; row <= Spellbook::last; ++row)
        if (!book[row].name.empty())
            last = row;
    std::vector<Tability> rows;
    rows.reserve(static_cast<std::size_t>(last + 1) - static_cast<std::size_t>(Spellbook::first));
    for (int row = Spellbook::first; row <= last; ++row)
        rows.push_back(book[row]);
    return rows;
}

}  // namespace

View View::of(const TForm1& form)
{
    View v;
    v.me = form.currentplayer;
    v.playercount = form.playercount;
    v.level = form.gamelevel;
    if (Players::contains(form.currentplayer))
        v.strength = form.computerskill[form.currentplayer];
    v.skill = Skill::of(v.strength);
    // The wizard being edited may stand past the count of players, once the count has
    // been lowered in the Stats Editor: it is shown all the same.
    const int shown = std::max(form.playercount, Players::contains(form.currentplayer) ? form.currentplayer : 0);
    for (int p = 1; p <= shown; ++p) {
        const Tplayer& w = form.players[p];
        v.wizards.push_back(
            {w.name, w.portrait, w.deathcry, w.x, w.y, w.hp, w.maxhp, w.walk, w.maxwalk, rowsof(w.spellbook)});
    }
    for (const Tobstacle& t : form.obstacles)
        if (!t.image.empty())
            v.trees.push_back({t.x, t.y, t.width, t.height});
    for (const Tability& a : form.inplay)
        if (!a.name.empty()) {
            v.inplay.push_back(a);
            asshown(form, v.inplay.back());
        }
    v.full = form.inplaycount >= Inplay::last;
    const Controls& c = form.controls;
    v.firstturn = form.firstturn;
    v.mode = form.mode;
    v.rows = static_cast<int>(c.SpellPicker.items.size());
    v.selected = c.SpellPicker.selected;
    v.editing = c.PurchaseWindow.visible;
    if (v.editing) {
        v.points = c.PointGauge.value;
        v.page = c.MagicType.page;
        v.shoprow = c.PurchaseList.selected;
        v.nameopen = c.PlayerNameEd.enabled;
        v.bodyopen = c.PictureBox.enabled;
        v.cryopen = c.SndBox.enabled;
        v.bodies = c.PictureBox.items;
        v.cries = c.SndBox.items;
        for (const Tability& a : form.catalog)
            v.shop.push_back(a);
    }
    return v;
}

std::uint64_t View::hash() const
{
    std::uint64_t h = 1469598103934665603ull;
    auto mixin = [&h](std::uint64_t x) { h = (h ^ x) * 1099511628211ull; };
    auto real = [&](double d) { mixin(std::bit_cast<std::uint64_t>(d)); };
    auto text = [&](const std::string& s) {
        for (char ch : s)
            mixin(static_cast<unsigned char>(ch));
        mixin(0xff);
    };
    auto spell = [&](const Tability& a) {
        text(a.name);
        mixin(static_cast<std::uint64_t>(a.kind));
        mixin(static_cast<std::uint64_t>(a.owner));
        mixin(static_cast<std::uint64_t>(a.mineffect));
        mixin(static_cast<std::uint64_t>(a.maxeffect));
        mixin(static_cast<std::uint64_t>(a.walkcost));
        real(a.x);
        real(a.y);
        real(a.dx);
        real(a.dy);
        real(a.range);
    };
    mixin(static_cast<std::uint64_t>(me));
    mixin(static_cast<std::uint64_t>(playercount));
    mixin(static_cast<std::uint64_t>(level));
    mixin(static_cast<std::uint64_t>(strength));
    for (const Wizard& w : wizards) {
        text(w.name);
        real(w.x);
        real(w.y);
        mixin(static_cast<std::uint64_t>(w.hp));
        mixin(static_cast<std::uint64_t>(w.maxhp));
        mixin(static_cast<std::uint64_t>(w.walk));
        mixin(static_cast<std::uint64_t>(w.maxwalk));
        mixin(w.spellbook.size());
        for (const Tability& a : w.spellbook)
            spell(a);
    }
    for (const Tree& t : trees) {
        real(t.x);
        real(t.y);
        real(t.width);
        real(t.height);
    }
    mixin(inplay.size());
    for (const Tability& a : inplay)
        spell(a);
    mixin(full);
    mixin(firstturn);
    mixin(static_cast<std::uint64_t>(mode));
    mixin(static_cast<std::uint64_t>(rows));
    mixin(static_cast<std::uint64_t>(selected));
    mixin(editing);
    mixin(static_cast<std::uint64_t>(points));
    mixin(static_cast<std::uint64_t>(page));
    mixin(static_cast<std::uint64_t>(shoprow));
    return h;
}

}  // namespace hexbrawl::computer
