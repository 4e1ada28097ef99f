// SPDX-License-Identifier: MIT
// Script text both ways, and the dice.
#include <sstream>
#include <stdexcept>

#include "tests/monkey/monkey.h"

namespace hexbrawl::monkey {

std::uint64_t Dice::next()
{
    // SplitMix64.
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int Dice::below(int n)
{
    if (n <= 0)
        return 0;
    return static_cast<int>(next() % static_cast<std::uint64_t>(n));
}

std::string scriptline(const Command& c)
{
    using Verb = input::Action::Verb;
    const input::Action* a = actionof(c);
    if (!a)
        return std::get<Output>(c) == Output::state ? "state" : "catalog";
    const std::string name = a->control ? std::string(controlname(*a->control)) : std::string();
    switch (a->verb) {
    case Verb::start: return "start " + std::to_string(a->seed);
    case Verb::click: return "click " + name;
    // "set NAME" alone sets the empty text.
    case Verb::set: return a->text.empty() ? "set " + name : "set " + name + " " + a->text;
    case Verb::select: return "select " + name + " " + std::to_string(a->row);
    case Verb::press: return "press " + std::to_string(a->x) + " " + std::to_string(a->y);
    case Verb::tick: return "tick " + std::to_string(a->periods);
    case Verb::close: return "close";
    }
    return {};
}

std::string scripttext(const Script& script)
{
    std::string text;
    for (const Command& c : script) {
        text += scriptline(c);
        text += '\n';
    }
    return text;
}

Script parsescript(const std::string& text)
{
    Script script;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        try {
            if (std::optional<Command> c = parseline(line))
                script.push_back(*c);
        } catch (const std::invalid_argument& e) {
            throw std::invalid_argument("line " + std::to_string(number) + ": " + e.what());
        }
    }
    return script;
}

}  // namespace hexbrawl::monkey
