// SPDX-License-Identifier: MIT
// A computer's visit to the Stats Editor: a name, a body and a death cry when the
// wizard has none, then the points of this visit spent to a plan, one step at a
// time through the editor's own controls, and "Next Player".
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "game/computer/geometry.h"
#include "game/computer/tactics.h"
#include "present/catalogues.h"

namespace hexbrawl::computer {

namespace {

using input::Action;

constexpr std::array<std::string_view, 24> firsts{"Al",  "Bel", "Cor", "Dra",  "El",  "Fen", "Gor", "Hal",
                                                  "Is",  "Jor", "Kal", "Lum",  "Mor", "Nim", "Or",  "Pel",
                                                  "Quo", "Ra",  "Sar", "Thal", "Ul",  "Vor", "Wyn", "Zor"};
constexpr std::array<std::string_view, 8> middles{"a", "e", "i", "o", "u", "ae", "ia", ""};
constexpr std::array<std::string_view, 12> lasts{"dor",  "wyn", "rak", "mir", "thas", "zar",
                                                 "gorn", "lin", "vex", "ra",  "nus",  "dil"};

template <std::size_t N>
std::string_view pick(const std::array<std::string_view, N>& words, Random& dice)
{
    return words[static_cast<std::size_t>(dice.randomint(static_cast<std::int32_t>(N)))];
}

// A name of its own invention, unlike the names the other wizards have.
std::string invent(const View& view, Random& dice)
{
    for (;;) {
        std::string name =
            std::string(pick(firsts, dice)) + std::string(pick(middles, dice)) + std::string(pick(lasts, dice));
        bool taken = false;
        for (const View::Wizard& w : view.wizards)
            taken = taken || w.name == name;
        if (!taken)
            return name;
    }
}

// A body from the list, one no other wizard wears when there is such.
std::string body(const View& view, Random& dice)
{
    const std::vector<std::string>& items = view.bodies;
    std::vector<std::string> free;
    for (const std::string& item : items) {
        bool worn = false;
        for (int p = 1; p <= view.playercount; ++p)
            worn = worn || (p != view.me && view.wizard(p).portrait == item);
        if (!worn)
            free.push_back(item);
    }
    const std::vector<std::string>& from = free.empty() ? items : free;
    return from[static_cast<std::size_t>(dice.randomint(static_cast<std::int32_t>(from.size())))];
}

// How a wizard fares, roughly: its health times what it deals in a turn, the
// deal counted in full only for spells that reach from afar.
struct Wizardry {
    int hp = 1, walk = 1;
    double hop = 10;  // pixels per walk point at best
    std::vector<const Tability*> ranged;
    const Tability* lasting = nullptr;
};

double worth(const Wizardry& w, double foehp, const Skill& skill)
{
    // A turn of a fight is a move of some 80 pixels and the shots the rest pays
    // for; standing still, all of the walk shoots.
    const int move = static_cast<int>(std::ceil(80 / w.hop));
    double still = 0, moving = 0;
    for (const Tability* s : w.ranged) {
        if (s->walkcost <= 0 || s->walkcost > w.walk)
            continue;
        const double mean = Roll::of(*s).mean();
        const double reach = std::min(1.0, (s->maxrange * speed + (w.walk - s->walkcost) * w.hop) / 450);
        still = std::max(still, std::min(6, w.walk / s->walkcost) * std::min(mean, foehp * 1.2) * reach);
        const int shots = std::min(6, std::max(0, w.walk - move) / s->walkcost);
        moving = std::max(moving, std::min(shots * mean, foehp * 1.2) * reach);
    }
    double guard = 1;
    if (w.lasting && w.lasting->walkcost < w.walk)
        guard = 1 + std::min(skill.guardworth, Roll::of(*w.lasting).mean() / (foehp + 1));
    const double mobility = 1 + skill.mobility * std::min(w.hop * w.walk, 500.0) / 500;
    return std::pow(w.hp + 2, skill.toughness) * (skill.standing * still + (1 - skill.standing) * moving) * guard *
           mobility;
}

// The entries of one page worth buying with the points: none that another beats
// in price and in everything the `better` order counts.
std::vector<int> candidates(const View& view, int page, int points, bool (*better)(const Tability&, const Tability&))
{
    std::vector<int> out;
    for (int level = 1; level <= std::min(pagesize, points / 3); ++level) {
        const int e = page * pagesize + level - 1;
        bool beaten = false;
        for (int other = page * pagesize; other < e && !beaten; ++other)
            beaten = better(view.shop[static_cast<std::size_t>(other)], view.shop[static_cast<std::size_t>(e)]);
        if (!beaten)
            out.push_back(e);
    }
    return out;
}

}  // namespace

Build planbuild(const View& view)
{
    const View::Wizard& w = view.self();
    const int points = view.points;
    Wizardry base{w.maxhp, w.maxwalk, 10, {}, nullptr};
    for (const Tability& a : w.spellbook) {
        if (a.name.empty())
            continue;
        if (a.kind == Ranged)
            base.ranged.push_back(&a);
        else if (a.kind == Teleport && a.walkcost > 0)
            base.hop = std::max(base.hop, a.aim / a.walkcost);
        else if ((a.kind == Block || a.kind == Reflect) &&
                 (!base.lasting || Roll::of(a).mean() > Roll::of(*base.lasting).mean()))
            base.lasting = &a;
    }
    // The strongest of the others, or what this one will be, whichever is more.
    double foehp = 0;
    for (int p = 1; p <= view.playercount; ++p)
        if (p != view.me)
            foehp = std::max(foehp, double(view.wizard(p).maxhp));

    const std::vector<int> ranged = candidates(view, pageof(Ranged), points, [](const Tability& a, const Tability& b) {
        return a.walkcost <= b.walkcost && a.maxrange >= b.maxrange && Roll::of(a).mean() >= Roll::of(b).mean();
    });
    const std::vector<int> teleports =
        candidates(view, pageof(Teleport), points,
                   [](const Tability& a, const Tability& b) { return a.walkcost <= b.walkcost && a.aim >= b.aim; });
    // Blocks and reflects alike stand in a foe's line of fire.
    auto guards = [](const Tability& a, const Tability& b) {
        return a.walkcost <= b.walkcost && a.aim >= b.aim && Roll::of(a).mean() >= Roll::of(b).mean();
    };
    std::vector<int> blocks;
    if (view.skill.buysguard) {
        blocks = candidates(view, pageof(Block), points, guards);
        const std::vector<int> reflects = candidates(view, pageof(Reflect), points, guards);
        blocks.insert(blocks.end(), reflects.begin(), reflects.end());
    }

    Build best;
    best.planned = true;
    best.walk = w.maxwalk;
    double bestworth = -1;
    auto price = [&](int e) { return e < 0 ? 0 : 3 * view.shop[e].level; };
    std::vector<int> rs{-1}, ts{-1}, bs{-1};
    rs.insert(rs.end(), ranged.begin(), ranged.end());
    ts.insert(ts.end(), teleports.begin(), teleports.end());
    bs.insert(bs.end(), blocks.begin(), blocks.end());
    for (int r : rs)
        for (int t : ts)
            for (int b : bs) {
                const int spent = price(r) + price(t) + price(b);
                if (spent > points)
                    continue;
                for (int walk = w.maxwalk; walk <= 100 && spent + 2 * (walk - w.maxwalk) <= points; ++walk) {
                    Wizardry x = base;
                    x.walk = walk;
                    x.hp = std::min(100, w.maxhp + points - spent - 2 * (walk - w.maxwalk));
                    if (r >= 0)
                        x.ranged.push_back(&view.shop[r]);
                    if (t >= 0)
                        x.hop = std::max(x.hop, view.shop[t].aim / std::max(1, view.shop[t].walkcost));
                    if (b >= 0)
                        x.lasting = &view.shop[b];
                    const double v = worth(x, std::max(foehp, double(x.hp)), view.skill);
                    if (v > bestworth) {
                        bestworth = v;
                        best.walk = walk;
                        best.spells.clear();
                        for (int e : {r, t, b})
                            if (e >= 0)
                                best.spells.push_back(e);
                    }
                }
            }
    return best;
}

Action buildstep(const View& view, Build& build, Random& dice)
{
    const View::Wizard& w = view.self();
    if (view.nameopen && w.name.empty())
        return Action::set(Control::PlayerNameEd, invent(view, dice));
    if (view.bodyopen && w.portrait.empty() && !view.bodies.empty())
        return Action::set(Control::PictureBox, body(view, dice));
    if (view.cryopen && (w.deathcry.empty() || !tryfindwave(w.deathcry)) && !view.cries.empty())
        return Action::set(
            Control::SndBox,
            view.cries[static_cast<std::size_t>(dice.randomint(static_cast<std::int32_t>(view.cries.size())))]);
    if (!build.planned)
        build = planbuild(view);
    const int points = view.points;
    while (!build.spells.empty()) {
        const int e = build.spells.front();
        const int page = e / pagesize;
        const int row = e % pagesize;
        if (3 * (row + 1) > points) {
            build.spells.erase(build.spells.begin());
            continue;
        }
        if (view.page != page)
            return Action::select(Control::MagicType, page);
        if (view.shoprow != row)
            return Action::select(Control::PurchaseList, row);
        build.spells.erase(build.spells.begin());
        return Action::click(Control::PurchaseBtn);
    }
    if (w.maxwalk < build.walk && points >= 2)
        return Action::set(Control::ManaPicker, std::to_string(std::min(build.walk, w.maxwalk + points / 2)));
    if (points >= 1 && w.maxhp < 100)
        return Action::set(Control::HealthPicker, std::to_string(std::min(100, w.maxhp + points)));
    return Action::click(Control::NextPlayerBtn);
}

}  // namespace hexbrawl::computer
