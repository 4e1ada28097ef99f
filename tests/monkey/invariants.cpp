// SPDX-License-Identifier: MIT
// What must hold between any two player actions, whatever the players did.
#include <cmath>
#include <sstream>

#include "tests/monkey/monkey.h"

namespace hexbrawl::monkey {

namespace {

// Builds the failure's detail from pieces.
template <typename... Parts>
Failure broken(const char* rule, const Parts&... parts)
{
    std::ostringstream detail;
    detail.precision(17);
    (detail << ... << parts);
    return {rule, detail.str()};
}

bool finite(double v) { return std::isfinite(v); }

// The live entries of a table are exactly places first..count.
template <typename Table, typename Live>
std::optional<Failure> packed(const Table& table, int count, const char* rule, const char* name, Live live)
{
    if (count < 0 || count > Table::last)
        return broken(rule, name, " count ", count, " is outside 0..", Table::last);
    for (int i = Table::first; i <= Table::last; ++i) {
        const bool inside = i < Table::first + count;
        if (live(table[i]) != inside)
            return broken(rule, name, " place ", i, inside ? " is empty" : " is live", " with count ", count);
    }
    return std::nullopt;
}

// Whether the list shows the names of the book's spells, in slot order. Checked
// after every tick, so it copies nothing.
bool lists(const std::vector<std::string>& items, const Spellbook& book, int& held)
{
    held = 0;
    bool same = true;
    for (const Tability& a : book)
        if (!a.name.empty()) {
            same = same && held < static_cast<int>(items.size()) && items[static_cast<std::size_t>(held)] == a.name;
            ++held;
        }
    return same && held == static_cast<int>(items.size());
}

}  // namespace

std::optional<Failure> checkinvariants(const TForm1& f)
{
    const Controls& c = f.controls;
    if (c.PurchaseWindow.visible && Players::contains(f.currentplayer) &&
        c.ComputerBox.checked != f.computer[f.currentplayer])
        return broken("computer-box", "the box shows ", c.ComputerBox.checked, " for wizard ", f.currentplayer);
    if (f.playercount < 1 || f.playercount > 12)
        return broken("playercount", "playercount ", f.playercount);
    if (f.currentplayer < 1 || f.currentplayer > 12)
        return broken("currentplayer", "currentplayer ", f.currentplayer);
    if (f.mode != Mode::walking && f.mode != Mode::aiming)
        return broken("mode", "mode ", static_cast<int>(f.mode));
    if (f.gamelevel < 1)
        return broken("gamelevel", "gamelevel ", f.gamelevel);

    if (auto bad = packed(f.inplay, f.inplaycount, "inplay-packed", "inplay",
                          [](const Tability& a) { return !a.name.empty(); }))
        return bad;
    if (auto bad = packed(f.obstacles, f.treecount, "obstacles-packed", "obstacles",
                          [](const Tobstacle& t) { return !t.image.empty(); }))
        return bad;
    if (f.explosioncount < 0 || f.explosioncount > Explosions::last)
        return broken("explosions-count", "explosioncount ", f.explosioncount);
    for (int p = Players::first; p <= Players::last; ++p) {
        const Spellbook& book = f.players[p].spellbook;
        int live = 0;
        while (live < Spellbook::size && !book[live].name.empty())
            ++live;
        for (int s = live; s <= Spellbook::last; ++s)
            if (!book[s].name.empty())
                return broken("spellbook-packed", "wizard ", p, " slot ", s, " is live after the empty slot ", live);
    }

    if (c.PointGauge.value < 0 || c.PointGauge.value > c.PointGauge.max)
        return broken("points", "points ", c.PointGauge.value, " of ", c.PointGauge.max);

    if (f.matchrunning) {
        int dead = 0;
        for (int p = 1; p <= f.playercount; ++p)
            if (f.players[p].hp <= 0)
                ++dead;
        if (dead != f.deadcount)
            return broken("deadcount", "deadcount ", f.deadcount, " but ", dead, " of ", f.playercount, " are dead");
    }

    for (int p = Players::first; p <= Players::last; ++p)
        if (!finite(f.players[p].x) || !finite(f.players[p].y))
            return broken("nan", "wizard ", p, " at (", f.players[p].x, ",", f.players[p].y, ")");
    for (int i = 1; i <= f.inplaycount; ++i) {
        const Tability& a = f.inplay[i];
        if (!finite(a.x) || !finite(a.y) || !finite(a.dx) || !finite(a.dy) || std::isnan(a.range))
            return broken("nan", "ability in play ", i, " at (", a.x, ",", a.y, ") moving (", a.dx, ",", a.dy, ")");
    }
    for (int i = 1; i <= f.treecount; ++i) {
        const Tobstacle& t = f.obstacles[i];
        if (!finite(t.x) || !finite(t.y) || !finite(t.width) || !finite(t.height))
            return broken("nan", "tree ", i, " at (", t.x, ",", t.y, ") size ", t.width, "x", t.height);
    }
    for (int e = 1; e <= f.explosioncount; ++e) {
        const Texplosion& x = f.explosions[e];
        if (!finite(x.x) || !finite(x.y) || !finite(x.radius) || x.radius < 0)
            return broken("nan", "explosion ", e, " at (", x.x, ",", x.y, ") radius ", x.radius);
    }

    // The Stats Editor edits the wizard whose name it shows, and lists that wizard's
    // spells: a purchase goes to the slot after the last row listed.
    const bool editing = c.PurchaseWindow.visible && !c.TitleImage.visible && !f.matchrunning;
    if (editing) {
        const std::string& name = f.players[f.currentplayer].name;
        if (c.PlayerNameEd.text != name)
            return broken("editor-name", "the editor shows '", c.PlayerNameEd.text.substr(0, 40), "' for wizard ",
                          f.currentplayer, " named '", name.substr(0, 40), "'");
        int held = 0;
        if (!lists(c.Yourlist.items, f.players[f.currentplayer].spellbook, held))
            return broken("editor-spells", "the editor lists ", c.Yourlist.items.size(), " spells for wizard ",
                          f.currentplayer, ", whose book holds ", held);
    }
    // The turn display lists the spells of the wizard in turn.
    if (f.matchrunning) {
        int held = 0;
        if (!lists(c.SpellPicker.items, f.players[f.currentplayer].spellbook, held))
            return broken("turn-spells", "the turn display lists ", c.SpellPicker.items.size(), " spells for wizard ",
                          f.currentplayer, ", whose book holds ", held);
    }
    return std::nullopt;
}

}  // namespace hexbrawl::monkey
