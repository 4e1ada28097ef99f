// SPDX-License-Identifier: MIT
// Start-up, the title and the score report, driven as a player would.
#include "tests/testing.h"

namespace hexbrawl {
namespace {

using testing::texts;

TEST(Startup, FormCreatePreparesTheWorldAndTheEditorLists)
{
    for (std::uint32_t seed : {0u, 1u, 99u, 4000000000u}) {
        Session s;
        s.start(seed);
        const TForm1& f = s.form();
        EXPECT_GE(f.treecount, 10);
        EXPECT_LE(f.treecount, 29);
        int trees = 0;
        for (const Tobstacle& t : f.obstacles)
            trees += !t.image.empty();
        EXPECT_EQ(trees, f.treecount);
        for (const Tplayer& p : f.players) {
            EXPECT_EQ(p.hp, 1);
            EXPECT_EQ(p.maxhp, 1);
            EXPECT_EQ(p.walk, 1);
            EXPECT_EQ(p.maxwalk, 1);
            EXPECT_FALSE(p.spellbook[0].name.empty());
            EXPECT_TRUE(p.spellbook[1].name.empty());
            EXPECT_TRUE(p.name.empty());
        }
        EXPECT_EQ(f.currentplayer, 1);
        EXPECT_EQ(f.playercount, 1);
        EXPECT_EQ(f.gamelevel, 1);
        EXPECT_TRUE(f.firstturn);
        EXPECT_FALSE(f.matchrunning);

        const Controls& c = f.controls;
        EXPECT_TRUE(c.TitleImage.visible);
        EXPECT_FALSE(c.Draw.visible);
        EXPECT_FALSE(c.PurchaseWindow.visible);
        EXPECT_FALSE(c.GameTimer.enabled);
        EXPECT_EQ(c.lvllbl.caption, "Level: 1");
        EXPECT_EQ(c.WizardPortrait.picture, "forget");
        EXPECT_EQ(c.Yourlist.items, std::vector<std::string>{f.players[1].spellbook[0].name});
        ASSERT_EQ(c.PurchaseList.items.size(), 100u);
        // The first listing has a blank before the price.
        EXPECT_EQ(c.PurchaseList.items[0], f.catalog[0].name + " (3)");
        EXPECT_EQ(c.PurchaseList.items[99], f.catalog[99].name + " (300)");
        EXPECT_EQ(c.PictureBox.items, (std::vector<std::string>{"wizard1", "wizard2", "wizard3", "wizard4", "wizard5",
                                                                "wizard9", "wizard6", "wizard7", "wizard8"}));
        EXPECT_EQ(c.SndBox.items, std::vector<std::string>{"Death1"});
        EXPECT_EQ(c.PictureBox.text, "");
        EXPECT_EQ(c.glLabel2.caption, "Pick Your Traits Wizard:");
        EXPECT_EQ(c.PointGauge.value, 25);
        EXPECT_TRUE(s.messages().empty());
    }
}

TEST(Startup, TheTitleClickShowsTheEditorOnceAndForAll)
{
    Session s;
    s.start(7);
    s.click(Control::NextPlayerBtn);  // hidden behind the title: nothing
    EXPECT_TRUE(s.sounds().empty());
    s.click(Control::TitleImage);
    EXPECT_FALSE(s.form().controls.TitleImage.visible);
    EXPECT_TRUE(s.form().controls.PurchaseWindow.visible);
    EXPECT_TRUE(s.form().controls.Draw.visible);
    s.click(Control::TitleImage);  // gone: nothing happens
    EXPECT_TRUE(s.form().controls.PurchaseWindow.visible);
}

TEST(Startup, ScoreReport)
{
    {
        // Player 1 without a name: no report, whatever the others hold.
        Session s;
        testing::begin(s, 3, 2);
        s.form().players[2].name = "B";
        s.close();
        EXPECT_TRUE(s.messages().empty());
    }
    {
        Session s;
        testing::begin(s, 3, 2);
        s.form().players[1].name = "A";
        s.form().players[2].name = "B";
        s.form().players[2].kills = 1;
        s.close();
        ASSERT_EQ(s.messages().size(), 1u);
        EXPECT_EQ(s.messages()[0].kind, MessageKind::info);
        EXPECT_EQ(s.messages()[0].text, "And the scores are: A with 0 kills.B with 1 kills.");
    }
}

TEST(Startup, LookupsIgnoreCaseButNotLength)
{
    EXPECT_EQ(findimage("WIZARD3").name, "wizard3");
    EXPECT_EQ(findwave("DEATH").name, "death");
    EXPECT_EQ(findwave("death1").name, "Death1");
    EXPECT_EQ(findimage("windcurse").patternw(), 20);
    EXPECT_EQ(findimage("tree1").patternw(), 135);
    EXPECT_EQ(findimage("teleport").patternh(), 20);
    EXPECT_EQ(findimage("fireball").patternw(), 7);
    try {
        findimage("wiz");
        FAIL();
    } catch (const LookupError& e) {
        EXPECT_STREQ(e.what(), "Image 'wiz' not found");
    }
    try {
        findwave("Death2");
        FAIL();
    } catch (const LookupError& e) {
        EXPECT_STREQ(e.what(), "Wave 'Death2' not found");
    }
}

}  // namespace
}  // namespace hexbrawl
