// SPDX-License-Identifier: MIT
#include "game/computer/geometry.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "game/catalog.h"
#include "game/computer/view.h"
#include "game/flight.h"
#include "game/tform1.h"

namespace hexbrawl::computer {

double distance(Point a, Point b) { return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y)); }

Point towards(Point from, Point to, double d)
{
    const double len = distance(from, to);
    if (len < 1e-9)
        return {from.x + d, from.y};
    return {from.x + (to.x - from.x) / len * d, from.y + (to.y - from.y) / len * d};
}

int nearestfoe(const TForm1& form, int me)
{
    const Point at = centre(form.players[me]);
    int best = 0;
    double bestd = 0;
    for (int p = 1; p <= form.playercount; ++p) {
        if (p == me || form.players[p].hp <= 0)
            continue;
        const double d = distance(at, centre(form.players[p]));
        if (!best || d < bestd) {
            best = p;
            bestd = d;
        }
    }
    return best;
}

Press aimpress(Point from, Point to, double reach)
{
    const double len = distance(from, to);
    auto within = [&](int x, int y) { return onarena(x, y) && !(reach < distance(from, {double(x), double(y)})); };
    // The target itself, or the pixel next to it, when it is within reach.
    if (len <= reach) {
        const int x = static_cast<int>(std::lround(to.x));
        const int y = static_cast<int>(std::lround(to.y));
        if (within(x, y) && distance(to, {double(x), double(y)}) < 0.75)
            return {x, y};
    }
    // Otherwise the pixel whose direction is nearest, among those near the rim of
    // the reach (the farther out, the finer the directions).
    const double ux = len < 1e-9 ? 1 : (to.x - from.x) / len;
    const double uy = len < 1e-9 ? 0 : (to.y - from.y) / len;
    Press best{static_cast<int>(std::lround(std::clamp(from.x, 0.0, edge))),
               static_cast<int>(std::lround(std::clamp(from.y, 0.0, edge)))};
    double bestcos = -2;
    const double outer = std::min(reach, std::max(len, 1.0));
    for (double r = outer; r >= std::max(1.0, outer - 2); r -= 1) {
        const double cx = from.x + ux * r;
        const double cy = from.y + uy * r;
        for (int x = static_cast<int>(std::floor(cx)); x <= static_cast<int>(std::floor(cx)) + 1; ++x)
            for (int y = static_cast<int>(std::floor(cy)); y <= static_cast<int>(std::floor(cy)) + 1; ++y) {
                if (!within(x, y))
                    continue;
                const double dx = x - from.x;
                const double dy = y - from.y;
                const double d = std::sqrt(dx * dx + dy * dy);
                if (d < 1e-9)
                    continue;
                const double cosine = (dx * ux + dy * uy) / d;
                if (cosine > bestcos) {
                    bestcos = cosine;
                    best = {x, y};
                }
            }
    }
    return best;
}

int stepcost(Point from, int x, int y) { return truncate(distance(from, {double(x), double(y)}) / stride) + 1; }

Press walkpress(Point from, Point to, int walk)
{
    // Every started 10 pixels cost a point: a step just short of a multiple of 10
    // goes farthest for its price.
    const double d = distance(from, to);
    const double most = walk * stride - 0.6;
    const Point p = d <= most ? to : towards(from, to, most);
    Press press{static_cast<int>(std::lround(std::clamp(p.x, 0.0, edge))),
                static_cast<int>(std::lround(std::clamp(p.y, 0.0, edge)))};
    // Rounding may carry the press past the reach: back it off a pixel at a time.
    while (walk * stride < distance(from, {double(press.x), double(press.y)})) {
        press.x += press.x > from.x ? -1 : press.x < from.x ? 1 : 0;
        press.y += press.y > from.y ? -1 : press.y < from.y ? 1 : 0;
    }
    return press;
}

double Roll::atleast(double v) const
{
    if (v <= lo)
        return 1;
    if (v > hi)
        return 0;
    const double first = std::ceil(v);
    return (hi - first + 1) / double(hi - lo + 1);
}

double Roll::beats(const Roll& other) const
{
    // The chance of a > b summed over the values of a, each with the share of b below it.
    const double n = double(hi - lo + 1) * double(other.hi - other.lo + 1);
    double count = 0;
    for (std::int32_t a = lo; a <= hi; ++a) {
        const std::int32_t below = std::clamp(a - other.lo, 0, other.hi - other.lo + 1);
        count += below;
    }
    return count / n;
}

double Roll::ties(const Roll& other) const
{
    const std::int32_t overlap = std::min(hi, other.hi) - std::max(lo, other.lo) + 1;
    return overlap <= 0 ? 0 : overlap / (double(hi - lo + 1) * double(other.hi - other.lo + 1));
}

int elementindex(const std::string& element)
{
    for (std::size_t i = 0; i < words::Memo1.size(); ++i)
        if (words::Memo1[i] == element)
            return static_cast<int>(i);
    return -1;
}

namespace {
// What a player knows of trees from the rules: a full-grown one stands some 5 to 9
// hits and is about 50 pixels wide, a sapling 2 to 4 hits.
constexpr std::int32_t grownhits = 7;
constexpr std::int32_t saplinghits = 3;
constexpr double grownwidth = 25;  // wider than this: taken for full-grown
}  // namespace

Board Board::of(const View& view)
{
    Board b;
    for (const View::Wizard& w : view.wizards)
        b.wizards.push_back({w.x, w.y, w.hp});
    // A tree's hits are never shown: a full-grown one is taken to have the mean a
    // new tree gets, a sapling the mean of a sapling's.
    for (const View::Tree& t : view.trees)
        b.trees.push_back({t.x, t.y, t.width, t.height, t.width >= grownwidth ? grownhits : saplinghits});
    for (const Tability& a : view.inplay)
        // One put down with its corner off the arena, or with no fading chance, is
        // gone at the next tick.
        if ((a.kind == Block || a.kind == Reflect) && a.range > 0 && a.x >= 0 && a.y >= 0 && a.x <= arenasize &&
            a.y <= arenasize)
            b.standing.push_back({a.x, a.y, a.spritewidth, a.spriteheight, a.kind, a.owner, a.mineffect, a.maxeffect,
                                  elementindex(a.element)});
    return b;
}

Flight fly(const Board& board, const Tability& spell, int owner, double boxx, double boxy, Press press, int skip)
{
    // The cast and the ticks as the game does them, expression for expression.
    const flight::Launch l = flight::launch(boxx, boxy, press.x, press.y);
    double x = l.x;
    double y = l.y;
    const double dx = l.dx;
    const double dy = l.dy;
    double range = spell.maxrange;
    const double maxrange = spell.maxrange;
    const int element = elementindex(spell.element);
    const double w = spell.spritewidth;
    const double h = spell.spriteheight;

    // Only what lies near the whole path can be met: a box about the line the
    // projectile may fly, wide enough for its own box and the bigger of the others.
    const double far = (std::max(0.0, maxrange) + 1) * speed;
    const double left = std::min(x, x + dx / speed * far) - 30 - w;
    const double right = std::max(x, x + dx / speed * far) + 30 + w;
    const double top = std::min(y, y + dy / speed * far) - 30 - h;
    const double bottom = std::max(y, y + dy / speed * far) + 30 + h;
    auto near = [&](double bx, double by, double bw, double bh) {
        return bx < right && bx + bw > left && by < bottom && by + bh > top;
    };
    std::array<std::uint8_t, 64> standing{};
    std::array<std::uint8_t, 64> trees{};
    std::size_t nstanding = 0, ntrees = 0;
    for (std::size_t j = 0; j < board.standing.size() && nstanding < standing.size(); ++j) {
        const Board::Standing& b = board.standing[j];
        if (b.element != element && static_cast<int>(j) != skip && near(b.x, b.y, b.width, b.height))
            standing[nstanding++] = static_cast<std::uint8_t>(j);
    }
    for (std::size_t t = 0; t < board.trees.size() && ntrees < trees.size(); ++t) {
        const Board::Tree& T = board.trees[t];
        if (near(T.x, T.y, T.width, T.height))
            trees[ntrees++] = static_cast<std::uint8_t>(t);
    }
    std::array<std::uint8_t, 16> wizards{};
    std::size_t nwizards = 0;
    for (std::size_t p = 0; p < board.wizards.size() && nwizards < wizards.size(); ++p) {
        const Board::Wizard& W = board.wizards[p];
        if (static_cast<int>(p) + 1 != owner && W.hp > 0 && near(W.x, W.y, wizardsize, wizardsize))
            wizards[nwizards++] = static_cast<std::uint8_t>(p);
    }
    Flight f;
    for (int tick = 1;; ++tick) {
        const bool on = flight::move(x, y, range, dx, dy, true);
        f.ticks = tick;
        f.x = x;
        f.y = y;
        if (!on) {
            f.end = Flight::End::expired;
            return f;
        }
        const flight::Box me{x, y, w, h};
        if (flight::pastspellgrace(range, maxrange)) {
            for (std::size_t i = 0; i < nstanding; ++i) {
                const Board::Standing& b = board.standing[standing[i]];
                if (flight::meetsspell(me, {b.x, b.y, b.width, b.height})) {
                    f.end = Flight::End::standing;
                    f.index = standing[i];
                    return f;
                }
            }
        }
        if (flight::pasttreegrace(range, maxrange))
            for (std::size_t i = 0; i < ntrees; ++i) {
                const Board::Tree& T = board.trees[trees[i]];
                if (flight::meetstree(me, {T.x, T.y, T.width, T.height})) {
                    f.end = Flight::End::tree;
                    f.index = trees[i];
                    return f;
                }
            }
        // In the order of the wizards, as the game tests them.
        for (std::size_t i = 0; i < nwizards; ++i) {
            const Board::Wizard& W = board.wizards[wizards[i]];
            if (flight::meetswizard(me, W.x, W.y)) {
                f.end = Flight::End::wizard;
                f.index = wizards[i] + 1;
                return f;
            }
        }
    }
}

}  // namespace hexbrawl::computer
