// SPDX-License-Identifier: MIT
// Playing scripts with every rule checked, and cutting failing ones down.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <exception>

#include "tests/monkey/monkey.h"

namespace hexbrawl::monkey {

namespace {

// Only a name the player typed may fail its look-up: a portrait, or the death cry
// played on request. A look-up error anywhere else abandons a handler half-way.
bool mayfaillookup(const Command& c)
{
    const input::Action* a = actionof(c);
    return a && ((a->verb == input::Action::Verb::set && a->control == Control::PictureBox) ||
                 (a->verb == input::Action::Verb::click && a->control == Control::PlaysndBtn));
}

std::optional<Failure> lookuperrors(Session& s, const Command& c)
{
    std::optional<Failure> bad;
    if (!mayfaillookup(c))
        for (const RecordedMessage& m : s.messages())
            if (m.kind == MessageKind::error) {
                std::string why = scriptline(c).substr(0, 60);
                why.insert(why.begin(), '\'');
                bad = Failure{"lookup-error", why + "' showed: " + m.text};
                break;
            }
    // The turn messages of a long session would pile up otherwise.
    s.clearrecords();
    return bad;
}

std::optional<Failure> statedocument(const std::string& text)
{
    // nlohmann's parser refuses strings that are not UTF-8.
    const nlohmann::json state = nlohmann::json::parse(text, nullptr, false);
    if (state.is_discarded())
        return Failure{"state-json", "the state is not JSON: " + text.substr(0, 80)};
    if (!state.contains("players") || state["players"].size() != 12)
        return Failure{"state-json", "the state has no 12 players"};
    return std::nullopt;
}

bool istick(const Command& c)
{
    const input::Action* a = actionof(c);
    return a && a->verb == input::Action::Verb::tick;
}

}  // namespace

std::optional<Failure> Player::step(const Command& c)
{
    try {
        return checked(c);
    } catch (const std::exception& e) {
        return Failure{"exception", "'" + scriptline(c).substr(0, 60) + "' threw: " + e.what()};
    } catch (...) {
        return Failure{"exception", "'" + scriptline(c).substr(0, 60) + "' threw something that is no exception"};
    }
}

std::optional<Failure> Player::checked(const Command& c)
{
    ++figures.commands;
    const int level = form().gamelevel;
    const bool running = form().matchrunning;
    if (const input::Action* a = actionof(c); a && a->verb == input::Action::Verb::tick) {
        // One period at a time, so the rules are checked after every one. The
        // session stops when nothing more could happen; so does this loop.
        for (int i = 0; i < a->periods && !session_.waiting(); ++i) {
            const int before = form().gamelevel;
            const bool wasrunning = form().matchrunning;
            figures.computer += computer::atcontrols(form());
            session_.tick(1);
            ++figures.ticks;
            figures.rounds += static_cast<std::uint64_t>(form().gamelevel - before);
            if (!wasrunning && form().matchrunning)
                ++figures.matches;
            if (auto bad = lookuperrors(session_, c))
                return bad;
            if (auto bad = checkinvariants(form())) {
                bad->detail += " (period " + std::to_string(i + 1) + " of 'tick " + std::to_string(a->periods) + "')";
                return bad;
            }
        }
        return std::nullopt;
    } else if (a) {
        session_.apply(*a);
        if (a->verb != input::Action::Verb::start)
            figures.rounds += static_cast<std::uint64_t>(std::max(0, form().gamelevel - level));
    } else if (std::get<Output>(c) == Output::catalog) {
        if (!nlohmann::json::accept(session_.catalogjson()))
            return Failure{"state-json", "the catalogue is not JSON"};
    } else {
        // state() forgets the records, so they are looked at first.
        if (auto bad = lookuperrors(session_, c))
            return bad;
        ++figures.states;
        if (auto bad = statedocument(session_.state()))
            return bad;
    }
    if (!running && form().matchrunning)
        ++figures.matches;
    if (auto bad = lookuperrors(session_, c))
        return bad;
    return checkinvariants(form());
}

Replay replay(const Script& script, Surface* surface)
{
    Player player(surface);
    for (std::size_t i = 0; i < script.size(); ++i)
        if (auto bad = player.step(script[i]))
            return {bad, i};
    return {};
}

void play(Outcome& out, std::uint64_t seed, int commands, GeneratorOptions options, Surface* surface)
{
    out = Outcome{};
    Player player(surface);
    Generator generator(seed, options);
    // Half of the scripts end with the window closed.
    const bool closing = seed % 2 == 0;
    for (int i = 0; i < commands; ++i) {
        const Command c = i == 0                         ? generator.first()
                          : closing && i == commands - 1 ? Command{input::Action::close()}
                                                         : generator.next(player.form());
        out.script.push_back(c);
        if (auto bad = player.step(c)) {
            out.failure = bad;
            out.at = static_cast<std::size_t>(i);
            break;
        }
    }
    out.figures = player.figures;
    out.figures.scripts = 1;
}

Script shrink(const Script& script, const std::string& rule, Surface* surface, std::int64_t budget,
              const std::function<void()>& onreplay)
{
    auto fails = [&](const Script& s) {
        if (budget <= 0)
            return false;
        budget -= static_cast<std::int64_t>(s.size());
        const Replay r = replay(s, surface);
        if (onreplay)
            onreplay();
        return r.failure && r.failure->rule == rule;
    };

    // Nothing after the failing command matters.
    Script best = script;
    const Replay first = replay(best, surface);
    if (!first.failure || first.failure->rule != rule)
        return best;
    best.resize(first.at + 1);

    // Delta debugging over the commands after `start`: drop ever smaller chunks.
    auto without = [&](std::size_t from, std::size_t to) {
        Script s(best.begin(), best.begin() + static_cast<std::ptrdiff_t>(from));
        s.insert(s.end(), best.begin() + static_cast<std::ptrdiff_t>(to), best.end());
        return s;
    };
    std::size_t parts = 2;
    while (best.size() > 2 && budget > 0) {
        const std::size_t body = best.size() - 1;
        const std::size_t chunk = (body + parts - 1) / parts;
        bool cut = false;
        for (std::size_t from = 1; from < best.size(); from += chunk) {
            const Script candidate = without(from, std::min(best.size(), from + chunk));
            if (fails(candidate)) {
                best = candidate;
                parts = std::max<std::size_t>(parts - 1, 2);
                cut = true;
                break;
            }
        }
        if (!cut) {
            if (parts >= body)
                break;
            parts = std::min(body, parts * 2);
        }
    }

    // Two neighbours that only matter together, such as a wizard handed to the
    // computer and taken back, go as a pair: the chunks above may split them.
    for (std::size_t i = 1; i + 1 < best.size() && budget > 0;) {
        const Script candidate = without(i, i + 2);
        if (fails(candidate))
            best = candidate;
        else
            ++i;
    }

    // Neighbouring ticks as one, then smaller numbers of periods and shorter texts,
    // where they still fail.
    for (std::size_t i = 1; i + 1 < best.size() && budget > 0;) {
        if (istick(best[i]) && istick(best[i + 1])) {
            Script candidate = best;
            std::get<input::Action>(candidate[i]).periods += std::get<input::Action>(candidate[i + 1]).periods;
            candidate.erase(candidate.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            if (fails(candidate)) {
                best = candidate;
                continue;
            }
        }
        ++i;
    }
    for (std::size_t i = 1; i < best.size() && budget > 0; ++i) {
        auto* c = std::get_if<input::Action>(&best[i]);
        if (!c)
            continue;
        if (c->verb == input::Action::Verb::tick) {
            while (c->periods > 1) {
                Script candidate = best;
                std::get<input::Action>(candidate[i]).periods = c->periods / 2;
                if (!fails(candidate))
                    break;
                c->periods /= 2;
            }
        } else if (c->verb == input::Action::Verb::set) {
            while (c->text.size() > 1) {
                Script candidate = best;
                std::string& text = std::get<input::Action>(candidate[i]).text;
                text.resize(c->text.size() / 2);
                // A carriage return at the end of a line would be dropped by the runner.
                if (text.back() == '\r' || !fails(candidate))
                    break;
                c->text.resize(c->text.size() / 2);
            }
        }
    }
    return best;
}

}  // namespace hexbrawl::monkey
