// SPDX-License-Identifier: MIT
// Script lines written from actions read back as the same actions, through the
// runner's own reader; an action no line can hold is refused, never written wrong.
#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <vector>

#include "tools/script/scriptline.h"

namespace hexbrawl {
namespace {

using input::Action;

TEST(ScriptLine, EveryActionAPersonGivesReadsBackThroughTheRunnersReader)
{
    std::vector<Action> actions{Action::start(0), Action::start(4294967295U)};
    for (int i = 0; i < controlcount; ++i) {
        const auto c = static_cast<Control>(i);
        switch (input::verbof(c)) {
        case Action::Verb::click: actions.push_back(Action::click(c)); break;
        case Action::Verb::set:
            // Texts as typed: empty, with blanks at either end and in a row, a '#',
            // a carriage return inside, bytes beyond ASCII.
            for (const char* text :
                 {"", "Alma", " two  blanks ", "#not a comment", "a\rb", "N\xc3\xa4h \xf0\x9f\x90\x89"})
                actions.push_back(Action::set(c, text));
            break;
        default:
            for (int row : c == Control::MagicType ? std::vector<int>{0, 3} : std::vector<int>{-1, 0, 7, INT_MAX})
                actions.push_back(Action::select(c, row));
        }
    }
    for (const Action& a :
         {Action::press(0, 0), Action::press(749, 3), Action::tick(1), Action::tick(INT_MAX), Action::close()})
        actions.push_back(a);

    for (const Action& a : actions) {
        const std::optional<Command> back = parseline(scriptline(a));
        ASSERT_TRUE(back && actionof(*back)) << scriptline(a);
        EXPECT_EQ(*actionof(*back), a) << scriptline(a);
    }
    // As lines of a script, with either end of line.
    std::stringstream script;
    for (std::size_t i = 1; i < actions.size(); ++i)
        script << scriptline(actions[i]) << (i % 2 ? "\r\n" : "\n");
    ScriptReader reader(script);
    for (std::size_t i = 1; i < actions.size(); ++i)
        EXPECT_EQ(*actionof(*reader.next()), actions[i]);
    EXPECT_EQ(reader.next(), std::nullopt);

    EXPECT_EQ(scriptline(Action::set(Control::PlayerNameEd, "")), "set PlayerNameEd");
    EXPECT_EQ(scriptline(Action::set(Control::PlayerNameEd, " x")), "set PlayerNameEd  x");
    EXPECT_EQ(scriptline(Action::select(Control::MagicType, 2)), "select MagicType 2");
}

TEST(ScriptLine, AnActionNoLineCanHoldIsRefused)
{
    for (const Action& a :
         {Action::set(Control::PlayerNameEd, "two\nlines"), Action::set(Control::SndBox, "cr\r"), Action::press(750, 0),
          Action::press(0, -1), Action::select(Control::MagicType, 4), Action::tick(0),
          Action::click(Control::PlayerNameEd), Action::set(Control::EndTurnBtn, "x")})
        EXPECT_THROW(scriptline(a), std::invalid_argument) << static_cast<int>(a.verb);
}

}  // namespace
}  // namespace hexbrawl
