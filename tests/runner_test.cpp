// SPDX-License-Identifier: MIT
// The runner's contract: what it accepts, what it refuses and how it prints.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "tests/testing.h"
#include "tools/script/json.h"
#include "tools/script/scenario.h"

namespace hexbrawl {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome run(const std::string& script)
{
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    const int status = runscript(in, out, err);
    return {status, out.str(), err.str()};
}

TEST(Runner, BadScriptsNameTheirLine)
{
    const struct {
        const char* script;
        const char* line;
    } cases[] = {
        {"", "line 1:"},
        {"# only a comment\n\n", "line 1:"},  // no command at all: line 1
        {"state\n", "line 1:"},
        {"start 1\nstart 2\n", "line 2:"},
        {"start 1\nfly away\n", "line 2:"},
        {"start 1\nclick Nowhere\n", "line 2:"},
        {"start 1\nclick PurchaseList\n", "line 2:"},  // a list is selected, not clicked
        {"start 1\nset NextPlayerBtn x\n", "line 2:"},
        {"start 1\ntick 0\n", "line 2:"},
        {"start 1\ntick  2\n", "line 2:"},  // two blanks
        {"start 1\nstate \n", "line 2:"},  // a blank after the last word
        {"start 1\npress 750 3\n", "line 2:"},
        {"start 1\npress 3\n", "line 2:"},
        {"start 1\nselect MagicType 4\n", "line 2:"},
        {"start 1\nselect Yourlist x\n", "line 2:"},
        {"start -1\n", "line 1:"},
        {"start 4294967296\n", "line 1:"},
        {"start +5\n", "line 1:"},
        {"start 1\n state\n", "line 2:"},  // a command starts the line
        {"start 1\nclose\nstate\n", "line 3:"},
    };
    for (const auto& c : cases) {
        const Outcome r = run(c.script);
        EXPECT_EQ(r.status, 2) << c.script;
        EXPECT_EQ(r.err.rfind(c.line, 0), 0u) << c.script << " -> " << r.err;
    }
}

TEST(Runner, SkipsCommentsBlanksAndCarriageReturnsAndKeepsWhatWasPrinted)
{
    const Outcome r = run("\t \r\n  # note\r\nstart 12345\r\n#state\nstate\ncatalog\nbogus\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "line 7: unknown command 'bogus'\n");
    std::istringstream lines(r.out);
    std::string state;
    std::string catalog;
    ASSERT_TRUE(std::getline(lines, state));
    ASSERT_TRUE(std::getline(lines, catalog));
    const auto s = nlohmann::json::parse(state);
    EXPECT_EQ(s["players"].size(), 12u);
    EXPECT_EQ(s["terrain"].size(), 38u);
    EXPECT_EQ(s["terrain"][0], std::string(38, '.'));
    EXPECT_EQ(s["controls"]["HealthPicker"]["text"], "1");
    EXPECT_EQ(s["controls"]["SpellPicker"]["color"], "yellow");
    EXPECT_EQ(nlohmann::json::parse(catalog).size(), 400u);
}

TEST(Runner, SetTakesTheRestOfTheLineAsItStands)
{
    Session s;
    s.start(1);
    s.click(Control::TitleImage);
    std::istringstream in(
        "start 1\nclick TitleImage\nset PlayerNameEd  two  blanks \nstate\nset PlayerNameEd\nstate\n");
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(runscript(in, out, err), 0) << err.str();
    std::istringstream lines(out.str());
    std::string first;
    std::string second;
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_EQ(nlohmann::json::parse(first)["players"][0]["name"], " two  blanks ");
    EXPECT_EQ(nlohmann::json::parse(second)["players"][0]["name"], "");
}

TEST(Runner, MessagesAndSoundsAreThoseSinceTheLastState)
{
    const Outcome r = run("start 9\nclick TitleImage\nset PictureBox wiz\nclick NextPlayerBtn\nstate\nstate\n");
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    std::string first;
    std::string second;
    std::getline(lines, first);
    std::getline(lines, second);
    const auto a = nlohmann::json::parse(first);
    ASSERT_EQ(a["messages"].size(), 2u);
    EXPECT_EQ(a["messages"][0]["kind"], "error");
    EXPECT_EQ(a["messages"][0]["text"], "Image 'wiz' not found");
    EXPECT_EQ(a["messages"][1]["kind"], "warning");
    EXPECT_EQ(a["messages"][1]["text"], "Please enter a name");
    EXPECT_EQ(a["sounds"], nlohmann::json::array({"button"}));  // the failed portrait played nothing
    const auto b = nlohmann::json::parse(second);
    EXPECT_TRUE(b["messages"].empty());
    EXPECT_TRUE(b["sounds"].empty());
}

TEST(Runner, TheProgramReadsAFileOrStandardInput)
{
    const std::string path = ::testing::TempDir() + "runner_script.txt";
    std::ofstream(path) << "start 1\nstate\n";
    FILE* pipe = popen((std::string(HEXBRAWL_SCRIPT) + " " + path + " 2>&1").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe))
        out += buffer;
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_EQ(nlohmann::json::parse(out)["treecount"].is_number_integer(), true);

    pipe = popen((std::string("printf 'start 1\\nnope\\n' | ") + HEXBRAWL_SCRIPT + " 2>&1").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    out.clear();
    while (std::fgets(buffer, sizeof buffer, pipe))
        out += buffer;
    const int status = pclose(pipe);
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_EQ(out, "line 2: unknown command 'nope'\n");
}

// Every script line is the person's: while the computer has the seat, a line that acts
// on the editor or the match does nothing at all, and the "Computer" box gives the
// wizard back at once.
TEST(Runner, ThePersonsLinesDoNothingWhileTheComputerHasTheSeat)
{
    Session s;
    testing::begin(s, 777, 2);
    testing::makewizard(s, "Me");
    s.click(Control::NextPlayerBtn);
    s.click(Control::ComputerBox);
    ASSERT_TRUE(input::computerseat(s.form()));
    s.state();
    const std::string visit = s.state();
    s.set(Control::PlayerNameEd, "Intruder");
    s.set(Control::HealthPicker, "7");
    s.select(Control::MagicType, 2);
    s.select(Control::PurchaseList, 0);
    s.click(Control::PurchaseBtn);
    s.click(Control::PlaysndBtn);
    s.click(Control::NextPlayerBtn);
    EXPECT_TRUE(s.state() == visit) << "the person acted in the computer's visit";

    // Taken back mid-visit, the wizard is the person's at once, and handed over again.
    while (s.form().players[2].name.empty())
        s.tick(1);
    s.click(Control::ComputerBox);
    s.set(Control::PlayerNameEd, "Mine");
    EXPECT_EQ(s.form().players[2].name, "Mine");
    s.click(Control::ComputerBox);
    for (int i = 0; i < 5000 && !s.form().matchrunning; ++i)
        s.tick(1);
    ASSERT_TRUE(s.form().matchrunning);
    EXPECT_EQ(s.form().players[2].name, "Mine");

    // The computer's turn: the person's clicks, rows and presses reach nothing.
    if (s.form().currentplayer == 1)
        s.click(Control::EndTurnBtn);
    ASSERT_EQ(s.form().currentplayer, 2);
    s.state();
    const std::string turn = s.state();
    const Tplayer& w = s.form().players[2];
    s.click(Control::EndTurnBtn);
    s.select(Control::SpellPicker, 0);
    s.click(Control::AbilityBtn);
    s.press(static_cast<int>(w.x) + 30, static_cast<int>(w.y));
    EXPECT_TRUE(s.state() == turn) << "the person acted in the computer's turn";
    // Its own steps go on until it ends the turn itself.
    for (int i = 0; i < 20000 && s.form().currentplayer == 2; ++i)
        s.tick(1);
    EXPECT_EQ(s.form().currentplayer, 1);
}

// The computer's strength: one per wizard, picked only while the "Computer" box is
// ticked, an unknown one refused, and shown again at the wizard's next visit.
TEST(Runner, TheComputersStrengthIsKeptPerWizardAndPickedWhileTheBoxIsTicked)
{
    Session s;
    testing::begin(s, 5, 2);
    const TForm1& f = s.form();
    const EditBox& box = f.controls.ComputerSkillBox;
    s.set(Control::ComputerSkillBox, "Hard");
    EXPECT_EQ(box.text, "Normal");
    EXPECT_FALSE(box.enabled);
    s.click(Control::ComputerBox);
    EXPECT_TRUE(box.enabled);
    s.set(Control::ComputerSkillBox, "Hard");
    s.clearrecords();
    s.set(Control::ComputerSkillBox, "Brutal");
    EXPECT_EQ(box.text, "Hard");
    EXPECT_TRUE(s.sounds().empty());
    EXPECT_EQ(f.computerskill[1], ComputerSkill::Hard);

    // Wizard 2, the person's, shows its own.
    for (int i = 0; i < 5000 && f.currentplayer == 1; ++i)
        s.tick(1);
    ASSERT_EQ(f.currentplayer, 2);
    EXPECT_EQ(box.text, "Normal");
    EXPECT_FALSE(box.enabled);
    testing::makewizard(s, "Me");
    s.click(Control::NextPlayerBtn);
    ASSERT_TRUE(f.matchrunning);
    const nlohmann::json state = nlohmann::json::parse(s.state());
    EXPECT_EQ(state["computerskill"][0], "Hard");
    EXPECT_EQ(state["computerskill"][1], "Normal");
    // The person ends every turn of theirs until the round is over.
    for (int i = 0; i < 200000 && f.gamelevel == 1; ++i) {
        if (f.currentplayer == 2)
            s.click(Control::EndTurnBtn);
        s.tick(1);
    }
    ASSERT_EQ(f.gamelevel, 2);
    ASSERT_EQ(f.currentplayer, 1);
    EXPECT_EQ(box.text, "Hard");
    EXPECT_TRUE(box.enabled);

    const Outcome r = run("start 5\nclick TitleImage\nclick ComputerBox\nset ComputerSkillBox Easy\nstate\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const nlohmann::json line = nlohmann::json::parse(r.out);
    EXPECT_EQ(line["computerskill"][0], "Easy");
    EXPECT_EQ(line["controls"]["ComputerSkillBox"], nlohmann::json::parse(R"({"text":"Easy","enabled":true})"));
}

// Twelve computer wizards play three whole rounds from their boxes ticked on: the
// runner's periods alone carry the game, the editor's visits included.
TEST(Runner, TwelveComputerWizardsPlayThreeRoundsByThemselves)
{
    Session s;
    testing::begin(s, 1212, 12);
    const TForm1& f = s.form();
    for (int wizard = 1; wizard <= 12; ++wizard) {
        ASSERT_EQ(f.currentplayer, wizard);
        s.click(Control::ComputerBox);
        for (int i = 0; i < 5000 && f.currentplayer == wizard && !f.matchrunning; ++i)
            s.tick(1);
    }
    ASSERT_TRUE(f.matchrunning);
    for (long i = 0; i < 2000000 && f.gamelevel < 4 && !s.waiting(); ++i)
        s.tick(1);
    EXPECT_EQ(f.gamelevel, 4);
}

TEST(Json, NumbersAreShortestAndStringsAreValidUtf8)
{
    JsonWriter j;
    j.beginarray().value(365.0).value(-0.0).value(0.1).value(1e21).value(std::nan("")).value(-7).endarray();
    EXPECT_EQ(j.text(), "[365,-0,0.1,1e+21,null,-7]");
    const double awkward = 58.17246224712867;
    JsonWriter k;
    k.value(awkward);
    EXPECT_EQ(nlohmann::json::parse(k.text()).get<double>(), awkward);

    std::string s;
    appendjsonstring(s, "a\"b\\c\n\x01<b>x</b>\xC3\xA9\xFF\xC0\x80");
    EXPECT_EQ(s, "\"a\\\"b\\\\c\\n\\u0001<b>x</b>\xC3\xA9\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\"");
    EXPECT_TRUE(nlohmann::json::accept(s));
}

}  // namespace
}  // namespace hexbrawl
