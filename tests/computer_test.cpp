// SPDX-License-Identifier: MIT
// Computer wizards, driven like everything else through the runner's engine: they
// build legal wizards with their points, play rounds to their ends, stop when the
// box is unchecked, and play the same game for the same seed and script.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

#include "game/computer/computer.h"
#include "game/computer/tactics.h"
#include "game/computer/view.h"
#include "game/kinds.h"
#include "game/tform1.h"
#include "tests/monkey/monkey.h"
#include "tests/testing.h"

namespace hexbrawl {
namespace {

// Periods until the editor moves on from the wizard being edited (at most `limit`).
int buildperiods(Session& s, int limit = 5000)
{
    const int wizard = s.form().currentplayer;
    const int level = s.form().gamelevel;
    int n = 0;
    for (; n < limit && s.form().controls.PurchaseWindow.visible && s.form().currentplayer == wizard &&
           s.form().gamelevel == level;
         ++n)
        s.tick(1);
    return n;
}

// What a wizard's record cost beyond the start-up one's: health, walk and spells.
int spent(const Tplayer& w)
{
    int points = (w.maxhp - 1) + 2 * (w.maxwalk - 1);
    for (int slot = 1; slot <= Spellbook::last; ++slot)
        if (!w.spellbook[slot].name.empty())
            points += 3 * w.spellbook[slot].level;
    return points;
}

TEST(Computer, BuildsALegalWizardWithAllItsPointsAndKeepsWhatWasChosen)
{
    for (std::uint32_t seed : {3u, 77u, 1048u}) {
        Session s;
        testing::begin(s, seed, 2);
        s.click(Control::ComputerBox);
        EXPECT_TRUE(s.form().computer[1]);
        EXPECT_TRUE(s.form().controls.ComputerBox.checked);
        const int periods = buildperiods(s);
        const TForm1& f = s.form();
        ASSERT_EQ(f.currentplayer, 2) << "seed " << seed << ": it never pressed Next Player";
        const Tplayer& w = f.players[1];
        EXPECT_FALSE(w.name.empty());
        EXPECT_NE(std::find(f.controls.PictureBox.items.begin(), f.controls.PictureBox.items.end(), w.portrait),
                  f.controls.PictureBox.items.end());
        EXPECT_EQ(w.deathcry, "Death1");
        EXPECT_EQ(spent(w), 25) << "seed " << seed << ": every point of the visit is spent";
        EXPECT_EQ(w.hp, w.maxhp);
        // What it bought it can cast.
        for (const Tability& a : w.spellbook)
            if (!a.name.empty()) {
                EXPECT_LE(a.walkcost, w.maxwalk) << a.name;
            }
        // One visible step at a time: a name, a body, a cry, a few more, each a pace apart.
        EXPECT_GE(periods, 5 * computer::fastest);
        // The next wizard is a person's: the box shows it, and nothing happens by itself.
        EXPECT_FALSE(f.controls.ComputerBox.checked);
        EXPECT_TRUE(s.waiting());
    }

    // A name and a body already chosen are kept; the points of a later round are spent too.
    Session s;
    testing::begin(s, 5, 2);
    testing::makewizard(s, "Mine", "wizard9");
    s.click(Control::ComputerBox);
    buildperiods(s);
    EXPECT_EQ(s.form().players[1].name, "Mine");
    EXPECT_EQ(s.form().players[1].portrait, "wizard9");
}

TEST(Computer, UncheckingStopsItAtOnceAndLeavesTheWizardAsItStands)
{
    Session s;
    testing::begin(s, 11, 2);
    s.click(Control::ComputerBox);
    // A few steps in: named, dressed, part of the points gone.
    while (s.form().players[1].deathcry.empty())
        s.tick(1);
    s.tick(computer::slowest);
    s.click(Control::ComputerBox);
    EXPECT_FALSE(s.form().computer[1]);
    EXPECT_FALSE(s.form().controls.ComputerBox.checked);
    s.clearrecords();
    const std::string before = s.state();
    s.tick(5000);
    EXPECT_TRUE(s.state() == before) << "the wizard changed after the box was unchecked";
    EXPECT_EQ(s.form().currentplayer, 1);

    // Checked again, it goes on from there.
    s.click(Control::ComputerBox);
    buildperiods(s);
    EXPECT_EQ(s.form().currentplayer, 2);
    EXPECT_EQ(spent(s.form().players[1]), 25);
}

// A whole game of computers played by the runner's engine, every rule of the
// random-input checker held after every period.
TEST(Computer, ThreeComputerWizardsPlayFiveRoundsToTheirEnds)
{
    monkey::Player player;
    using input::Action;
    auto step = [&](const Action& a) {
        const auto bad = player.step(a);
        ASSERT_FALSE(bad) << bad->rule << ": " << bad->detail;
    };
    step(Action::start(2024));
    step(Action::click(Control::TitleImage));
    step(Action::set(Control::PlayerCountSpinner, "3"));
    const TForm1& f = player.form();
    for (int wizard = 1; wizard <= 3; ++wizard) {
        ASSERT_EQ(f.currentplayer, wizard);
        step(Action::click(Control::ComputerBox));
        for (int i = 0; i < 40 && f.currentplayer == wizard && !f.matchrunning; ++i)
            step(Action::tick(100));
    }
    ASSERT_TRUE(f.matchrunning);
    int kills = 0;
    for (int round = 1; round <= 5; ++round) {
        for (int i = 0; i < 200000 && f.gamelevel == round; ++i)
            step(Action::tick(1));
        ASSERT_EQ(f.gamelevel, round + 1) << "round " << round << " did not end";
        int standing = 0, total = 0;
        for (int p = 1; p <= 3; ++p) {
            standing += f.players[p].hp > 0;
            total += f.players[p].kills;
        }
        EXPECT_LE(standing, 1);
        EXPECT_GE(total, kills + 2) << "two fall every round";
        kills = total;
    }
    // Between rounds each spent its new points: more health or walk or spells.
    for (int p = 1; p <= 3; ++p)
        EXPECT_GT(spent(f.players[p]), 25);
}

TEST(Computer, TheSameSeedAndScriptGiveTheSameGameAndPeopleAloneWaitForNobody)
{
    const std::string script = "start 99\nclick TitleImage\nset PlayerCountSpinner 2\nclick ComputerBox\ntick 400\n"
                               "click ComputerBox\ntick 3000\nstate\ntick 3000\nstate\n";
    auto run = [](const std::string& text) {
        std::istringstream in(text);
        std::ostringstream out, err;
        EXPECT_EQ(runscript(in, out, err), 0) << err.str();
        return out.str();
    };
    const std::string once = run(script);
    EXPECT_EQ(run(script), once);
    std::istringstream lines(once);
    std::string first, second;
    std::getline(lines, first);
    std::getline(lines, second);
    const nlohmann::json a = nlohmann::json::parse(first);
    const nlohmann::json b = nlohmann::json::parse(second);
    EXPECT_EQ(a["computer"], nlohmann::json::parse("[true,true,false,false,false,false,false,false,false,false,"
                                                   "false,false]"));
    EXPECT_GT(a["frames"].get<int>(), 0) << "a match was played";
    EXPECT_NE(a["players"], b["players"]) << "the game goes on by itself";

    // Without a computer at the controls a long tick returns at once, as it always did.
    const nlohmann::json alone = nlohmann::json::parse(run("start 1\nclick TitleImage\ntick 2000000000\nstate\n"));
    EXPECT_EQ(alone["controls"]["ComputerBox"], nlohmann::json::parse(R"({"checked":false})"));
    EXPECT_EQ(alone["computer"].size(), 12u);
}

}  // namespace
}  // namespace hexbrawl

namespace hexbrawl {
namespace {

// The seat follows the wizard, not its health: a dead computer wizard's turn is
// still the computer's, and the computer's actions reach nothing in a person's seat.
TEST(ComputerSeat, IsTheWizardsDeadOrAliveAndTheComputerActsOnlyInIt)
{
    Session s;
    testing::startmatch(s, 31, 3);
    TForm1& f = s.form();
    const int person = f.currentplayer;
    for (int p = 1; p <= 3; ++p)
        f.computer[p] = p != person;
    EXPECT_FALSE(input::computerseat(f));
    s.apply(input::Action::click(Control::EndTurnBtn).bycomputer());
    EXPECT_EQ(f.currentplayer, person) << "the computer ended a person's turn";

    // Two dead in a row: the second gets the turn.
    for (int p = 1; p <= 3; ++p)
        if (p != person)
            f.players[p].hp = 0;
    s.click(Control::EndTurnBtn);
    ASSERT_NE(f.currentplayer, person);
    EXPECT_TRUE(input::computerseat(f));
    EXPECT_FALSE(computer::atcontrols(f));
    const int dead = f.currentplayer;
    s.click(Control::EndTurnBtn);
    EXPECT_EQ(f.currentplayer, dead) << "the person ended the computer's turn";
}

using input::Action;

// A wizard of 30 health at a place, with the given spells.
computer::View::Wizard wizard(const std::string& name, double x, double y, int walk, std::vector<Tability> spells)
{
    return {name, "wizard1", "Death1", x, y, 30, 30, walk, walk, std::move(spells)};
}

Tability bolt(double maxrange, int lo, int hi, int walkcost)
{
    Tability a;
    a.level = 2;
    a.name = "bolt";
    a.kind = Ranged;
    a.walkcost = walkcost;
    a.maxrange = a.range = maxrange;
    a.aim = 30;
    a.spritewidth = a.spriteheight = 10;
    a.mineffect = lo;
    a.maxeffect = hi;
    a.element = "fire";
    return a;
}

// Hit and unable to strike back this turn, the computer does not stand and wait.
TEST(Computer, HitItMovesRatherThanStandIdle)
{
    for (ComputerSkill skill : {ComputerSkill::Easy, ComputerSkill::Normal, ComputerSkill::Hard}) {
        computer::View v;
        v.me = 1;
        v.playercount = 2;
        v.strength = skill;
        v.skill = computer::Skill::of(skill);
        v.rows = 1;
        // Its bolt costs more than its walk, the foe's reaches all over the arena: nowhere is
        // better than here by much, but standing still is what a player sees as idle.
        v.wizards = {wizard("Me", 365, 365, 2, {bolt(50, 3, 6, 3)}), wizard("Foe", 365, 565, 8, {bolt(150, 5, 9, 2)})};
        Random dice;
        const std::vector<Action> plan = computer::planturn(v, {0, true, true}, dice);
        ASSERT_FALSE(plan.empty());
        EXPECT_EQ(plan.back().verb, Action::Verb::press) << computerskillnames[static_cast<std::size_t>(skill)];
    }
}

// The rim is a corner, not a plan. A foe's volley from the north has one shot fewer a
// few pixels further south, towards the rim pixel, or as far off a little to the side:
// the computer steps aside, no nearer the rim than it stood.
TEST(Computer, StepsAsideRatherThanOntoTheRimPixel)
{
    for (ComputerSkill skill : {ComputerSkill::Normal, ComputerSkill::Hard}) {
        computer::View v;
        v.me = 1;
        v.playercount = 2;
        v.strength = skill;
        v.skill = computer::Skill::of(skill);
        // The foe's bolt reaches 320 pixels less the margin the computer allows, and
        // its walk of 12 pays for one shot fewer past 60 pixels more.
        const double fewer = 40 * 8 - v.skill.foemargin + 60;
        v.wizards = {wizard("Me", 365, 730, 20, {}), wizard("Foe", 365, 730 - (fewer - 5), 12, {bolt(40, 3, 6, 2)})};
        Random dice;
        const std::vector<Action> plan = computer::planturn(v, {0, false, true}, dice);
        ASSERT_FALSE(plan.empty());
        const Action& step = plan.back();
        const char* name = computerskillnames[static_cast<std::size_t>(skill)];
        ASSERT_EQ(step.verb, Action::Verb::press) << name;
        EXPECT_NE(step.x, 375) << name << ": it stepped aside";
        EXPECT_LE(step.y, 740) << name << ": it stepped towards the rim, to y = " << step.y;
    }
}

// What a player never sees changes nothing: two games that differ only in the trees'
// hits, the random state and the strength a clash took from a block.
TEST(Computer, HiddenFieldsChangeNothingItDoes)
{
    auto game = [](Session& s, bool hidden) {
        testing::begin(s, 4242, 2);
        testing::makewizard(s, "Person");
        s.click(Control::NextPlayerBtn);
        s.click(Control::ComputerBox);
        for (int i = 0; i < 5000 && s.form().controls.PurchaseWindow.visible; ++i)
            s.tick(1);
        TForm1& f = s.form();
        // A block of the person's between the two.
        Tability block = f.catalog[pagesize * pageof(Block) + 4];
        block.owner = 1;
        block.x = f.players[2].x - 30;
        block.y = (f.players[1].y + f.players[2].y) / 2;
        block.range = block.maxrange;
        f.inplay[++f.inplaycount] = block;
        if (f.currentplayer == 1)
            s.click(Control::EndTurnBtn);  // the person's turn
        if (hidden) {
            for (Tobstacle& t : f.obstacles)
                t.hits += 11;
            f.random.seed ^= 0x5eed;
            f.inplay[f.inplaycount].mineffect = 0;
            f.inplay[f.inplaycount].maxeffect = 1;
        }
    };
    Session a, b;
    game(a, false);
    game(b, true);
    ASSERT_EQ(a.form().currentplayer, 2);
    ASSERT_TRUE(computer::atcontrols(a.form()));
    EXPECT_EQ(computer::View::of(a.form()).hash(), computer::View::of(b.form()).hash());
    computer::Memory ma(7), mb(7);
    int presses = 0;
    for (int period = 0; period < 3000 && presses < 3; ++period) {
        const std::optional<Action> x = computer::next(a.form(), ma);
        const std::optional<Action> y = computer::next(b.form(), mb);
        ASSERT_EQ(x.has_value(), y.has_value()) << "period " << period;
        if (!x)
            continue;
        ASSERT_EQ(x->verb, y->verb) << "period " << period;
        ASSERT_EQ(x->control, y->control) << "period " << period;
        ASSERT_EQ(x->row, y->row);
        ASSERT_EQ(x->x, y->x);
        ASSERT_EQ(x->y, y->y);
        if (x->verb == Action::Verb::press)
            ++presses;  // what follows a shot depends on its roll
        a.apply(*x);
        b.apply(*y);
        if (x->verb == Action::Verb::press)
            break;
    }
    EXPECT_GE(presses, 1) << "it acted on the arena";
}

// Its builds use every page of the shop: blocks and reflects are bought where they pay;
// Easy, a beginner, buys none.
TEST(Computer, BuildsWithBlocksAndReflectsAtNormalAndHard)
{
    int guarded = 0, easyguarded = 0, builds = 0;
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        Session s;
        testing::begin(s, seed, 2);
        for (ComputerSkill skill : {ComputerSkill::Easy, ComputerSkill::Normal, ComputerSkill::Hard})
            for (int points : {25, 60, 120}) {
                computer::View v = computer::View::of(s.form());
                v.strength = skill;
                v.skill = computer::Skill::of(skill);
                v.points = points;
                const computer::Build build = computer::planbuild(v);
                bool guard = false;
                for (int e : build.spells)
                    guard = guard || e / pagesize == pageof(Block) || e / pagesize == pageof(Reflect);
                if (skill == ComputerSkill::Easy)
                    easyguarded += guard;
                else
                    guarded += guard;
                ++builds;
            }
    }
    EXPECT_GT(guarded, 0) << "no build of " << builds << " bought a block or a reflect";
    EXPECT_EQ(easyguarded, 0);
}

// A person can reach the "Computer" box: the visit's first step comes after 1.5 s,
// the whole visit takes 3 s at the least, at every level.
TEST(Computer, AVisitToTheEditorLastsThreeSecondsItsFirstStepAfterOneAndAHalf)
{
    Session s;
    testing::begin(s, 31, 2);
    testing::makewizard(s, "Named");
    s.click(Control::ComputerBox);
    // What the editor shows of the wizard.
    auto look = [](const TForm1& f) {
        const Tplayer& w = f.players[1];
        return w.name + "/" + w.portrait + "/" + w.deathcry + "/" + std::to_string(w.maxhp) + "/" +
               std::to_string(w.maxwalk) + "/" + std::to_string(f.controls.MagicType.page) + "/" +
               std::to_string(f.controls.PurchaseList.selected);
    };
    const std::string before = look(s.form());
    int first = 0;
    while (look(s.form()) == before && first < 1000) {
        s.tick(1);
        ++first;
    }
    EXPECT_GE(first, computer::editorlook);
    // Nothing left to do but "Next Player": it still waits out the visit.
    Session t;
    testing::begin(t, 31, 2);
    testing::makewizard(t, "Spent");
    t.set(Control::HealthPicker, "26");
    t.click(Control::ComputerBox);
    EXPECT_GE(buildperiods(t), computer::editorvisit);
    EXPECT_EQ(t.form().currentplayer, 2);
}

// The count of players lowered below the wizard being edited: the computer still
// builds that wizard, from a view that holds it.
TEST(Computer, BuildsAWizardStandingPastTheCountOfPlayers)
{
    Session s;
    testing::begin(s, 63, 3);
    for (const char* name : {"Ann", "Bob"}) {
        testing::makewizard(s, name);
        s.click(Control::NextPlayerBtn);
    }
    s.set(Control::PlayerCountSpinner, "1");
    ASSERT_EQ(s.form().currentplayer, 3);
    s.click(Control::ComputerBox);
    s.tick(400);
    EXPECT_FALSE(s.form().players[3].name.empty()) << "it named the wizard";
    EXPECT_TRUE(s.form().currentplayer != 3 || !s.form().controls.PurchaseWindow.visible) << "it moved on";
}

}  // namespace
}  // namespace hexbrawl
