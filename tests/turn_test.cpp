// SPDX-License-Identifier: MIT
// "Next Player", the match start and the passing of turns.
#include "tests/testing.h"

namespace hexbrawl {
namespace {

using testing::begin;
using testing::makewizard;
using testing::texts;

TEST(Roster, ChecksComeOneAtATimeInOrder)
{
    Session s;
    begin(s, 5);
    s.click(Control::NextPlayerBtn);
    s.set(Control::PlayerNameEd, "Alma");
    s.click(Control::NextPlayerBtn);
    s.set(Control::PictureBox, "wizard2");
    s.click(Control::NextPlayerBtn);
    s.set(Control::SndBox, "Scream");  // names no sound: as good as none
    s.click(Control::NextPlayerBtn);
    EXPECT_EQ(texts(s.messages()), (std::vector<std::string>{"Please enter a name", "Please pick a picture",
                                                             "Please pick a death cry", "Please pick a death cry"}));
    for (const RecordedMessage& m : s.messages())
        EXPECT_EQ(m.kind, MessageKind::warning);
    EXPECT_FALSE(s.form().matchrunning);
    s.set(Control::SndBox, "DEATH1");  // any case names the sound
    s.click(Control::NextPlayerBtn);
    EXPECT_TRUE(s.form().matchrunning);
}

TEST(Roster, TheNextWizardIsLoadedWithAFreshBudget)
{
    Session s;
    begin(s, 5, 3);
    TForm1& f = s.form();
    makewizard(s, "A");
    s.set(Control::HealthPicker, "10");
    s.select(Control::Yourlist, 0);
    ASSERT_TRUE(f.controls.SellBtn.enabled);
    s.click(Control::NextPlayerBtn);
    EXPECT_EQ(f.currentplayer, 2);
    EXPECT_EQ(f.controls.PlayerNameEd.text, "");
    EXPECT_EQ(f.controls.PictureBox.text, "");
    EXPECT_EQ(f.controls.WizardPortrait.picture, "forget");
    EXPECT_EQ(f.controls.HealthPicker.text, "1");
    EXPECT_FALSE(f.controls.SellBtn.enabled);
    EXPECT_EQ(f.controls.PointGauge.value, 25);
    EXPECT_EQ(f.controls.PointGauge.max, 25);
    EXPECT_EQ(f.controls.glLabel2.caption, "Pick Your Traits Wizard: (25)");
    EXPECT_EQ(f.controls.Yourlist.items, std::vector<std::string>{f.players[2].spellbook[0].name});
    EXPECT_EQ(f.players[1].maxhp, 10);
    EXPECT_EQ(f.players[2].maxhp, 1);
}

TEST(Roster, PlacementForOneTwoAndFourWizards)
{
    for (int count : {1, 2, 4}) {
        Session s;
        testing::startmatch(s, 11, count);
        const TForm1& f = s.form();
        ASSERT_TRUE(f.matchrunning) << count;
        EXPECT_FALSE(f.controls.PurchaseWindow.visible);
        EXPECT_FALSE(f.controls.PlayerNameEd.enabled);
        EXPECT_FALSE(f.controls.PlayerCountSpinner.enabled);
        EXPECT_TRUE(f.controls.HealthPicker.enabled);
        const std::vector<std::pair<double, double>> places{{365, 0}, {365, 730}, {0, 365}, {730, 365}};
        for (int p = 1; p <= count; ++p) {
            EXPECT_EQ(f.players[p].x, places[static_cast<std::size_t>(count == 1 ? 0 : p - 1)].first);
            EXPECT_EQ(f.players[p].y, places[static_cast<std::size_t>(count == 1 ? 0 : p - 1)].second);
        }
        for (int c = 1; c <= 38; ++c)
            for (int r = 1; r <= 38; ++r)
                ASSERT_TRUE(f.terrain[c][r] == "grass1" || f.terrain[c][r] == "grass2" || f.terrain[c][r] == "grass3");
        EXPECT_EQ(f.inplaycount, 0);
        EXPECT_EQ(f.controls.Caption, f.players[f.currentplayer].name + " is moving...");
    }
}

TEST(Roster, DrawnPlacesAreClampedOntoTheArenaButTreesAreNot)
{
    bool treeoff = false;
    for (int count : {3, 5, 8, 12}) {
        for (std::uint32_t seed = 0; seed < 30; ++seed) {
            Session s;
            testing::startmatch(s, seed, count);
            const TForm1& f = s.form();
            for (int p = 1; p <= count; ++p) {
                ASSERT_GE(f.players[p].x, 0);
                ASSERT_LE(f.players[p].x, 730);
                ASSERT_GE(f.players[p].y, 0);
                ASSERT_LE(f.players[p].y, 730);
            }
            for (int t = 1; t <= f.treecount; ++t)
                treeoff = treeoff || f.obstacles[t].x < 0 || f.obstacles[t].y > 750;
        }
    }
    EXPECT_TRUE(treeoff);
}

TEST(Roster, TreesAboveTheNewLayoutKeepTheirPlace)
{
    Session s;
    begin(s, 77);
    makewizard(s, "A");
    TForm1& f = s.form();
    // Fill every tree slot, then see which ones the new layout draws.
    for (int t = f.treecount + 1; t <= 29; ++t)
        f.obstacles[t] = {1.0 * t, 2.0 * t, 40, 40, 5, "tree2"};
    f.treecount = 29;
    const Tobstacle last = f.obstacles[29];
    Random copy = f.random;
    const int n = copy.randomint(20) + 10;  // the first draw of the match start
    ASSERT_LT(n, 29);
    s.click(Control::NextPlayerBtn);
    EXPECT_EQ(f.treecount, 29);
    EXPECT_EQ(f.obstacles[29].x, last.x);
    EXPECT_EQ(f.obstacles[29].image, last.image);
    EXPECT_NE(f.obstacles[n].x, 1.0 * n);
}

TEST(Roster, ALoweredPlayerCountStillStartsTheMatch)
{
    Session s;
    begin(s, 8, 3);
    makewizard(s, "A");
    s.click(Control::NextPlayerBtn);
    makewizard(s, "B");
    s.set(Control::PlayerCountSpinner, "1");
    s.click(Control::NextPlayerBtn);
    EXPECT_TRUE(s.form().matchrunning);
    EXPECT_EQ(s.form().playercount, 1);
    EXPECT_EQ(s.form().currentplayer, 1);
}

struct Turns : ::testing::Test {
    Session s;
    TForm1& f = s.form();
    void match(int count) { testing::startmatch(s, 4242, count); }
    void endturn() { s.click(Control::EndTurnBtn); }
};

TEST_F(Turns, OrderWrapsAndPassesOverOneDeadWizardOnly)
{
    match(4);
    f.currentplayer = 4;
    endturn();
    EXPECT_EQ(f.currentplayer, 1);
    f.players[2].hp = 0;
    endturn();
    EXPECT_EQ(f.currentplayer, 3);  // 2 is passed over
    f.players[2].hp = 1;
    f.currentplayer = 1;
    f.players[2].hp = 0;
    f.players[3].hp = -4;
    endturn();
    EXPECT_EQ(f.currentplayer, 3);  // only one dead wizard is passed over
    f.players[4].hp = 0;
    endturn();
    EXPECT_EQ(f.currentplayer, 1);  // 4 passed over, then wrap
}

TEST_F(Turns, ThreeWizardsWithTheLastDeadWrapToTheFirst)
{
    match(3);
    f.currentplayer = 2;
    f.players[3].hp = 0;
    endturn();
    EXPECT_EQ(f.currentplayer, 1);
}

TEST_F(Turns, ALoneWizardGetsEveryTurnWithItsMessage)
{
    match(1);
    s.clearrecords();
    endturn();
    endturn();
    EXPECT_EQ(texts(s.messages()), (std::vector<std::string>{"Player A its your turn.", "Player A its your turn."}));
    EXPECT_EQ(f.currentplayer, 1);
}

TEST_F(Turns, NothingPassesWhileAProjectileFlies)
{
    match(2);
    const int turn = f.currentplayer;
    f.inplay[3] = f.catalog[0];
    f.inplaycount = 1;
    f.controls.Caption = "untouched";
    s.clearrecords();
    endturn();
    EXPECT_EQ(f.currentplayer, turn);
    EXPECT_EQ(f.controls.Caption, "untouched");
    EXPECT_TRUE(s.messages().empty());
    EXPECT_EQ(s.sounds(), std::vector<std::string>{"button"});
    EXPECT_FALSE(f.firstturn);
}

TEST_F(Turns, TheTurnDisplayIsWrittenForTheNewWizard)
{
    match(2);
    Tplayer& a = f.players[1];
    Tplayer& b = f.players[2];
    a.hp = 1;
    b.hp = 1;
    b.maxhp = 3;
    b.maxwalk = 4;
    b.walk = 0;
    b.portrait = "wizard5";
    f.currentplayer = 1;
    s.select(Control::SpellPicker, 0);
    endturn();
    EXPECT_EQ(f.currentplayer, 2);
    const Controls& c = f.controls;
    EXPECT_EQ(c.Caption, "B is moving...");
    EXPECT_EQ(c.namelbl.caption, "B");
    EXPECT_EQ(c.WalkLbl.caption, "Walk: 4 / 4");
    EXPECT_EQ(c.Walkpie.progress, 100);
    EXPECT_EQ(c.HPlbl.caption, "HP: 1 / 3");
    EXPECT_EQ(c.HealthPie.progress, 33);
    EXPECT_EQ(c.LocationLbl.caption, "(365,730)");
    EXPECT_EQ(c.Portrait.picture, "wizard5");
    EXPECT_EQ(c.SpellPicker.items, std::vector<std::string>{b.spellbook[0].name});
    EXPECT_EQ(c.SpellPicker.selected, -1);
    EXPECT_EQ(f.mode, Mode::walking);
    // The tick writes its own form of the health text.
    s.tick(1);
    EXPECT_EQ(c.HPlbl.caption, "Hp: 1 / 3");
}

TEST_F(Turns, UpkeepHealsToTwentyFiveAndAddsNoSaplingWhenFull)
{
    match(1);
    for (int t = 1; t <= 30; ++t)
        f.obstacles[t] = {100.0 + t, 100, 44, 54, 24, "tree1"};
    f.treecount = 30;
    for (int i = 0; i < 300; ++i)
        endturn();
    EXPECT_EQ(f.treecount, 30);
    bool healed = false;
    bool grew = false;
    for (const Tobstacle& t : f.obstacles) {
        EXPECT_LE(t.hits, 25);
        healed = healed || t.hits == 25;
        grew = grew || t.width > 44;
        // One step past 45 or 55 and growth stops.
        EXPECT_LT(t.width, 45 + 100 / 44.0 + 1e-9);
        EXPECT_LT(t.height, 55 + 111 / 54.0 + 1e-9);
    }
    EXPECT_TRUE(healed);
    EXPECT_TRUE(grew);
}

TEST_F(Turns, SaplingsAppearAndOversizeTreesAreCut)
{
    match(1);
    f.treecount = 29;
    f.obstacles[1].width = 150;
    f.obstacles[1].height = 200;
    for (int i = 0; i < 200 && f.treecount == 29; ++i)
        endturn();
    EXPECT_EQ(f.treecount, 30);
    const Tobstacle& sapling = f.obstacles[30];
    EXPECT_FALSE(sapling.image.empty());
    EXPECT_GE(sapling.hits, 2);
    EXPECT_LE(sapling.hits, 4);
    EXPECT_LT(sapling.width, 15);
    EXPECT_EQ(f.obstacles[1].width, 99);
    EXPECT_EQ(f.obstacles[1].height, 119);
}

TEST_F(Turns, AFadedAbilityHandsItsPlaceToOneThatWaits)
{
    match(1);
    auto lasting = [&](int place, const char* name, double range) {
        f.inplay[place] = f.catalog[100];
        f.inplay[place].name = name;
        f.inplay[place].range = range;
    };
    lasting(1, "keep", 0);  // never fades
    lasting(2, "first", 100);  // always fades
    lasting(3, "second", 100);  // moves into place 2 and is not tested this time
    f.inplaycount = 3;
    endturn();
    EXPECT_EQ(f.inplaycount, 2);
    EXPECT_EQ(f.inplay[1].name, "keep");
    EXPECT_EQ(f.inplay[2].name, "second");
    EXPECT_TRUE(f.inplay[3].name.empty());
    endturn();
    EXPECT_EQ(f.inplaycount, 1);
}

TEST_F(Turns, RangedAbilitiesWaitForTheFirstTurnToEnd)
{
    match(2);
    Tplayer& w = f.players[f.currentplayer];
    w.spellbook[1] = f.catalog[100];  // a Block
    w.walk = 50;
    f.controls.SpellPicker.items.push_back(w.spellbook[1].name);
    s.clearrecords();
    s.click(Control::AbilityBtn);  // no row chosen: row 0, the Ranged bolt
    EXPECT_EQ(f.controls.SpellPicker.selected, 0);
    EXPECT_EQ(f.mode, Mode::walking);
    EXPECT_EQ(s.sounds(), std::vector<std::string>{"click"});
    s.select(Control::SpellPicker, 1);
    s.click(Control::AbilityBtn);
    EXPECT_EQ(f.mode, Mode::aiming);
    EXPECT_EQ(f.controls.AbilityBtn.caption, "Cancel");
    EXPECT_EQ(f.controls.SpellPicker.color, FontColor::red);
    s.select(Control::SpellPicker, 0);  // the list is locked while aiming
    EXPECT_EQ(f.controls.SpellPicker.selected, 1);

    endturn();  // ends the first turn while aiming
    EXPECT_FALSE(f.firstturn);
    EXPECT_EQ(f.mode, Mode::walking);
    EXPECT_TRUE(f.controls.SpellPicker.enabled);
    EXPECT_EQ(f.controls.AbilityBtn.caption, "Use Ability");
    EXPECT_EQ(f.controls.SpellPicker.color, FontColor::red);  // stays red until the next "Cancel"

    Tplayer& next = f.players[f.currentplayer];
    next.walk = next.spellbook[0].walkcost - 1;
    s.clearrecords();
    s.click(Control::AbilityBtn);  // one point short: silence
    EXPECT_EQ(f.mode, Mode::walking);
    EXPECT_TRUE(s.sounds().empty());
    next.walk = next.spellbook[0].walkcost;
    s.click(Control::AbilityBtn);
    EXPECT_EQ(f.mode, Mode::aiming);
    EXPECT_EQ(s.sounds(), std::vector<std::string>{"cast"});
    s.click(Control::AbilityBtn);
    EXPECT_EQ(f.mode, Mode::walking);
    EXPECT_EQ(f.controls.SpellPicker.color, FontColor::yellow);
}

TEST_F(Turns, AbilityInformationPrintsRealsInGeneralFormat)
{
    match(1);
    Tability& a = f.players[1].spellbook[0];
    a.range = 20;
    a.aim = 47.25;
    s.select(Control::SpellPicker, 0);
    EXPECT_EQ(f.controls.AbilityInfo.lines,
              (std::vector<std::string>{a.name, "-------------", "Ability Type: Ranged Attack", "Level: 1",
                                        "Walk Cost: 2", "Range: 20", "Aim: 47.25", "Min Effect: 0",
                                        "Max Effect: " + std::to_string(a.maxeffect)}));
    a.aim = 63.18243501234567;
    s.select(Control::SpellPicker, 0);
    EXPECT_EQ(f.controls.AbilityInfo.lines[6], "Aim: 63.1824350123457");
}

TEST_F(Turns, AWizardWithNoAbilitiesCannotAim)
{
    match(1);
    f.players[1].spellbook[0] = Tability{};
    endturn();
    ASSERT_TRUE(f.controls.SpellPicker.items.empty());
    s.clearrecords();
    s.click(Control::AbilityBtn);
    EXPECT_EQ(f.mode, Mode::walking);
    EXPECT_TRUE(s.sounds().empty());
}

}  // namespace
}  // namespace hexbrawl
