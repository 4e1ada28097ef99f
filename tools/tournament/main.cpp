// SPDX-License-Identifier: MIT
// hexbrawl-tournament [ROUNDS [FFAROUNDS]] [--check]: how well the computer plays.
// Seeded headless duels, seats alternated, each side building its own wizard (a
// player that cannot build gets the computer's Normal build): every strength against
// a random player, a simple one and a careful sharpshooter, Hard against Normal and
// Normal against Easy; and free-for-alls of four computers of mixed strengths. It
// prints win rates with their 95% intervals, turns per round and the computer's
// decision time, and ends with one line per contest, the computer's idle turns under
// fire, and the free-for-alls ended. With --check it fails (exit 1) when a target
// is missed.
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "game/computer/computer.h"
#include "game/kinds.h"
#include "game/table.h"
#include "game/tform1.h"
#include "tools/tournament/opponents.h"

namespace {

using namespace hexbrawl;
using input::Action;
using tournament::Opponent;

constexpr int turnlimit = 300;
// HEXBRAWL_TOURNAMENT_TRACE=1: a line per round; =2: also every action of the computer.
const int trace = std::getenv("HEXBRAWL_TOURNAMENT_TRACE") ? std::atoi(std::getenv("HEXBRAWL_TOURNAMENT_TRACE")) : 0;

// The ports of a table with nobody watching: boxes answered at once, turns counted.
struct Quiet final : Dialogs, Clock, GameTimer {
    std::uint32_t seed = 0;
    int turns = 0;
    void showmessage(MessageKind, const std::string& text) override
    {
        if (text.ends_with(" its your turn."))
            ++turns;
    }
    std::uint32_t seedvalue() override { return seed; }
    void setenabled(bool) override {}
};

struct Figures {
    std::vector<double> decisions;  // microseconds of the computer's steps in matches
    std::vector<int> turns;  // per round that ended
    int won = 0, ended = 0, rounds = 0;
    int rim = 0;  // duels that ended with the computer on the arena's rim pixel
};

// The computer's turns, of every strength: how many, and how many of them idle
// under fire (no step, cast or teleport with walk left, hit since its last turn).
struct Idle {
    int turns = 0, idle = 0;
};

// One game at one table, nobody watching: boxes answered at once, look-up errors
// abandoning their event, as in the window.
class Table final : TableHost {
public:
    Table(std::uint32_t seed, Idle& idle) : idle_(&idle)
    {
        quiet_.seed = seed;
        act(Action::start(seed));
        act(Action::click(Control::TitleImage));
    }

    TForm1& form() { return table_.form(); }
    int turns() const { return quiet_.turns; }

    void act(const Action& a) { table_.apply(a); }

    // One period of the game's table, then the other player's move.
    // Returns the computer's step, when it took one.
    std::optional<Action> period(Opponent* other, int otherseat, Figures& figures)
    {
        watch();
        TForm1& f = table_.form();
        const bool match = f.matchrunning;
        const int level = f.gamelevel;
        const int steps = table_.memory().seat.steps;
        const auto began = std::chrono::steady_clock::now();
        std::optional<Action> step = table_.period();
        // A period in which the computer stepped: its decision, with the tick before it.
        if (match && table_.memory().seat.steps != steps)
            figures.decisions.push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - began).count());
        // The round that has just ended is judged as it ended: a first step in the
        // editor of the next would already give the fallen wizard its health back.
        if (f.gamelevel != level)
            return step;
        if (other && f.matchrunning && f.currentplayer == otherseat && f.players[otherseat].hp > 0)
            if (const std::optional<Action> move = other->next(f))
                act(*move);
        if (other && f.controls.PurchaseWindow.visible && f.currentplayer == otherseat && !f.computer[otherseat])
            if (const std::optional<Action> edit = other->build(f))
                act(*edit);
        return step;
    }

    // Periods until the editor is done with the wizard being edited or `limit` pass.
    void build(int limit)
    {
        Figures none;
        const int wizard = table_.form().currentplayer;
        for (int i = 0;
             i < limit && table_.form().controls.PurchaseWindow.visible && table_.form().currentplayer == wizard; ++i)
            period(nullptr, 0, none);
    }

private:
    // Follows the computer's turns in a match: whether it acted, whether it was hit.
    void watch()
    {
        const TForm1& f = table_.form();
        const bool match = f.matchrunning && !f.controls.PurchaseWindow.visible;
        for (int p = 1; p <= f.playercount && p <= 12; ++p) {
            const auto i = static_cast<std::size_t>(p);
            if (match && f.players[p].hp < hp_[i] && f.gamelevel == level_)
                hit_[i] = true;
            hp_[i] = f.players[p].hp;
        }
        level_ = f.gamelevel;
        const bool same = match && quiet_.turns == turn_ && f.currentplayer == seat_;
        if (!same && seat_ > 0) {
            const auto i = static_cast<std::size_t>(seat_);
            // A last step ends the turn at once: what it did shows in where it stands.
            const Tplayer& was = f.players[seat_];
            acted_ = acted_ || was.x != x_ || was.y != y_ || was.walk < walk_;
            if (computerseat_) {
                ++idle_->turns;
                if (!acted_ && walk_ > 0 && hit_[i] && alive_) {
                    ++idle_->idle;
                    if (trace)
                        std::printf("  idle: seed %u, wizard %d at (%.0f, %.0f), walk %d, turn %d\n", quiet_.seed,
                                    seat_, x_, y_, walk_, turn_);
                }
            }
            hit_[i] = false;
            seat_ = 0;
        }
        if (!match)
            return;
        const Tplayer& w = f.players[f.currentplayer];
        if (!same) {
            seat_ = f.currentplayer;
            turn_ = quiet_.turns;
            computerseat_ = f.computer[seat_];
            acted_ = false;
            walk_ = w.walk;
            x_ = w.x;
            y_ = w.y;
            alive_ = w.hp > 0;
            if (trace >= 2)
                for (int p = 1; p <= f.playercount && p <= 12; ++p)
                    std::printf("  turn %d%s wizard %d at (%.0f, %.0f), hp %d/%d, walk %d/%d%s\n", turn_,
                                p == seat_ ? ":" : " ", p, f.players[p].x, f.players[p].y, f.players[p].hp,
                                f.players[p].maxhp, f.players[p].walk, f.players[p].maxwalk,
                                f.computer[p] ? ", computer" : "");
            return;
        }
        acted_ = acted_ || w.walk < walk_ || w.x != x_ || w.y != y_;
        walk_ = w.walk;
        x_ = w.x;
        y_ = w.y;
    }

    void failed(const LookupError&) override {}

    NullSurface surface_;
    NullSound sound_;
    Quiet quiet_;
    GameTable table_{Ports{surface_, sound_, quiet_, quiet_, quiet_}, *this};
    Idle* idle_;
    std::array<std::int32_t, 13> hp_{};
    std::array<bool, 13> hit_{};
    int level_ = -1, seat_ = 0, turn_ = -1, walk_ = 0;
    double x_ = 0, y_ = 0;
    bool computerseat_ = false, acted_ = false, alive_ = false;
};

// Plays the match to its end or to the turn limit; the wizard standing, or 0.
int fight(Table& t, Opponent* other, int otherseat, Figures& figures)
{
    TForm1& f = t.form();
    const int level = f.gamelevel;
    const int start = t.turns();
    for (long periods = 0; f.gamelevel == level && t.turns() - start <= turnlimit && periods < 5'000'000; ++periods)
        t.period(other, otherseat, figures);
    if (trace)
        std::printf("  ended after %d turns: %s\n", t.turns() - start, f.gamelevel == level ? "no" : "yes");
    if (f.gamelevel == level)
        return 0;
    figures.turns.push_back(t.turns() - start);
    for (int p = 1; p <= f.playercount; ++p)
        if (f.players[p].hp > 0)
            return p;
    return 0;
}

// The seats of a duel: a computer of a strength, or another player (which, when it
// cannot build, gets the computer's Normal build).
struct Side {
    ComputerSkill skill = ComputerSkill::Normal;
    Opponent* other = nullptr;
};

// The actions of a Normal computer's visit to the editor at the start of a duel.
std::vector<Action> normalbuild(std::uint32_t seed)
{
    std::vector<Action> recipe;
    Idle none;
    Table scratch(seed, none);
    TForm1& f = scratch.form();
    scratch.act(Action::set(Control::PlayerCountSpinner, "2"));
    scratch.act(Action::click(Control::ComputerBox));
    Figures unused;
    for (int i = 0; i < 5000 && f.currentplayer == 1; ++i)
        if (const std::optional<Action> a = scratch.period(nullptr, 0, unused)) {
            if (a->control == Control::NextPlayerBtn)
                break;
            if (a->control != Control::PlayerNameEd && a->control != Control::PictureBox)
                recipe.push_back(*a);
        }
    return recipe;
}

// A duel of `first` in seat 1 + round % 2 against `second`; whether `first` won.
void duel(std::uint32_t seed, int round, const Side& first, const Side& second, Figures& figures, Idle& idle)
{
    if (const char* only = std::getenv("HEXBRAWL_TOURNAMENT_SEED"); only && std::strtoul(only, nullptr, 10) != seed)
        return;
    const int mine = 1 + round % 2;
    const int theirs = 3 - mine;
    Table t(seed, idle);
    TForm1& f = t.form();
    t.act(Action::set(Control::PlayerCountSpinner, "2"));
    for (int seat = 1; seat <= 2; ++seat) {
        const Side& side = seat == mine ? first : second;
        t.act(Action::set(Control::PlayerNameEd, seat == mine ? "Computer" : "Other"));
        t.act(Action::set(Control::PictureBox, seat == 1 ? "wizard1" : "wizard2"));
        if (!side.other) {
            t.act(Action::click(Control::ComputerBox));
            t.act(Action::set(Control::ComputerSkillBox, computerskillnames[static_cast<std::size_t>(side.skill)]));
            t.build(4000);
        } else if (side.other->builds()) {
            for (int i = 0; i < 2000 && f.controls.PurchaseWindow.visible && f.currentplayer == seat; ++i)
                if (const std::optional<Action> a = side.other->build(f)) {
                    if (trace >= 3)
                        std::printf("  build %s %d %s pts %d\n",
                                    a->control ? std::string(controlname(*a->control)).c_str() : "press", a->row,
                                    a->text.c_str(), f.controls.PointGauge.value);
                    t.act(*a);
                }
        } else {
            for (const Action& a : normalbuild(seed))
                t.act(a);
            t.act(Action::click(Control::NextPlayerBtn));
        }
    }
    ++figures.rounds;
    if (!f.matchrunning)
        return;
    const int standing = fight(t, second.other, theirs, figures);
    if (trace)
        std::printf("duel seed %u: computer in seat %d, standing %d, hp %d/%d, after %d turns\n", seed, mine, standing,
                    f.players[1].hp, f.players[2].hp, t.turns());
    if (standing)
        ++figures.ended;
    if (standing == mine)
        ++figures.won;
    const Tplayer& w = f.players[mine];
    if (w.y <= -wizardbox / 2 + 0.5 || w.x <= -wizardbox / 2 + 0.5 || w.x >= arenasize - 1 - wizardbox / 2 - 0.5 ||
        w.y >= arenasize - 1 - wizardbox / 2 - 0.5)
        ++figures.rim;
}

void freeforall(std::uint32_t seed, Figures& figures, Idle& idle)
{
    if (const char* only = std::getenv("HEXBRAWL_TOURNAMENT_SEED"); only && std::strtoul(only, nullptr, 10) != seed)
        return;
    Table t(seed, idle);
    t.act(Action::set(Control::PlayerCountSpinner, "4"));
    for (int seat = 1; seat <= 4; ++seat) {
        // Mixed strengths, a different mix in every round.
        const auto skill = static_cast<std::size_t>((seat + static_cast<int>(seed)) % 3);
        t.act(Action::click(Control::ComputerBox));
        t.act(Action::set(Control::ComputerSkillBox, computerskillnames[skill]));
        t.build(4000);
    }
    ++figures.rounds;
    if (!t.form().matchrunning)
        return;
    const int level = t.form().gamelevel;
    fight(t, nullptr, 0, figures);
    if (trace) {
        std::printf("ffa seed %u:", seed);
        for (int p = 1; p <= 4; ++p)
            std::printf(" %d/%d", t.form().players[p].hp, t.form().players[p].maxhp);
        std::printf("\n");
    }
    if (t.form().gamelevel != level)
        ++figures.ended;
}

// The 95% interval of a share by Wilson's score.
void interval(int k, int n, double& lo, double& hi)
{
    const double z = 1.959963984540054;
    const double p = n ? double(k) / n : 0;
    const double d = 1 + z * z / n;
    const double c = (p + z * z / (2 * n)) / d;
    const double h = z * std::sqrt(p * (1 - p) / n + z * z / (4.0 * n * n)) / d;
    lo = std::max(0.0, c - h);
    hi = std::min(1.0, c + h);
}

double quantile(std::vector<double> v, double q)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(
        std::min<double>(double(v.size() - 1), std::floor(q * double(v.size() - 1) + 0.5)))];
}

void report(const char* name, const Figures& f)
{
    std::vector<double> turns(f.turns.begin(), f.turns.end());
    double mean = 0;
    for (double t : turns)
        mean += t;
    mean = turns.empty() ? 0 : mean / double(turns.size());
    if (!f.rounds)
        return;
    std::printf("%-13s rounds %d, ended %d", name, f.rounds, f.ended);
    if (std::string(name) != "ffa") {
        double lo = 0, hi = 0;
        interval(f.won, f.rounds, lo, hi);
        std::printf(", won %d: %.1f%% (95%% interval %.1f%% .. %.1f%%), ended on the rim %d", f.won,
                    100.0 * f.won / f.rounds, 100 * lo, 100 * hi, f.rim);
    }
    std::printf("\n              turns per round: mean %.1f, median %.0f, most %.0f\n", mean, quantile(turns, 0.5),
                quantile(turns, 1));
    std::printf("              decision: median %.0f us, 99th percentile %.0f us, slowest %.0f us (%zu steps)\n",
                quantile(f.decisions, 0.5), quantile(f.decisions, 0.99), quantile(f.decisions, 1), f.decisions.size());
    std::fflush(stdout);
}

struct Contest {
    const char* name;
    Side first, second;
    int target;  // the share of duels `first` must win, in percent; 0 for none
};

}  // namespace

int main(int argc, char** argv)
{
    std::vector<int> counts;
    bool check = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--check")
            check = true;
        else
            counts.push_back(std::max(1, std::atoi(argv[i])));
    }
    const int rounds = counts.size() > 0 ? counts[0] : 300;
    const int ffarounds = counts.size() > 1 ? counts[1] : 100;
    tournament::SimplePlayer simple;
    tournament::SharpPlayer sharp;
    using S = ComputerSkill;
    // The random player is made afresh per duel, with a seed of its own.
    std::vector<Contest> contests{
        {"easy-random", {S::Easy, nullptr}, {S::Normal, nullptr}, 90},
        {"normal-random", {S::Normal, nullptr}, {S::Normal, nullptr}, 0},
        {"hard-random", {S::Hard, nullptr}, {S::Normal, nullptr}, 0},
        {"easy-simple", {S::Easy, nullptr}, {S::Normal, &simple}, 0},
        {"normal-simple", {S::Normal, nullptr}, {S::Normal, &simple}, 85},
        {"hard-simple", {S::Hard, nullptr}, {S::Normal, &simple}, 0},
        {"easy-sharp", {S::Easy, nullptr}, {S::Normal, &sharp}, 0},
        {"normal-sharp", {S::Normal, nullptr}, {S::Normal, &sharp}, 65},
        {"hard-sharp", {S::Hard, nullptr}, {S::Normal, &sharp}, 85},
        {"hard-normal", {S::Hard, nullptr}, {S::Normal, nullptr}, 70},
        {"normal-easy", {S::Normal, nullptr}, {S::Easy, nullptr}, 70},
    };
    if (check)  // the short form: the contests with a target
        std::erase_if(contests, [](const Contest& c) { return c.target == 0; });
    // HEXBRAWL_TOURNAMENT_ONLY=hard: only the contests whose names begin so.
    if (const char* only = std::getenv("HEXBRAWL_TOURNAMENT_ONLY"))
        std::erase_if(contests, [only](const Contest& c) { return !std::string(c.name).starts_with(only); });
    Idle idle;
    std::vector<Figures> figures(contests.size());
    for (std::size_t c = 0; c < contests.size(); ++c) {
        Contest& contest = contests[c];
        const bool random = std::string(contest.name).ends_with("-random");
        // The seeds of a contest follow from its name, whichever others are played.
        std::uint32_t base = 1000;
        for (const char ch : std::string(contest.name))
            base = base * 31 + static_cast<unsigned char>(ch);
        base = 1000 + base % 1000000;
        for (int r = 0; r < rounds; ++r) {
            tournament::RandomPlayer player(static_cast<std::uint32_t>(r) * 2654435761u + 17u);
            Side second = contest.second;
            if (random)
                second.other = &player;
            duel(base + static_cast<std::uint32_t>(r), r, contest.first, second, figures[c], idle);
        }
        report(contest.name, figures[c]);
    }
    Figures ffa;
    for (int r = 0; r < ffarounds; ++r)
        freeforall(static_cast<std::uint32_t>(9000 + r), ffa, idle);
    report("ffa", ffa);
    bool met = true;
    for (std::size_t c = 0; c < contests.size(); ++c) {
        const Contest& k = contests[c];
        const bool reached = 100 * figures[c].won >= k.target * figures[c].rounds;
        if (!reached)
            std::printf("short of its target: %s, %d%% wanted\n", k.name, k.target);
        std::printf("tournament %s %d of %d\n", k.name, figures[c].won, figures[c].rounds);
        met = met && reached;
    }
    std::printf("tournament idle %d of %d\n", idle.idle, idle.turns);
    std::printf("tournament ffa %d of %d within %d turns\n", ffa.ended, ffa.rounds, turnlimit);
    met = met && idle.idle == 0 && ffa.ended == ffa.rounds;
    return check && !met ? 1 : 0;
}
