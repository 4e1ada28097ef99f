// SPDX-License-Identifier: MIT
#include "tools/script/scenario.h"

#include <charconv>
#include <istream>
#include <ostream>
#include <stdexcept>

#include "game/input.h"
#include "tools/script/scriptline.h"
#include "tools/script/statejson.h"

namespace hexbrawl {

struct Session::Recorders final : Sound, Dialogs, Clock, TableHost {
    std::vector<RecordedMessage> messages;
    std::vector<std::string> sounds;
    std::uint32_t seed = 0;
    NullSurface nullsurface;
    NullTimer timer;

    void playwave(std::string_view asnamed, const WaveEntry&) override { sounds.emplace_back(asnamed); }
    void showmessage(MessageKind kind, const std::string& text) override { messages.push_back({kind, text}); }
    std::uint32_t seedvalue() override { return seed; }
    // A failed look-up is recorded as the error box the window shows.
    void failed(const LookupError& e) override { messages.push_back({MessageKind::error, e.what()}); }
};

Session::Session(Surface* surface) : recorders_(std::make_unique<Recorders>())
{
    Recorders& r = *recorders_;
    table_ = std::make_unique<GameTable>(Ports{surface ? *surface : r.nullsurface, r, r, r.timer, r}, r);
    form_ = &table_->form();
}

Session::~Session() = default;

const std::vector<RecordedMessage>& Session::messages() const { return recorders_->messages; }
const std::vector<std::string>& Session::sounds() const { return recorders_->sounds; }

void Session::clearrecords()
{
    recorders_->messages.clear();
    recorders_->sounds.clear();
}

void Session::start(std::uint32_t seed) { apply(input::Action::start(seed)); }
void Session::click(Control control) { apply(input::Action::click(control)); }
void Session::set(Control control, const std::string& text) { apply(input::Action::set(control, text)); }
void Session::select(Control control, int row) { apply(input::Action::select(control, row)); }
void Session::press(int x, int y) { apply(input::Action::press(x, y)); }
void Session::tick(int periods) { apply(input::Action::tick(periods)); }
void Session::close() { apply(input::Action::close()); }

bool Session::waiting() const { return table_->waiting(); }

void Session::apply(const input::Action& action)
{
    if (action.verb == input::Action::Verb::start)
        recorders_->seed = action.seed;
    if (action.verb != input::Action::Verb::tick) {
        table_->apply(action);
        return;
    }
    for (int i = 0; i < action.periods && !waiting(); ++i)
        table_->period();
}

std::string Session::state()
{
    std::string text = statejson(*form_, recorders_->messages, recorders_->sounds);
    clearrecords();
    return text;
}

std::string Session::catalogjson() const { return hexbrawl::catalogjson(form_->catalog); }

namespace {

std::int64_t number(std::string_view word, std::int64_t lo, std::int64_t hi, const char* what)
{
    std::int64_t v = 0;
    const char* first = word.data();
    const char* last = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(first, last, v);
    if (word.empty() || ec != std::errc() || ptr != last || word.front() == '+')
        throw std::invalid_argument(std::string(what) + " is not a decimal integer: '" + std::string(word) + "'");
    if (v < lo || v > hi)
        throw std::invalid_argument(std::string(what) + " " + std::string(word) + " is out of range " +
                                    std::to_string(lo) + ".." + std::to_string(hi));
    return v;
}

std::vector<std::string_view> splitwords(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t start = 0;
    for (;;) {
        const std::size_t blank = line.find(' ', start);
        words.push_back(line.substr(start, blank == std::string_view::npos ? std::string_view::npos : blank - start));
        if (blank == std::string_view::npos)
            break;
        start = blank + 1;
    }
    return words;
}

Control controlfor(std::string_view name, input::Action::Verb takes, const char* verb)
{
    const std::optional<Control> c = controlbyname(name);
    if (!c || input::verbof(*c) != takes)
        throw std::invalid_argument("'" + std::string(verb) + "' knows no control '" + std::string(name) + "'");
    return *c;
}

void wordcount(const std::vector<std::string_view>& words, std::size_t n, const char* usage)
{
    if (words.size() != n)
        throw std::invalid_argument(std::string("expected '") + usage + "'");
    for (std::string_view w : words)
        if (w.empty())
            throw std::invalid_argument(std::string("words are separated by single blanks: '") + usage + "'");
}

}  // namespace

std::optional<Command> parseline(std::string_view line)
{
    using input::Action;
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#')
        return std::nullopt;

    const std::size_t blank = line.find(' ');
    const std::string_view verb = line.substr(0, blank);
    if (verb == "set") {
        // TEXT is the rest of the line after the blank that follows NAME, as it stands.
        if (blank == std::string_view::npos)
            throw std::invalid_argument("expected 'set NAME TEXT'");
        const std::string_view rest = line.substr(blank + 1);
        const std::size_t split = rest.find(' ');
        const std::string_view name = rest.substr(0, split);
        if (name.empty())
            throw std::invalid_argument("expected 'set NAME TEXT'");
        return Action::set(controlfor(name, Action::Verb::set, "set"),
                           split == std::string_view::npos ? std::string() : std::string(rest.substr(split + 1)));
    }

    const std::vector<std::string_view> words = splitwords(line);
    auto integer = [](std::string_view word, std::int64_t lo, std::int64_t hi, const char* what) {
        return static_cast<int>(number(word, lo, hi, what));
    };
    if (verb == "start") {
        wordcount(words, 2, "start SEED");
        return Action::start(static_cast<std::uint32_t>(number(words[1], 0, 4294967295LL, "SEED")));
    }
    if (verb == "click") {
        wordcount(words, 2, "click NAME");
        return Action::click(controlfor(words[1], Action::Verb::click, "click"));
    }
    if (verb == "select") {
        wordcount(words, 3, "select NAME ROW");
        const Control c = controlfor(words[1], Action::Verb::select, "select");
        return Action::select(c, c == Control::MagicType ? integer(words[2], 0, 3, "tab")
                                                         : integer(words[2], INT32_MIN, INT32_MAX, "ROW"));
    }
    if (verb == "press") {
        wordcount(words, 3, "press X Y");
        return Action::press(integer(words[1], 0, arenasize - 1, "X"), integer(words[2], 0, arenasize - 1, "Y"));
    }
    if (verb == "tick") {
        wordcount(words, 2, "tick N");
        return Action::tick(integer(words[1], 1, INT32_MAX, "N"));
    }
    if (verb == "close" || verb == "state" || verb == "catalog") {
        wordcount(words, 1, std::string(verb).c_str());
        if (verb == "close")
            return Action::close();
        return verb == "state" ? Output::state : Output::catalog;
    }
    throw std::invalid_argument("unknown command '" + std::string(verb) + "'");
}

int runscript(std::istream& in, std::ostream& out, std::ostream& err)
{
    Session session;
    ScriptReader reader(in);
    try {
        for (;;) {
            std::optional<Command> command;
            try {
                command = reader.next();
            } catch (const BadScript& e) {
                out.flush();
                err << e.what() << '\n';
                return 2;
            }
            if (!command)
                break;
            if (const input::Action* action = actionof(*command))
                session.apply(*action);
            else if (std::get<Output>(*command) == Output::state)
                out << session.state() << '\n';
            else
                out << session.catalogjson() << '\n';
        }
    } catch (const std::exception& e) {
        out.flush();
        err << "hexbrawl-script: " << e.what() << '\n';
        return 1;
    }
    out.flush();
    return out ? 0 : 1;
}

}  // namespace hexbrawl
