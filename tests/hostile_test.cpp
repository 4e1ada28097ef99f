// SPDX-License-Identifier: MIT
// Hostile input: what players type, paste and do at the worst moment. Every case
// must leave a game that goes on and a runner whose output stays valid JSON.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <climits>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include "game/input.h"
#include "tests/monkey/monkey.h"
#include "tests/testing.h"

namespace hexbrawl {
namespace {

using testing::begin;
using testing::makewizard;
using testing::texts;

// The state as the runner prints it. nlohmann's parser is strict about UTF-8, so a
// raw byte of a name slipping through would throw here.
nlohmann::json parsed(Session& s) { return nlohmann::json::parse(s.state()); }

// The state without the records, to compare before and after.
nlohmann::json snapshot(Session& s)
{
    nlohmann::json j = parsed(s);
    j.erase("messages");
    j.erase("sounds");
    return j;
}

// A bolt of `owner` sitting on `victim` that rolls exactly `damage`; it hits at the
// next tick, too young to clash or to hit a tree.
void strike(TForm1& f, int victim, int owner, int damage)
{
    Tability a = f.catalog[0];
    a.x = f.players[victim].x + 5;
    a.y = f.players[victim].y + 5;
    a.dx = a.dy = 0;
    a.range = a.maxrange = 80;
    a.mineffect = damage;
    a.maxeffect = damage + 1;
    a.owner = owner;
    ++f.inplaycount;
    f.inplay[f.inplaycount] = a;
}

void nobroken(const TForm1& f)
{
    const auto bad = monkey::checkinvariants(f);
    EXPECT_FALSE(bad) << bad->rule << ": " << bad->detail;
}

const std::string novel(10000, 'n');
const std::string invalid = "caf\xc3\xa9 \xff\xfe\xc0\x80 end";
// How the runner prints it: each byte that is no UTF-8 becomes U+FFFD.
const std::string invalidprinted = "caf\xc3\xa9 \xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd end";

TEST(Hostile, NamesOfEveryKindPlayARoundAndPrintAsValidUtf8)
{
    const std::vector<std::string> names = {novel, "<b>x</b>", "<img src=x>", "tab\tbell\x07\x1b[31mred\x7f", invalid};
    Session s;
    begin(s, 606, 5);
    for (const std::string& name : names) {
        makewizard(s, name, "wizard2", "Death1");
        s.click(Control::NextPlayerBtn);
    }
    TForm1& f = s.form();
    ASSERT_TRUE(f.matchrunning);
    // Every turn is announced with the name as typed; markup stays text.
    for (int turn = 0; turn < 5; ++turn) {
        const Tplayer& w = f.players[f.currentplayer];
        EXPECT_EQ(f.controls.Caption, w.name + " is moving...");
        EXPECT_EQ(f.controls.namelbl.caption, w.name);
        EXPECT_EQ(texts(s.messages()).back(), "Player " + w.name + " its your turn.");
        const nlohmann::json j = parsed(s);
        for (int p = 0; p < 4; ++p)
            EXPECT_EQ(j["players"][p]["name"], names[static_cast<std::size_t>(p)]);
        EXPECT_EQ(j["players"][4]["name"], invalidprinted);
        s.click(Control::EndTurnBtn);
    }

    // Four fall (a tick takes every other bolt of a row that moves down); the
    // 10,000 letters win and come back into the editor.
    for (int p = 2; p <= 5; ++p)
        strike(f, p, 1, 50);
    f.currentplayer = 3;
    s.clearrecords();
    s.tick(3);
    ASSERT_EQ(f.gamelevel, 2);
    EXPECT_EQ(texts(s.messages()), std::vector<std::string>{"Player :" + novel + " won this round!"});
    EXPECT_EQ(f.controls.PlayerNameEd.text, novel);
    EXPECT_EQ(f.players[3].kills, 4);
    nobroken(f);

    s.clearrecords();
    s.close();
    std::string scores = "And the scores are: ";
    for (std::size_t p = 0; p < names.size(); ++p)
        scores += names[p] + " with " + (p == 2 ? "4" : "0") + " kills.";
    EXPECT_EQ(texts(s.messages()), std::vector<std::string>{scores});
    const nlohmann::json j = parsed(s);
    EXPECT_EQ(j["messages"][0]["text"].get<std::string>().size(),
              scores.size() - invalid.size() + invalidprinted.size());

    // The runner program's side: every document it prints parses.
    std::istringstream in("start 606\nclick TitleImage\nset PlayerNameEd " + invalid +
                          "\nset PictureBox wizard1\nset SndBox Death1\nstate\nclick NextPlayerBtn\nstate\nclose\n");
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(runscript(in, out, err), 0) << err.str();
    std::istringstream lines(out.str());
    std::string line;
    int documents = 0;
    while (std::getline(lines, line)) {
        const nlohmann::json d = nlohmann::json::parse(line);
        EXPECT_EQ(d["players"][0]["name"], invalidprinted);
        ++documents;
    }
    EXPECT_EQ(documents, 2);
}

TEST(Hostile, AnEmptiedNameIsStoredEmptyAndHoldsTheRosterBack)
{
    Session s;
    begin(s, 7);
    makewizard(s, "Alma");
    s.set(Control::PlayerNameEd, "");  // typed, then deleted
    EXPECT_EQ(s.form().players[1].name, "");
    EXPECT_EQ(parsed(s)["players"][0]["name"], "");
    s.click(Control::NextPlayerBtn);
    EXPECT_EQ(texts(s.messages()), std::vector<std::string>{"Please enter a name"});
    EXPECT_FALSE(s.form().matchrunning);
    // A name of blanks is a name: stored as typed, and the match starts.
    s.set(Control::PlayerNameEd, "   ");
    s.click(Control::NextPlayerBtn);
    ASSERT_TRUE(s.form().matchrunning);
    EXPECT_EQ(s.form().controls.Caption, "    is moving...");
    EXPECT_EQ(parsed(s)["players"][0]["name"], "   ");
}

const std::string oddnumbers[] = {"", "-5", "0", "abc", "99999999999999999999"};

TEST(Hostile, OddPickerTextsThatAreRefusedLeaveTheStateAsItWas)
{
    // A fresh wizard stands at 1: each text reads as 1, is empty, or is too dear.
    for (const Control picker : {Control::HealthPicker, Control::ManaPicker})
        for (const std::string& text : oddnumbers) {
            Session s;
            begin(s, 31);
            const nlohmann::json before = snapshot(s);
            s.set(picker, text);
            EXPECT_EQ(snapshot(s), before) << controlname(picker) << " '" << text << "'";
        }

    // Every point spent on health: walk can move nowhere, health only down.
    for (const std::string& text : oddnumbers) {
        Session s;
        begin(s, 31);
        s.set(Control::HealthPicker, "26");
        ASSERT_EQ(s.form().controls.PointGauge.value, 0);
        const nlohmann::json before = snapshot(s);
        s.set(Control::ManaPicker, text);
        EXPECT_EQ(snapshot(s), before) << "ManaPicker '" << text << "'";
        s.set(Control::HealthPicker, text);
        if (text.empty() || text.size() > 10) {
            EXPECT_EQ(snapshot(s), before) << "HealthPicker '" << text << "'";
        } else {
            // "-5", "0" and "abc" read as 1: a lowering, paid back in full.
            EXPECT_EQ(s.form().players[1].maxhp, 1) << text;
            EXPECT_EQ(s.form().controls.PointGauge.value, 25) << text;
            EXPECT_EQ(s.form().controls.HealthPicker.text, "1") << text;
        }
    }
}

TEST(Hostile, HiddenOrDisabledControlsAndMissingRowsTakeNothing)
{
    Session s;
    testing::startmatch(s, 8, 2);
    TForm1& f = s.form();
    const nlohmann::json before = snapshot(s);
    // The editor is hidden during the match, its name, body, cry and count fields
    // disabled for good.
    for (const Control c : {Control::PlayerCountSpinner, Control::PlayerNameEd, Control::PictureBox, Control::SndBox,
                            Control::HealthPicker, Control::ManaPicker})
        for (const std::string& text : oddnumbers)
            s.set(c, text);
    for (const Control c :
         {Control::PurchaseBtn, Control::SellBtn, Control::NextPlayerBtn, Control::PlaysndBtn, Control::TitleImage})
        s.click(c);
    for (const Control c : {Control::PurchaseList, Control::Yourlist, Control::MagicType})
        s.select(c, 1);
    // Rows the turn display's list does not have.
    for (const int row : {INT_MIN, -2, -1, 1, 100, INT_MAX})
        s.select(Control::SpellPicker, row);
    EXPECT_EQ(snapshot(s), before);

    // After the round the editor is back, but the fields stay disabled.
    f.players[2].hp = 0;
    f.deadcount = 1;
    s.tick(1);
    ASSERT_TRUE(f.controls.PurchaseWindow.visible);
    const nlohmann::json editor = snapshot(s);
    for (const Control c : {Control::PlayerCountSpinner, Control::PlayerNameEd, Control::PictureBox, Control::SndBox})
        s.set(c, "wizard3");
    for (const int row : {INT_MIN, -1, 100, INT_MAX}) {
        s.select(Control::PurchaseList, row);
        s.select(Control::Yourlist, row);
    }
    s.select(Control::Yourlist, 1);
    EXPECT_EQ(snapshot(s), editor);
    nobroken(f);
}

TEST(Hostile, PortraitsThatNameNothingAreRefusedWhateverTheCase)
{
    Session s;
    begin(s, 12, 2);
    TForm1& f = s.form();
    s.set(Control::PictureBox, "WiZaRd7");  // any case names the picture; kept as typed
    ASSERT_EQ(f.players[1].portrait, "WiZaRd7");
    for (const std::string& typed : {std::string(), std::string(" wizard1"), std::string("wizard1 "),
                                     std::string("wizard13"), std::string("wizard\xff"), novel}) {
        s.clearrecords();
        s.set(Control::PictureBox, typed);
        EXPECT_EQ(texts(s.messages()), std::vector<std::string>{"Image '" + typed + "' not found"});
        EXPECT_TRUE(s.sounds().empty());
        EXPECT_EQ(f.players[1].portrait, "WiZaRd7");
        EXPECT_EQ(f.controls.WizardPortrait.picture, "WiZaRd7");
        EXPECT_EQ(f.controls.PictureBox.text, typed);  // the box shows what was typed
        parsed(s);
    }
    s.set(Control::PlayerNameEd, "A");
    s.set(Control::SndBox, "Death1");
    s.click(Control::NextPlayerBtn);
    makewizard(s, "B", "wizard2", "Death1");
    s.click(Control::NextPlayerBtn);
    ASSERT_TRUE(f.matchrunning);
    // The odd case draws like any other, in the turn display and on the arena.
    f.currentplayer = 2;
    s.click(Control::EndTurnBtn);
    EXPECT_EQ(f.controls.Portrait.picture, "WiZaRd7");
    s.clearrecords();
    s.tick(3);
    EXPECT_TRUE(s.messages().empty());
    EXPECT_EQ(f.frames, 3u);
}

TEST(Hostile, DeathCriesThatNameNothingNeverReachTheMatchAndTheCaseIsKept)
{
    Session s;
    begin(s, 13, 2);
    TForm1& f = s.form();
    s.set(Control::PlayerNameEd, "A");
    s.set(Control::PictureBox, "wizard1");
    for (const std::string& typed :
         {std::string(" Death1"), std::string("Death1 "), std::string("Death2"), std::string("Death1\xff"), novel}) {
        s.set(Control::SndBox, typed);
        EXPECT_EQ(f.players[1].deathcry, typed);  // stored as typed ...
        s.clearrecords();
        s.click(Control::PlaysndBtn);
        EXPECT_EQ(texts(s.messages()), std::vector<std::string>{"Wave '" + typed + "' not found"});
        s.clearrecords();
        s.click(Control::NextPlayerBtn);  // ... but not let into a match
        EXPECT_EQ(texts(s.messages()), std::vector<std::string>{"Please pick a death cry"});
        EXPECT_EQ(f.currentplayer, 1);
    }
    s.set(Control::SndBox, "dEaTh1");
    s.click(Control::NextPlayerBtn);
    makewizard(s, "B", "wizard2", "DEATH");
    s.click(Control::NextPlayerBtn);
    ASSERT_TRUE(f.matchrunning);

    // The cry is played as typed when its wizard falls.
    strike(f, 1, 2, 50);
    s.clearrecords();
    s.tick(1);
    EXPECT_TRUE(testing::played(s, "dEaTh1"));
    EXPECT_EQ(texts(s.messages()), std::vector<std::string>{"Player :B won this round!"});
}

// Two wizards, B's turn, B's starting bolt a few ticks out towards A; the commands
// that led there are kept, to be replayed by the runner.
monkey::Script boltinflight(monkey::Player& p)
{
    using input::Action;
    monkey::Script script;
    auto run = [&](Command c) {
        script.push_back(c);
        const auto bad = p.step(c);
        ASSERT_FALSE(bad) << bad->detail;
    };
    auto set = [&](Control c, const std::string& text) { run(Action::set(c, text)); };
    auto click = [&](Control c) { run(Action::click(c)); };
    run(Action::start(21));
    click(Control::TitleImage);
    set(Control::PlayerCountSpinner, "2");
    for (const char* name : {"A", "B"}) {
        set(Control::PlayerNameEd, name);
        set(Control::PictureBox, "wizard1");
        set(Control::SndBox, "Death1");
        set(Control::ManaPicker, "5");
        click(Control::NextPlayerBtn);
    }
    const TForm1& f = p.form();
    // Past the first turn, in which nothing may be cast, to B's.
    for (int i = 0; i < 3 && (f.firstturn || f.currentplayer != 2); ++i)
        click(Control::EndTurnBtn);
    EXPECT_EQ(f.currentplayer, 2);
    run(Action::select(Control::SpellPicker, 0));
    click(Control::AbilityBtn);
    EXPECT_EQ(f.mode, Mode::aiming);
    const Tplayer& b = f.players[2];  // at (365, 730): A is straight up
    run(Action::press(static_cast<int>(b.x) + 10, static_cast<int>(b.y) - 5));
    run(Action::tick(4));
    EXPECT_EQ(f.inplaycount, 1);
    EXPECT_EQ(f.inplay[1].kind, Ranged);
    return script;
}

TEST(Hostile, ClosingTheWindowMidMatchOnlyReportsTheScores)
{
    {
        Session s;
        testing::startmatch(s, 22, 3);
        s.click(Control::EndTurnBtn);
        const nlohmann::json before = snapshot(s);
        s.clearrecords();
        s.close();
        EXPECT_EQ(texts(s.messages()),
                  std::vector<std::string>{"And the scores are: A with 0 kills.B with 0 kills.C with 0 kills."});
        EXPECT_TRUE(s.sounds().empty());
        EXPECT_EQ(snapshot(s), before);
        nobroken(s.form());
    }
    monkey::Player p;
    monkey::Script script = boltinflight(p);
    Session& s = p.session();
    const nlohmann::json before = snapshot(s);
    s.clearrecords();
    s.close();
    EXPECT_EQ(texts(s.messages()), std::vector<std::string>{"And the scores are: A with 0 kills.B with 0 kills."});
    EXPECT_EQ(snapshot(s), before);
    nobroken(s.form());

    // The runner takes a script that ends with the window closed on a bolt in flight.
    script.emplace_back(Output::state);
    script.push_back(input::Action::close());
    std::istringstream in(monkey::scripttext(script));
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runscript(in, out, err), 0) << err.str();
    EXPECT_EQ(nlohmann::json::parse(out.str())["inplay"].size(), 1u);
}

// The window's modal boxes keep its events coming: the player may close the window
// while a box is open, and the closing runs inside the handler that showed the box.
struct CloseDuringMessage final : Dialogs {
    TForm1* form = nullptr;
    std::string when;
    std::vector<std::string> shown;
    bool closed = false;
    void showmessage(MessageKind, const std::string& text) override
    {
        shown.push_back(text);
        if (!closed && text.starts_with(when)) {
            closed = true;
            form->FormClose();
        }
    }
};
struct FixedClock final : Clock {
    std::uint32_t seedvalue() override { return 4711; }
};
struct Timer final : GameTimer {
    bool on = false;
    void setenabled(bool enabled) override { on = enabled; }
};

TEST(Hostile, ClosingTheWindowDuringTheTurnOrWinnerMessage)
{
    NullSurface surface;
    NullSound sound;
    CloseDuringMessage dialogs;
    Timer timer;
    FixedClock clock;
    TForm1 f(Ports{surface, sound, dialogs, timer, clock});
    dialogs.form = &f;
    dialogs.when = "Player B its your turn.";
    using input::Action;
    auto apply = [&f](const Action& a) { input::apply(f, a); };
    apply(Action::start(0));
    apply(Action::click(Control::TitleImage));
    apply(Action::set(Control::PlayerCountSpinner, "2"));
    for (const char* name : {"A", "B"}) {
        apply(Action::set(Control::PlayerNameEd, name));
        apply(Action::set(Control::PictureBox, "wizard1"));
        apply(Action::set(Control::SndBox, "Death1"));
        apply(Action::click(Control::NextPlayerBtn));
    }
    ASSERT_TRUE(f.matchrunning);
    apply(Action::click(Control::EndTurnBtn));  // whoever began, B is announced within two turns
    apply(Action::click(Control::EndTurnBtn));
    ASSERT_TRUE(dialogs.closed);
    const auto at = std::find(dialogs.shown.begin(), dialogs.shown.end(), "Player B its your turn.");
    ASSERT_NE(at, dialogs.shown.end());
    ASSERT_NE(at + 1, dialogs.shown.end());
    EXPECT_EQ(at[1], "And the scores are: A with 0 kills.B with 0 kills.");
    // The turn start went on to its end after the box.
    EXPECT_EQ(f.controls.namelbl.caption, f.players[f.currentplayer].name);
    EXPECT_EQ(f.controls.SpellPicker.items.size(), 1u);
    EXPECT_TRUE(timer.on);
    nobroken(f);

    // The winner's box: the editor reopens after it all the same.
    dialogs.closed = false;
    dialogs.when = "Player :";
    dialogs.shown.clear();
    const int victim = f.currentplayer == 1 ? 2 : 1;
    strike(f, victim, f.currentplayer, 50);
    apply(Action::tick(1));
    ASSERT_TRUE(dialogs.closed);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0], "Player :" + f.players[3 - victim].name + " won this round!");
    EXPECT_TRUE(dialogs.shown[1].starts_with("And the scores are: "));
    EXPECT_FALSE(f.matchrunning);
    EXPECT_FALSE(timer.on);
    EXPECT_TRUE(f.controls.PurchaseWindow.visible);
    EXPECT_EQ(f.controls.PointGauge.max, 8);
    nobroken(f);
}

// The program itself, started where there is no display at all: one line that says
// what is missing, and exit status 1, before the window system is asked for anything.
TEST(MissingParts, WithoutADisplayTheGameSaysSoInOneLine)
{
    const std::string runner = HEXBRAWL_SCRIPT;
    const std::string game = runner.substr(0, runner.rfind('/') + 1) + "hexbrawl";
    if (::access(game.c_str(), X_OK) != 0)
        GTEST_SKIP() << "the window is not built";
    for (const char* platform : {"", "QT_QPA_PLATFORM=xcb ", "QT_QPA_PLATFORM=wayland DISPLAY= "}) {
        const std::string command =
            std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ") + platform + game + " 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string said;
        char buffer[4096];
        while (std::fgets(buffer, sizeof buffer, pipe))
            said += buffer;
        const int status = pclose(pipe);
        ASSERT_TRUE(WIFEXITED(status)) << command;
        EXPECT_EQ(WEXITSTATUS(status), 1) << command;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find("display"), std::string::npos) << said;
    }
}

}  // namespace
}  // namespace hexbrawl
