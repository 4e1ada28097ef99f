// SPDX-License-Identifier: MIT
#include "tools/script/scriptline.h"

#include <istream>

namespace hexbrawl {

namespace {

std::string named(const char* verb, const input::Action& action)
{
    if (!action.control)
        throw std::invalid_argument(std::string("'") + verb + "' without a control");
    return std::string(verb) + ' ' + std::string(controlname(*action.control));
}

std::string compose(const input::Action& action)
{
    using Verb = input::Action::Verb;
    switch (action.verb) {
    case Verb::start: return "start " + std::to_string(action.seed);
    case Verb::click: return named("click", action);
    case Verb::set: {
        // The reader drops a carriage return at the end of a line, and a line break
        // ends the line: neither can stand in a text.
        if (action.text.find('\n') != std::string::npos || (!action.text.empty() && action.text.back() == '\r'))
            throw std::invalid_argument("a text with a line break cannot be written on a line");
        std::string line = named("set", action);
        if (!action.text.empty())
            line += ' ' + action.text;
        return line;
    }
    case Verb::select: return named("select", action) + ' ' + std::to_string(action.row);
    case Verb::press: return "press " + std::to_string(action.x) + ' ' + std::to_string(action.y);
    case Verb::tick: return "tick " + std::to_string(action.periods);
    case Verb::close: return "close";
    }
    throw std::invalid_argument("an action of no known verb");
}

}  // namespace

std::string scriptline(const input::Action& action)
{
    std::string line = compose(action);
    // What the reader would take differently (a value out of range, a control of
    // another verb, an action that is not the person's) is no line of a script.
    std::optional<Command> back;
    try {
        back = parseline(line);
    } catch (const std::invalid_argument& e) {
        throw std::invalid_argument("'" + line + "' would not read back: " + e.what());
    }
    const input::Action* read = back ? actionof(*back) : nullptr;
    if (!read || !(*read == action))
        throw std::invalid_argument("'" + line + "' would not read back as the same action");
    return line;
}

std::optional<Command> ScriptReader::next()
{
    std::string line;
    while (std::getline(in_, line)) {
        ++number_;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        try {
            std::optional<Command> command = parseline(line);
            if (!command)
                continue;
            const input::Action* action = actionof(*command);
            const bool start = action && action->verb == input::Action::Verb::start;
            if (closed_)
                throw std::invalid_argument("nothing may follow 'close'");
            if (start && started_)
                throw std::invalid_argument("'start' may come only once");
            if (!start && !started_)
                throw std::invalid_argument("the script must begin with 'start SEED'");
            started_ = true;
            closed_ = action && action->verb == input::Action::Verb::close;
            return command;
        } catch (const std::invalid_argument& e) {
            throw BadScript("line " + std::to_string(number_) + ": " + e.what());
        }
    }
    if (!started_)
        throw BadScript("line 1: the script holds no command");
    return std::nullopt;
}

}  // namespace hexbrawl
