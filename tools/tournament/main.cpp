// SPDX-License-Identifier: MIT
// hexbrawl-tournament [ROUNDS [FFAROUNDS]] [--check]: how well the computer plays. Seeded headless rounds
// of two equally built wizards, seats alternated, the computer against a random
// player and against a simple one, and free-for-all rounds of four computers. It
// prints win rates with their 95% intervals, turns per round and the computer's
// decision time, and ends with one line per contest. With --check it fails (exit 1)
// when the computer misses its targets: 95% of the duels against the random player,
// 75% against the simple one, and every free-for-all ended within 300 turns.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "game/computer/computer.h"
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
};

// One game at one table: the ports, the game, the computer's memory.
class Table {
public:
    explicit Table(std::uint32_t seed) : computer_(seed)
    {
        quiet_.seed = seed;
        form_ = std::make_unique<TForm1>(Ports{surface_, sound_, quiet_, quiet_, quiet_});
        act(Action::start(seed));
        act(Action::click(Control::TitleImage));
    }

    TForm1& form() { return *form_; }
    int turns() const { return quiet_.turns; }

    void act(const Action& a)
    {
        try {
            input::apply(*form_, a);
        } catch (const LookupError&) {
            // An unknown name abandons the event, as it does in the window.
        }
    }

    // One period, as the runner and the window have it: the game's tick, then the
    // computer's step, then the other player's.
    void period(Opponent* other, int otherseat, Figures& figures)
    {
        if (form_->controls.GameTimer.enabled)
            act(Action::tick(1));
        const bool match = form_->matchrunning;
        const auto began = std::chrono::steady_clock::now();
        const std::optional<Action> step = computer::next(*form_, computer_);
        if (step && match)
            figures.decisions.push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - began).count());
        if (step && match && trace >= 2) {
            const Tplayer& w = form_->players[form_->currentplayer];
            std::printf("  turn %d: %s (%.0f,%.0f) hp %d walk %d: %s %d %d,%d  (in play %d, mode %d)\n", quiet_.turns,
                        w.name.c_str(), w.x, w.y, w.hp, w.walk,
                        step->control ? std::string(controlname(*step->control)).c_str() : "press", step->row, step->x,
                        step->y, form_->inplaycount, static_cast<int>(form_->mode));
        }
        if (step)
            act(*step);
        if (other && form_->matchrunning && form_->currentplayer == otherseat && form_->players[otherseat].hp > 0)
            if (const std::optional<Action> move = other->next(*form_))
                act(*move);
    }

    // Periods until the editor is done with the wizard being edited or `limit` pass.
    void build(int limit)
    {
        Figures none;
        const int wizard = form_->currentplayer;
        for (int i = 0; i < limit && form_->controls.PurchaseWindow.visible && form_->currentplayer == wizard; ++i)
            period(nullptr, 0, none);
    }

private:
    NullSurface surface_;
    NullSound sound_;
    Quiet quiet_;
    std::unique_ptr<TForm1> form_;
    computer::Memory computer_;
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

// A duel: the computer builds one wizard, the other gets the very same build, the
// seats alternating from round to round.
void duel(std::uint32_t seed, int round, Opponent& other, Figures& figures)
{
    if (const char* only = std::getenv("HEXBRAWL_TOURNAMENT_SEED"); only && std::strtoul(only, nullptr, 10) != seed)
        return;
    const int mine = 1 + round % 2;
    const int theirs = 3 - mine;
    // The computer's build, on a table of its own with the same spells.
    std::vector<Action> recipe;
    {
        Table scratch(seed);
        TForm1& f = scratch.form();
        scratch.act(Action::set(Control::PlayerCountSpinner, "2"));
        scratch.act(Action::click(Control::ComputerBox));
        // Every step of the visit, kept, up to "Next Player".
        computer::Memory m(seed);
        for (int i = 0; i < 5000 && f.currentplayer == 1; ++i)
            if (std::optional<Action> a = computer::next(f, m)) {
                if (a->control == Control::NextPlayerBtn)
                    break;
                if (a->control != Control::PlayerNameEd && a->control != Control::PictureBox)
                    recipe.push_back(*a);
                scratch.act(*a);
            }
    }
    Table t(seed);
    TForm1& f = t.form();
    t.act(Action::set(Control::PlayerCountSpinner, "2"));
    for (int seat = 1; seat <= 2; ++seat) {
        t.act(Action::set(Control::PlayerNameEd, seat == mine ? "Computer" : "Other"));
        t.act(Action::set(Control::PictureBox, seat == 1 ? "wizard1" : "wizard2"));
        for (const Action& a : recipe)
            t.act(a);
        if (seat == mine) {
            t.act(Action::click(Control::ComputerBox));
            t.build(2000);  // nothing left to spend: it presses "Next Player"
        } else {
            t.act(Action::click(Control::NextPlayerBtn));
        }
    }
    ++figures.rounds;
    if (!f.matchrunning)
        return;
    const int standing = fight(t, &other, theirs, figures);
    if (trace)
        std::printf("duel seed %u: computer in seat %d, standing %d, hp %d/%d, after %d turns\n", seed, mine, standing,
                    f.players[1].hp, f.players[2].hp, t.turns());
    if (standing)
        ++figures.ended;
    if (standing == mine)
        ++figures.won;
}

void freeforall(std::uint32_t seed, Figures& figures)
{
    if (const char* only = std::getenv("HEXBRAWL_TOURNAMENT_SEED"); only && std::strtoul(only, nullptr, 10) != seed)
        return;
    Table t(seed);
    t.act(Action::set(Control::PlayerCountSpinner, "4"));
    for (int seat = 1; seat <= 4; ++seat) {
        t.act(Action::click(Control::ComputerBox));
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
    std::printf("%-8s rounds %d, ended %d", name, f.rounds, f.ended);
    if (std::string(name) != "ffa") {
        double lo = 0, hi = 0;
        interval(f.won, f.rounds, lo, hi);
        std::printf(", won %d: %.1f%% (95%% interval %.1f%% .. %.1f%%)", f.won, 100.0 * f.won / f.rounds, 100 * lo,
                    100 * hi);
    }
    std::printf("\n         turns per round: mean %.1f, median %.0f, most %.0f\n", mean, quantile(turns, 0.5),
                quantile(turns, 1));
    std::printf("         decision: median %.0f us, 99th percentile %.0f us, slowest %.0f us (%zu steps)\n",
                quantile(f.decisions, 0.5), quantile(f.decisions, 0.99), quantile(f.decisions, 1), f.decisions.size());
    std::fflush(stdout);
}

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
    const int rounds = counts.size() > 0 ? counts[0] : 200;
    const int ffarounds = counts.size() > 1 ? counts[1] : 100;
    Figures random, simple, ffa;
    for (int r = 0; r < rounds; ++r) {
        tournament::RandomPlayer other(static_cast<std::uint32_t>(r) * 2654435761u + 17u);
        duel(static_cast<std::uint32_t>(1000 + r), r, other, random);
    }
    report("random", random);
    for (int r = 0; r < rounds; ++r) {
        tournament::SimplePlayer other;
        duel(static_cast<std::uint32_t>(5000 + r), r, other, simple);
    }
    report("simple", simple);
    for (int r = 0; r < ffarounds; ++r)
        freeforall(static_cast<std::uint32_t>(9000 + r), ffa);
    report("ffa", ffa);
    std::printf("tournament random %d of %d\n", random.won, random.rounds);
    std::printf("tournament simple %d of %d\n", simple.won, simple.rounds);
    std::printf("tournament ffa %d of %d within %d turns\n", ffa.ended, ffa.rounds, turnlimit);
    const bool met =
        100 * random.won >= 95 * random.rounds && 100 * simple.won >= 75 * simple.rounds && ffa.ended == ffa.rounds;
    return check && !met ? 1 : 0;
}
