// SPDX-License-Identifier: MIT
// The generator: what a player (or a cat on the keyboard) might do next.
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

#include "game/computer/geometry.h"
#include "tests/monkey/monkey.h"

namespace hexbrawl::monkey {

namespace {

using computer::centre;
using computer::distance;
using computer::Point;
using computer::towards;
using input::Action;

Command click(Control c) { return Action::click(c); }
Command set(Control c, std::string text) { return Action::set(c, std::move(text)); }
Command select(Control c, int row) { return Action::select(c, row); }
Command tick(int periods) { return Action::tick(periods); }

Command press(double x, double y)
{
    auto onarena = [](double v) { return static_cast<int>(std::clamp(std::lround(v), 0L, 749L)); };
    return Action::press(onarena(x), onarena(y));
}

constexpr std::array clickable{Control::TitleImage,    Control::PlaysndBtn, Control::PurchaseBtn, Control::SellBtn,
                               Control::NextPlayerBtn, Control::EndTurnBtn, Control::AbilityBtn};
constexpr std::array typeable{Control::PlayerCountSpinner, Control::PlayerNameEd, Control::PictureBox, Control::SndBox,
                              Control::HealthPicker,       Control::ManaPicker};
constexpr std::array selectable{Control::PurchaseList, Control::Yourlist, Control::SpellPicker, Control::MagicType};

// Texts a player might type or paste into any field.
const char* const hostile[] = {
    "",
    " ",
    "-5",
    "0",
    "abc",
    "99999999999999999999",
    "-99999999999999999999",
    "2147483648",
    "-2147483649",
    " 7 ",
    "+3",
    "1e3",
    "0x1F",
    "\xd9\xa3",
    "12abc",
    "<b>x</b>",
    "<img src=x>",
    "&amp;",
    "%s%n%x",
    "\\",
    "\"",
    "'; --",
    "\t",
    "\x1b[31mred",
    "\x7f",
    "\xff\xfe",
    "\xc0\x80",
    "\xed\xa0\x80",
    "\xe2\x82",
    "\xf4\x90\x80\x80",
    "\xef\xbb\xbf",
    "#not a comment",
    " leading",
    "trailing ",
    "wizard1",
    "WIZARD12",
    "Wizard0",
    "wizard",
    "forget",
    "blood",
    "tree2",
    "fireball",
    "Death1",
    "DEATH3",
    "death9",
    "click",
    "teleport",
    "grass1",
};

const char* const names[] = {"Alma",    "Zed", "Merlin the Grey", "\xc3\x86gir", "\xe6\x97\xa5\xe6\x9c\xac",
                             "O'Brien", "x",   "Anna-Lena",       "Bob",         "Quennick",
                             "Morgana", "Tim"};

std::string decimal(std::int64_t v) { return std::to_string(v); }

std::vector<int> enemies(const TForm1& f)
{
    std::vector<int> out;
    for (int p = 1; p <= f.playercount; ++p)
        if (p != f.currentplayer && f.players[p].hp > 0)
            out.push_back(p);
    return out;
}

// The ticks until the first projectile in flight runs out of range (at most 10),
// or 0 when nothing flies.
int flight(const TForm1& f)
{
    int left = 0;
    for (const Tability& a : f.inplay)
        if (!a.name.empty() && a.kind == Ranged) {
            const int t = std::clamp(static_cast<int>(std::ceil(a.range)), 1, 10);
            left = left ? std::min(left, t) : t;
        }
    return left;
}

}  // namespace

Generator::Generator(std::uint64_t seed, GeneratorOptions options)
    : dice_(seed ^ 0x6A09E667F3BCC908ull), options_(options)
{
    // A few scripts start at the ends of the seed range.
    gameseed_ = seed % 97 == 1 ? 0u : seed % 97 == 2 ? 4294967295u : static_cast<std::uint32_t>(dice_.next());
    if (options_.players) {
        wanted_ = options_.players;
    } else {
        const int r = dice_.below(100);
        wanted_ = r < 10 ? 1 : r < 45 ? 2 : r < 75 ? dice_.between(3, 4) : dice_.between(5, 12);
    }
}

Command Generator::first() { return Action::start(gameseed_); }

Command Generator::planned()
{
    Command c = plan_.front();
    plan_.pop_front();
    return c;
}

Command Generator::next(const TForm1& f)
{
    if (dice_.permille(options_.noise))
        return noise(f);
    if (!plan_.empty())
        return planned();
    if (f.controls.TitleImage.visible)
        return title();
    if (f.matchrunning)
        return match(f);
    if (f.controls.PurchaseWindow.visible)
        return options_.purposeful ? purposefuleditor(f) : editor(f);
    return noise(f);
}

Command Generator::title() { return click(Control::TitleImage); }

std::string Generator::anycase(std::string_view name)
{
    std::string s(name);
    const int r = dice_.below(100);
    if (r < 70)
        return s;
    for (char& ch : s) {
        const bool upper = r < 85 || dice_.below(2);
        ch = static_cast<char>(upper ? std::toupper(static_cast<unsigned char>(ch))
                                     : std::tolower(static_cast<unsigned char>(ch)));
    }
    return s;
}

std::string Generator::junk()
{
    const int r = dice_.below(1000);
    if (r < 3) {
        // A pasted novel: ten thousand letters, or bytes.
        std::string s(10000, static_cast<char>('a' + dice_.below(26)));
        if (dice_.below(2))
            for (char& ch : s)
                ch = static_cast<char>(dice_.between(0x20, 0xFF));
        return s;
    }
    if (r < 400)
        return hostile[dice_.below(static_cast<int>(std::size(hostile)))];
    if (r < 600)
        return decimal(dice_.between(-300, 300));
    if (r < 800) {
        std::string s(static_cast<std::size_t>(dice_.between(1, 24)), ' ');
        for (char& ch : s) {
            ch = static_cast<char>(dice_.below(256));
            if (ch == '\n')
                ch = ' ';
        }
        // The runner drops a carriage return at the end of a line.
        if (s.back() == '\r')
            s.back() = 'r';
        return s;
    }
    if (dice_.below(2))
        return anycase(pictures()[static_cast<std::size_t>(dice_.below(picturecount))].name);
    return anycase(waves()[static_cast<std::size_t>(dice_.below(wavecount))].name);
}

std::string Generator::wizardname()
{
    if (dice_.below(100) < 20)
        return junk();
    return names[dice_.below(static_cast<int>(std::size(names)))];
}

int Generator::junkrow(int rows)
{
    switch (dice_.below(12)) {
    case 0: return INT_MIN;
    case 1: return -1000000;
    case 2: return -2;
    case 3: return -1;
    case 4: return 0;
    case 5: return rows - 1;
    case 6: return rows;
    case 7: return rows + 1;
    case 8: return 99;
    case 9: return 100;
    case 10: return INT_MAX;
    default: return dice_.below(rows + 4);
    }
}

Command Generator::noise(const TForm1& f)
{
    const Controls& c = f.controls;
    const int r = dice_.below(100);
    if (r < 18) {
        // The purposeful sessions stay as they were before computers came: no box for them.
        if (!options_.purposeful && dice_.below(20) == 0)
            return click(Control::ComputerBox);
        return click(clickable[static_cast<std::size_t>(dice_.below(clickable.size()))]);
    }
    if (r < 50)
        return set(typeable[static_cast<std::size_t>(dice_.below(typeable.size()))], junk());
    if (r < 68) {
        const Control list = selectable[static_cast<std::size_t>(dice_.below(selectable.size()))];
        if (list == Control::MagicType)  // the runner knows tabs 0..3 only
            return select(list, dice_.below(4));
        const ListBox& box = list == Control::PurchaseList ? c.PurchaseList
                             : list == Control::Yourlist   ? c.Yourlist
                                                           : c.SpellPicker;
        return select(list, junkrow(static_cast<int>(box.items.size())));
    }
    if (r < 86)
        return press(dice_.between(0, arenasize - 1), dice_.between(0, arenasize - 1));
    if (r < 97) {
        const int k = dice_.below(100);
        return tick(k < 70 ? dice_.between(1, 3) : k < 97 ? dice_.between(4, 30) : dice_.between(31, 150));
    }
    return dice_.below(5) ? Output::state : Output::catalog;
}

Command Generator::editor(const TForm1& f)
{
    const Controls& c = f.controls;
    const Tplayer& w = f.players[f.currentplayer];
    if (visit_ != std::pair{f.gamelevel, f.currentplayer}) {
        visit_ = {f.gamelevel, f.currentplayer};
        visitsteps_ = 0;
    }
    ++visitsteps_;

    // Now and then a wizard goes to the computer, or comes back from it, mid-visit.
    if (dice_.below(100) < 3)
        return click(Control::ComputerBox);
    if (c.PlayerCountSpinner.enabled && f.playercount != wanted_) {
        const int r = dice_.below(10);
        std::string text = decimal(wanted_);
        if (r < 2)
            text.insert(text.begin(), r == 0 ? ' ' : '0');
        return set(Control::PlayerCountSpinner, std::move(text));
    }
    if (c.PlayerNameEd.enabled && w.name.empty())
        return set(Control::PlayerNameEd, wizardname());
    if (c.PictureBox.enabled && w.portrait.empty() && !c.PictureBox.items.empty())
        return set(Control::PictureBox, anycase(c.PictureBox.items[static_cast<std::size_t>(
                                            dice_.below(static_cast<int>(c.PictureBox.items.size())))]));
    if (c.SndBox.enabled && (w.deathcry.empty() || !tryfindwave(w.deathcry)) && !c.SndBox.items.empty())
        return set(
            Control::SndBox,
            anycase(c.SndBox.items[static_cast<std::size_t>(dice_.below(static_cast<int>(c.SndBox.items.size())))]));

    // Most wizards get the walk to cast their first spell before they go.
    const int points = c.PointGauge.value;
    if (w.maxwalk < 3 && points >= 4 && dice_.below(100) < 60)
        return set(Control::ManaPicker, decimal(dice_.between(3, std::min(100, w.maxwalk + points / 2))));
    if (visitsteps_ > 3 && dice_.below(100) < 5 + 3 * visitsteps_)
        return click(Control::NextPlayerBtn);
    const int r = dice_.below(100);
    if (r < 20)
        return set(Control::HealthPicker, decimal(dice_.between(1, std::min(100, w.maxhp + points))));
    if (r < 45)
        return set(Control::ManaPicker,
                   decimal(dice_.between(std::max(1, w.maxwalk - 2), std::min(100, w.maxwalk + points / 2))));
    if (r < 75) {
        const int tab = dice_.below(100) < 60 ? 0 : dice_.between(1, 3);
        if (tab != c.MagicType.page)
            plan_.push_back(select(Control::MagicType, tab));
        const int dearest = std::min(99, points / 3 - 1);
        plan_.push_back(select(Control::PurchaseList, dearest < 0 ? dice_.below(100) : dice_.below(dearest + 1)));
        plan_.push_back(click(Control::PurchaseBtn));
    } else if (r < 85 && !c.Yourlist.items.empty()) {
        plan_.push_back(select(Control::Yourlist, dice_.below(static_cast<int>(c.Yourlist.items.size()))));
        plan_.push_back(click(Control::SellBtn));
    } else if (r < 93) {
        return select(Control::PurchaseList, dice_.below(100));
    } else {
        return click(Control::PlaysndBtn);
    }
    if (plan_.empty())
        return click(Control::NextPlayerBtn);
    return planned();
}

Command Generator::purposefuleditor(const TForm1& f)
{
    const Controls& c = f.controls;
    const Tplayer& w = f.players[f.currentplayer];
    if (visit_ != std::pair{f.gamelevel, f.currentplayer}) {
        visit_ = {f.gamelevel, f.currentplayer};
        visitsteps_ = 0;
    }
    ++visitsteps_;
    if (c.PlayerCountSpinner.enabled && f.playercount != wanted_)
        return set(Control::PlayerCountSpinner, decimal(wanted_));
    if (c.PlayerNameEd.enabled && w.name.empty())
        return set(Control::PlayerNameEd, wizardname());
    if (c.PictureBox.enabled && w.portrait.empty())
        return set(Control::PictureBox, "wizard" + decimal(dice_.between(1, 12)));
    if (c.SndBox.enabled && (w.deathcry.empty() || !tryfindwave(w.deathcry)))
        return set(Control::SndBox, "Death" + decimal(dice_.between(1, 3)));
    // A visit that went nowhere (its plans undone by junk) ends all the same.
    if (visitsteps_ > 40)
        return click(Control::NextPlayerBtn);

    const int points = c.PointGauge.value;
    const Spellbook& book = w.spellbook;
    if (c.MagicType.page != 0)
        return select(Control::MagicType, 0);

    // A full book buys nothing: the weakest shop spell goes back first.
    int count = 0;
    int weakest = -1;
    int weakestlevel = INT_MAX;
    for (; count < Spellbook::size && !book[count].name.empty(); ++count)
        for (int i = 0; i < 100; ++i)
            if (f.catalog[i].name == book[count].name) {
                if (book[count].level < weakestlevel) {
                    weakestlevel = book[count].level;
                    weakest = count;
                }
                break;
            }
    if (count >= 16 && weakest >= 0 && points < 3 * 100 && visitsteps_ < 10) {
        plan_.push_back(select(Control::Yourlist, weakest));
        plan_.push_back(click(Control::SellBtn));
    }

    // Enough walk to cast what the points can buy, then the dearest such spell, then
    // whatever is left on health.
    const int wantwalk = std::clamp(c.PointGauge.max / 12 + 3, 3, 40);
    if (plan_.empty() && w.maxwalk < wantwalk && points >= 2 + 3) {
        const int raise = std::min(wantwalk - w.maxwalk, (points - 3) / 2);
        if (raise > 0)
            return set(Control::ManaPicker, decimal(w.maxwalk + raise));
    }
    if (plan_.empty() && points >= 3 && visitsteps_ < 20) {
        for (int level = std::min(100, points / 3); level >= 1; --level)
            if (f.catalog[level - 1].walkcost <= w.maxwalk) {
                plan_.push_back(select(Control::PurchaseList, level - 1));
                plan_.push_back(click(Control::PurchaseBtn));
                break;
            }
    }
    if (plan_.empty() && points >= 1 && w.maxhp < 100)
        return set(Control::HealthPicker, decimal(std::min(100, w.maxhp + points)));
    if (plan_.empty())
        return click(Control::NextPlayerBtn);
    return planned();
}

Command Generator::match(const TForm1& f)
{
    const Controls& c = f.controls;
    const Tplayer& w = f.players[f.currentplayer];
    // Tick until the projectiles land, in steps no longer than the shortest flight
    // left, so that little time passes idle after they land.
    if (const int left = flight(f))
        return tick(options_.purposeful ? left : dice_.between(1, left));
    // A spent or dead wizard's turn passes at the next tick.
    if (w.hp < 1 || w.walk <= 0)
        return tick(1);

    if (f.mode == Mode::aiming) {
        const int row = c.SpellPicker.selected;
        const Tability* a = Spellbook::contains(row) ? &w.spellbook[row] : nullptr;
        if (!a || a->name.empty() || dice_.permille(40))
            return click(Control::AbilityBtn);  // Cancel
        return aim(f, *a);
    }

    // Rows the wizard could cast now.
    std::vector<int> castable;
    int best = -1;
    for (int row = 0; row < static_cast<int>(c.SpellPicker.items.size()); ++row) {
        const Tability& a = w.spellbook[row];
        if (a.walkcost > w.walk || (f.firstturn && a.kind == Ranged))
            continue;
        castable.push_back(row);
        if (a.kind == Ranged && (best < 0 || a.maxeffect > w.spellbook[best].maxeffect))
            best = row;
    }
    const std::vector<int> foes = enemies(f);
    const Point me = centre(w);
    auto cast = [&](int row) {
        if (c.SpellPicker.selected != row)
            plan_.push_back(select(Control::SpellPicker, row));
        plan_.push_back(click(Control::AbilityBtn));
        return planned();
    };
    auto walk = [&](Point to, double most) {
        // Inside the walk circle: a step of d pixels costs truncate(d / 10) + 1 points.
        const double reach = std::min(most, w.walk * 10.0 - 1);
        const Point p = towards(me, to, std::max(0.0, std::min(reach, distance(me, to))));
        return press(p.x, p.y);
    };

    if (options_.purposeful) {
        const int foe = computer::nearestfoe(f, f.currentplayer);
        if (foe && best >= 0) {
            const Tability& a = w.spellbook[best];
            const double gap = distance(me, centre(f.players[foe]));
            if (gap <= a.maxrange * 8 * 0.8 || w.walk - a.walkcost < 1)
                return cast(best);
            // Closer first, keeping the walk the spell costs.
            return walk(centre(f.players[foe]), (w.walk - a.walkcost) * 10.0 - 1);
        }
        if (foe && w.walk > 0 && dice_.below(2))
            return walk(centre(f.players[foe]), w.walk * 10.0);
        return click(Control::EndTurnBtn);
    }

    const int r = dice_.below(100);
    if (r < 45 && !castable.empty())
        return cast(castable[static_cast<std::size_t>(dice_.below(static_cast<int>(castable.size())))]);
    if (r < 75) {
        if (!foes.empty() && dice_.below(3))
            return walk(centre(f.players[foes[static_cast<std::size_t>(dice_.below(static_cast<int>(foes.size())))]]),
                        dice_.real() * w.walk * 10.0);
        const double angle = dice_.real() * 6.283185307179586;
        const Point to{me.x + std::cos(angle) * 1000, me.y + std::sin(angle) * 1000};
        return walk(to, dice_.real() * w.walk * 10.0);
    }
    if (r < 93)
        return click(Control::EndTurnBtn);
    return tick(dice_.between(1, 3));
}

Command Generator::aim(const TForm1& f, const Tability& a)
{
    const Tplayer& w = f.players[f.currentplayer];
    const Point me = centre(w);
    const std::vector<int> foes = enemies(f);
    const double reach = std::max(0.0, a.aim * 0.9 - 1);
    Point target;
    if (!foes.empty()) {
        const int foe = options_.purposeful
                            ? computer::nearestfoe(f, f.currentplayer)
                            : foes[static_cast<std::size_t>(dice_.below(static_cast<int>(foes.size())))];
        target = centre(f.players[foe]);
    } else {
        const double angle = dice_.real() * 6.283185307179586;
        target = {me.x + std::cos(angle) * 1000, me.y + std::sin(angle) * 1000};
    }
    const double gap = distance(me, target);
    double d = std::min(gap, reach);
    switch (a.kind) {
    case Ranged: break;  // at the enemy: it flies on past the aim point
    case Block:
    case Reflect: d = std::min(gap / 2, reach); break;  // a wall in between
    case Teleport: d = std::min(std::max(0.0, gap - 60), reach); break;
    default: d = dice_.real() * reach; break;
    }
    const Point p = towards(me, target, d);
    return press(p.x, p.y);
}

}  // namespace hexbrawl::monkey
