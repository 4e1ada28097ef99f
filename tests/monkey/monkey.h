// SPDX-License-Identifier: MIT
// Random-input ("monkey") testing: a seeded generator of player actions that mixes
// sensible play with junk, a checker of what must hold after every action, and a
// shrinker that cuts a failing script down to the commands that matter.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tools/script/scenario.h"

namespace hexbrawl::monkey {

using Script = std::vector<Command>;

// The script line of a command, as hexbrawl-script reads it back.
std::string scriptline(const Command& c);
std::string scripttext(const Script& script);
// Parses script text with the runner's own parser; throws std::invalid_argument.
Script parsescript(const std::string& text);

// A small deterministic random source of our own: the standard distributions differ
// between libraries, and a seed must replay the same everywhere.
class Dice {
public:
    explicit Dice(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    // 0..n-1 (0 when n <= 0).
    int below(int n);
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool permille(int p) { return below(1000) < p; }
    double real() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

private:
    std::uint64_t state_;
};

// The first broken rule, with what was seen.
struct Failure {
    std::string rule;  // a short name; the shrinker keeps a failure of the same rule
    std::string detail;
};

// Every rule about the tables and the window that must hold between two player
// actions, once the game has started.
std::optional<Failure> checkinvariants(const TForm1& f);

struct Figures {
    std::uint64_t scripts = 0;
    std::uint64_t commands = 0;
    std::uint64_t ticks = 0;  // periods delivered to a running timer
    std::uint64_t rounds = 0;  // rounds that ended
    std::uint64_t states = 0;  // `state` documents parsed
    std::uint64_t matches = 0;  // matches started
    std::uint64_t computer = 0;  // periods with a computer wizard at the controls
};

// Plays commands on a fresh game, checking every rule after each command and after
// each period of a `tick`.
class Player {
public:
    explicit Player(Surface* surface = nullptr) : session_(surface) {}

    std::optional<Failure> step(const Command& c);
    Session& session() { return session_; }
    const TForm1& form() const { return session_.form(); }
    Figures figures;

private:
    std::optional<Failure> checked(const Command& c);
    Session session_;
};

// Plays a whole script; the failure, if any, and the index of its command.
struct Replay {
    std::optional<Failure> failure;
    std::size_t at = 0;
};
Replay replay(const Script& script, Surface* surface = nullptr);

struct GeneratorOptions {
    int noise = 250;  // per mille of the commands that are junk
    int players = 0;  // wizards wanted; 0 draws 1..12 from the seed
    bool purposeful = false;  // spends on walk and strong spells and hunts: rounds end fast
};

// Chooses each command from the state the last one left, so the well-formed part
// of the play makes sense (walks inside the walk circle, casts at enemies).
class Generator {
public:
    Generator(std::uint64_t seed, GeneratorOptions options = {});
    Command first();
    Command next(const TForm1& f);

private:
    Command noise(const TForm1& f);
    Command title();
    Command editor(const TForm1& f);
    Command purposefuleditor(const TForm1& f);
    Command match(const TForm1& f);
    Command aim(const TForm1& f, const Tability& a);
    std::string junk();
    std::string wizardname();
    std::string anycase(std::string_view name);
    int junkrow(int rows);
    // The first planned command, taken off the plan; the plan must not be empty.
    Command planned();

    Dice dice_;
    GeneratorOptions options_;
    std::uint32_t gameseed_;
    int wanted_;
    std::deque<Command> plan_;
    // The editor visit in progress (level, wizard) and the actions taken in it.
    std::pair<int, int> visit_{-1, -1};
    int visitsteps_ = 0;
};

// Delta debugging over the commands after `start`: the smallest script found that
// still breaks the same rule. `budget` bounds the commands replayed in all; `onreplay`
// is called after each replay (a watchdog's sign of life).
Script shrink(const Script& script, const std::string& rule, Surface* surface = nullptr,
              std::int64_t budget = 1'000'000, const std::function<void()>& onreplay = {});

// One generated script played and checked. The script grows in `out` as it is
// played, so that whoever watches for a crash can save what led to it.
struct Outcome {
    Script script;
    std::optional<Failure> failure;
    std::size_t at = 0;
    Figures figures;
};
void play(Outcome& out, std::uint64_t seed, int commands, GeneratorOptions options = {}, Surface* surface = nullptr);

}  // namespace hexbrawl::monkey
