// SPDX-License-Identifier: MIT
// The spell shop: prices, purchases into the first free slot, and sales refunded
// from the page that is showing.
#include "tests/testing.h"

namespace hexbrawl {
namespace {

struct Shop : ::testing::Test {
    Session s;
    TForm1& f = s.form();
    void SetUp() override { testing::begin(s, 31337); }
    int points() const { return f.controls.PointGauge.value; }
    Spellbook& book() { return f.players[f.currentplayer].spellbook; }
    void buy(int row)
    {
        s.select(Control::PurchaseList, row);
        s.click(Control::PurchaseBtn);
    }
    void sell(int row)
    {
        s.select(Control::Yourlist, row);
        s.click(Control::SellBtn);
    }
};

TEST_F(Shop, PurchasesCostThreePointsALevelUntilThePointsRunOut)
{
    for (int i = 0; i < 8; ++i)
        buy(0);
    EXPECT_EQ(points(), 1);
    EXPECT_EQ(f.controls.Yourlist.items.size(), 9u);
    s.clearrecords();
    buy(0);  // 3 points, 1 left: nothing at all
    EXPECT_EQ(s.sounds(), std::vector<std::string>{});  // the row click plays nothing either
    EXPECT_EQ(f.controls.Yourlist.items.size(), 9u);
    EXPECT_EQ(points(), 1);
}

TEST_F(Shop, ABoughtAbilityIsAWholeCopyInTheFirstFreeSlot)
{
    s.select(Control::MagicType, 1);
    s.select(Control::PurchaseList, 4);
    EXPECT_EQ(f.controls.costlbl.caption, "Cost: 15");
    const Tability& entry = f.catalog[104];
    EXPECT_EQ(f.controls.SpellInfo.lines,
              (std::vector<std::string>{
                  "Name: " + entry.name, "Block spell.", "Level: 5", "Min: " + std::to_string(entry.mineffect),
                  "Max: " + std::to_string(entry.maxeffect), "Walk Cost: " + std::to_string(entry.walkcost), "Range: 1",
                  "Aim: " + std::to_string(truncate(entry.aim))}));
    s.clearrecords();
    s.click(Control::PurchaseBtn);
    EXPECT_EQ(s.sounds(), std::vector<std::string>{"button"});
    EXPECT_EQ(points(), 10);
    EXPECT_EQ(f.controls.glLabel2.caption, "Pick Your Traits Wizard: (10)");
    const Tability& bought = book()[1];
    EXPECT_EQ(bought.name, entry.name);
    EXPECT_EQ(bought.sprite, entry.sprite);
    EXPECT_EQ(bought.aim, entry.aim);
    EXPECT_EQ(bought.kind, Block);
    EXPECT_EQ(f.controls.Yourlist.items.back(), entry.name);
    // Both lists are rebuilt, without a selection, and the refresh drops the blank.
    EXPECT_EQ(f.controls.PurchaseList.selected, -1);
    EXPECT_EQ(f.controls.Yourlist.selected, -1);
    EXPECT_EQ(f.controls.PurchaseList.items[4], entry.name + "(15)");
    // The purchase needs a row chosen again.
    s.click(Control::PurchaseBtn);
    EXPECT_EQ(points(), 10);
    // The catalogue is untouched by changes to the copy.
    book()[1].name = "changed";
    EXPECT_EQ(f.catalog[104].name, entry.name);
}

TEST_F(Shop, SalesRefundTheFirstEntryOfTheShownPageAndPackTheBook)
{
    buy(0);
    buy(1);
    buy(0);
    ASSERT_EQ(f.controls.Yourlist.items.size(), 4u);
    const std::string third = book()[3].name;
    EXPECT_EQ(points(), 25 - 3 - 6 - 3);
    sell(2);  // the second bought: row 1 of the page
    EXPECT_EQ(points(), 13 + 6);
    EXPECT_EQ(book()[2].name, third);
    EXPECT_TRUE(book()[3].name.empty());
    EXPECT_FALSE(f.controls.SellBtn.enabled);

    // The starting ability is in no page of the catalogue: no refund, no removal.
    const std::string starting = book()[0].name;
    s.clearrecords();
    sell(0);
    EXPECT_EQ(book()[0].name, starting);
    EXPECT_EQ(points(), 19);
    EXPECT_EQ(s.sounds(), (std::vector<std::string>{"click", "click"}));

    // A Ranged ability sold while "Block" shows: only the button is disabled.
    s.select(Control::MagicType, 1);
    sell(1);
    EXPECT_EQ(f.controls.Yourlist.items.size(), 3u);
    EXPECT_FALSE(f.controls.SellBtn.enabled);

    // A disabled "<----" sells nothing.
    s.click(Control::SellBtn);
    EXPECT_EQ(f.controls.Yourlist.items.size(), 3u);
}

TEST_F(Shop, RefundsStopAtTheBudgetButTheAbilityGoesAllTheSame)
{
    buy(2);
    f.controls.PointGauge.value = 24;
    sell(1);
    EXPECT_EQ(points(), 25);
    EXPECT_EQ(f.controls.Yourlist.items.size(), 1u);
}

TEST_F(Shop, AFullBookBuysNothingAndItsLastSlotCanBeSold)
{
    for (int slot = 1; slot <= 99; ++slot)
        book()[slot] = f.catalog[0];
    f.refreshyourlist();
    ASSERT_EQ(f.controls.Yourlist.items.size(), 100u);
    s.clearrecords();
    buy(0);
    EXPECT_TRUE(s.sounds().empty());
    EXPECT_EQ(points(), 25);
    sell(99);
    EXPECT_TRUE(book()[99].name.empty());
    EXPECT_EQ(book()[99].kind, AbilityKind{});
    EXPECT_EQ(f.controls.Yourlist.items.size(), 99u);
    EXPECT_EQ(points(), 25);  // already at the budget
}

TEST_F(Shop, AStaleSellRowOnlyClicks)
{
    buy(0);
    s.select(Control::Yourlist, 1);
    // The row vanished under the enabled button (as after a round end).
    book()[1] = Tability{};
    f.refreshyourlist();
    s.clearrecords();
    s.click(Control::SellBtn);
    EXPECT_FALSE(f.controls.SellBtn.enabled);
    EXPECT_EQ(s.sounds(), std::vector<std::string>{"click"});
    EXPECT_EQ(points(), 22);
}

TEST_F(Shop, APageChangeRefreshesOnlyTheLists)
{
    s.select(Control::Yourlist, 0);
    const auto info = f.controls.SpellInfo.lines;
    s.clearrecords();
    s.select(Control::MagicType, 3);
    EXPECT_TRUE(s.sounds().empty());
    EXPECT_EQ(f.controls.SpellInfo.lines, info);
    EXPECT_TRUE(f.controls.SellBtn.enabled);
    EXPECT_EQ(f.controls.PurchaseList.items[0], f.catalog[300].name + "(3)");
    s.select(Control::MagicType, 3);  // the page showing: nothing runs
    s.select(Control::PurchaseList, 100);  // no such row
    EXPECT_EQ(f.controls.costlbl.caption, "Cost:");
}

}  // namespace
}  // namespace hexbrawl
