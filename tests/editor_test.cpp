// SPDX-License-Identifier: MIT
// The trait editor: prices per unit from the stored maximum, refusals that move no
// point, and the typed texts a player may throw at it.
#include "tests/testing.h"

namespace hexbrawl {
namespace {

using testing::begin;

struct Editor : ::testing::Test {
    Session s;
    TForm1& f = s.form();
    void SetUp() override { begin(s, 2024); }
    int points() const { return f.controls.PointGauge.value; }
    const Tplayer& wizard() const { return f.players[f.currentplayer]; }
    void health(const std::string& text) { s.set(Control::HealthPicker, text); }
    void walk(const std::string& text) { s.set(Control::ManaPicker, text); }
};

TEST_F(Editor, HealthStepsCostOnePointEachUntilThePointsRunOut)
{
    for (int v = 2; v <= 26; ++v)
        health(std::to_string(v));
    EXPECT_EQ(wizard().maxhp, 26);
    EXPECT_EQ(wizard().hp, 26);
    EXPECT_EQ(points(), 0);
    EXPECT_EQ(f.controls.glLabel2.caption, "Pick Your Traits Wizard: (0)");
    s.clearrecords();
    health("27");  // refused: the picker goes back, and that change runs the rule again
    EXPECT_EQ(wizard().maxhp, 26);
    EXPECT_EQ(f.controls.HealthPicker.text, "26");
    EXPECT_EQ(s.sounds(), (std::vector<std::string>{"click", "click"}));
}

TEST_F(Editor, TypedJumpsAreChargedPerUnitBothWays)
{
    health("20");  // 19 units
    EXPECT_EQ(points(), 6);
    health("30");  // needs 10, has 6: refused
    EXPECT_EQ(wizard().maxhp, 20);
    EXPECT_EQ(f.controls.HealthPicker.text, "20");
    EXPECT_EQ(points(), 6);
    health("5");  // gives 15 back
    EXPECT_EQ(wizard().maxhp, 5);
    EXPECT_EQ(points(), 21);
    health("200");  // clamped to 100, needs 95: refused, back to 5
    EXPECT_EQ(f.controls.HealthPicker.text, "5");
    EXPECT_EQ(points(), 21);
    walk("5");  // 4 units at 2 points
    EXPECT_EQ(wizard().maxwalk, 5);
    EXPECT_EQ(wizard().walk, 5);
    EXPECT_EQ(points(), 13);
    walk("3");
    EXPECT_EQ(points(), 17);
}

TEST_F(Editor, WalkNeedsTwoPointsAndRefundsStopAtTheBudget)
{
    f.controls.PointGauge.value = 1;
    walk("2");
    EXPECT_EQ(wizard().maxwalk, 1);
    EXPECT_EQ(f.controls.ManaPicker.text, "1");
    f.controls.PointGauge.value = 2;
    walk("2");
    EXPECT_EQ(wizard().maxwalk, 2);
    EXPECT_EQ(points(), 0);

    // One point short of a level-2 budget of 8: lowering walk gives back only 1.
    f.controls.PointGauge = {7, 8};
    walk("1");
    EXPECT_EQ(wizard().maxwalk, 1);
    EXPECT_EQ(points(), 8);
    // With every point unspent, nothing can be given back.
    health("1");
    f.players[1].maxhp = f.players[1].hp = 3;
    f.controls.HealthPicker.text.assign(1, '3');
    health("2");
    EXPECT_EQ(wizard().maxhp, 3);
    EXPECT_EQ(f.controls.HealthPicker.text, "3");
    EXPECT_EQ(points(), 8);
}

TEST_F(Editor, AHurtWizardIsPricedFromItsMaximum)
{
    Tplayer& w = f.players[1];
    w.maxhp = 10;
    w.hp = 4;
    f.controls.HealthPicker.text = "10";
    f.controls.PointGauge = {5, 8};
    health("8");  // a lowering: 2 points back, and the wizard stands at 8
    EXPECT_EQ(w.maxhp, 8);
    EXPECT_EQ(w.hp, 8);
    EXPECT_EQ(points(), 7);
    health("9");
    EXPECT_EQ(points(), 6);
}

TEST_F(Editor, OddPickerTextsReadAsNumbersOrOne)
{
    EXPECT_EQ(spinvalue("", 1, 100), 1);
    EXPECT_EQ(spinvalue("   ", 1, 100), 1);
    EXPECT_EQ(spinvalue("-5", 1, 100), 1);
    EXPECT_EQ(spinvalue("0", 1, 100), 1);
    EXPECT_EQ(spinvalue("abc", 1, 100), 1);
    EXPECT_EQ(spinvalue("12abc", 1, 100), 1);
    EXPECT_EQ(spinvalue("+", 1, 100), 1);
    EXPECT_EQ(spinvalue(" +7 ", 1, 100), 7);
    EXPECT_EQ(spinvalue("007", 1, 12), 7);
    EXPECT_EQ(spinvalue("99999999999999999999", 1, 100), 100);
    EXPECT_EQ(spinvalue("-99999999999999999999", 1, 12), 1);
    EXPECT_EQ(spinvalue("\t5", 1, 100), 1);

    health("5");
    const int before = points();
    health("");  // cleared: no point moves and the picker returns to the maximum
    EXPECT_EQ(wizard().maxhp, 5);
    EXPECT_EQ(points(), before);
    EXPECT_EQ(f.controls.HealthPicker.text, "5");
    health("abc");  // reads as 1: a lowering to 1
    EXPECT_EQ(wizard().maxhp, 1);
    EXPECT_EQ(f.controls.HealthPicker.text, "1");
    EXPECT_EQ(points(), 25);
    health("99999999999999999999");  // 100 is too dear: back to 1
    EXPECT_EQ(f.controls.HealthPicker.text, "1");
}

TEST_F(Editor, PlayerCountStaysWithinTwelveAndKeepsItsText)
{
    for (const auto& [text, count] : std::vector<std::pair<std::string, int>>{
             {"5", 5}, {"0", 1}, {"13", 12}, {"-5", 1}, {"abc", 1}, {"99999999999999999999", 12}, {"", 1}}) {
        s.set(Control::PlayerCountSpinner, text);
        EXPECT_EQ(f.playercount, count) << text;
        EXPECT_EQ(f.controls.PlayerCountSpinner.text, text);
    }
}

TEST_F(Editor, PortraitsAreCheckedAtEveryKeystrokeAndDeathCriesAreNot)
{
    s.set(Control::PictureBox, "wizard9");
    EXPECT_EQ(wizard().portrait, "wizard9");
    EXPECT_EQ(f.controls.WizardPortrait.picture, "wizard9");
    s.clearrecords();
    for (const char* typed : {"w", "wi", "wiz"})
        s.set(Control::PictureBox, typed);
    EXPECT_EQ(testing::texts(s.messages()),
              (std::vector<std::string>{"Image 'w' not found", "Image 'wi' not found", "Image 'wiz' not found"}));
    EXPECT_TRUE(s.sounds().empty());
    EXPECT_EQ(wizard().portrait, "wizard9");
    EXPECT_EQ(f.controls.WizardPortrait.picture, "wizard9");
    s.set(Control::PictureBox, "WIZARD3");  // any case names the picture; stored as typed
    EXPECT_EQ(wizard().portrait, "WIZARD3");

    s.clearrecords();
    s.click(Control::PlaysndBtn);  // no death cry yet
    EXPECT_EQ(testing::texts(s.messages()), std::vector<std::string>{"Wave '' not found"});
    s.set(Control::SndBox, "whatever I like");
    EXPECT_EQ(wizard().deathcry, "whatever I like");
    s.set(Control::SndBox, "death1");
    s.clearrecords();
    s.click(Control::PlaysndBtn);
    EXPECT_EQ(s.sounds(), std::vector<std::string>{"death1"});
}

TEST_F(Editor, NamesAreStoredExactlyAsTyped)
{
    const std::string hostile[] = {std::string(10000, 'x'), "<b>x</b>", "<img src=x>",
                                   "a\x01\x1b[31mb",        "\xff\xfe", ""};
    for (const std::string& name : hostile) {
        s.set(Control::PlayerNameEd, name);
        EXPECT_EQ(wizard().name, name);
    }
}

}  // namespace
}  // namespace hexbrawl
