// SPDX-License-Identifier: MIT
// Script lines both ways: an action written as the line that reads back as it, and a
// script read a command at a time with the checks of its order. The runner, the
// window's record and its replay share them.
#pragma once

#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>

#include "game/input.h"
#include "tools/script/scenario.h"

namespace hexbrawl {

// The line that parseline reads back as `action`. Throws std::invalid_argument for an
// action no line can hold (a text with a line break, a press off the arena, ...).
std::string scriptline(const input::Action& action);

// A bad script: what() is "line N: what is wrong".
struct BadScript : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads a script a command at a time: `start` first and only there, nothing after
// `close`, and at least one command.
class ScriptReader {
public:
    explicit ScriptReader(std::istream& in) : in_(in) {}
    // The next command, or nullopt at the end of the script. Throws BadScript.
    std::optional<Command> next();

private:
    std::istream& in_;
    int number_ = 0;
    bool started_ = false;
    bool closed_ = false;
};

}  // namespace hexbrawl
