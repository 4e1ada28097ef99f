// SPDX-License-Identifier: MIT
// A player's actions as values, delivered to the game the same way by the window,
// the scenario runner and the computer players: a control that is hidden or
// disabled takes no input.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "game/controls.h"
#include "game/tform1.h"

namespace hexbrawl::input {

// What a player does: one event of the window, one line of a script.
struct Action {
    enum class Verb { start, click, set, select, press, tick, close };
    // Who gives it: the person at the window (every line of a script), or the computer
    // playing the wizard whose seat it has.
    enum class Who { person, computer };

    Verb verb = Verb::tick;
    Who who = Who::person;
    std::optional<Control> control;  // click, set, select
    std::string text;  // set: the control's new text
    int row = 0;  // select: the row, or the tab of MagicType
    int x = 0, y = 0;  // press: the pixel on the arena
    int periods = 1;  // tick: periods of 25 ms
    std::uint32_t seed = 0;  // start: what the clock gives the random source

    static Action start(std::uint32_t seed)
    {
        return with(Verb::start, [&](Action& a) { a.seed = seed; });
    }
    static Action click(Control c)
    {
        return with(Verb::click, [&](Action& a) { a.control = c; });
    }
    static Action set(Control c, std::string text)
    {
        return with(Verb::set, [&](Action& a) {
            a.control = c;
            a.text = std::move(text);
        });
    }
    static Action select(Control c, int row)
    {
        return with(Verb::select, [&](Action& a) {
            a.control = c;
            a.row = row;
        });
    }
    static Action press(int x, int y)
    {
        return with(Verb::press, [&](Action& a) {
            a.x = x;
            a.y = y;
        });
    }
    static Action tick(int periods)
    {
        return with(Verb::tick, [&](Action& a) { a.periods = periods; });
    }
    static Action close()
    {
        return with(Verb::close, [](Action&) {});
    }
    // The same action, given by the computer.
    Action bycomputer() const
    {
        Action a = *this;
        a.who = Who::computer;
        return a;
    }

    friend bool operator==(const Action&, const Action&) = default;

private:
    template <typename Fill>
    static Action with(Verb verb, Fill fill)
    {
        Action a;
        a.verb = verb;
        fill(a);
        return a;
    }
};

// Performs the action. `start` creates the window (the seed reaches the game through
// its clock port, which whoever made the game supplies); `tick` runs the game timer
// once per period while it is enabled. Look-up errors propagate. While the computer
// has the seat, the person's clicks, texts, rows and presses do nothing, except the
// "Computer" box and its strength; the computer's do nothing while it has not.
void apply(TForm1& form, const Action& action);

// Whether the seat is the computer's: the wizard being edited in the Stats Editor, or
// the one whose turn it is in a match (dead or alive), is a computer wizard.
bool computerseat(const TForm1& form);

// Whether the control is shown (with the window holding it) and enabled.
bool accepts(const TForm1& form, Control control);
// Which verb the control takes: click, set or select.
Action::Verb verbof(Control control);

}  // namespace hexbrawl::input
