// SPDX-License-Identifier: MIT
// The scenario runner's engine: a game driven by script commands with recording
// stand-ins for the window's boxes, sounds, surface and timer. Tests, benchmarks
// and the random-input tests use it in-process; hexbrawl-script wraps it.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "game/controls.h"
#include "game/input.h"
#include "game/table.h"
#include "game/tform1.h"

namespace hexbrawl {

struct RecordedMessage {
    MessageKind kind;
    std::string text;
};

class Session {
public:
    // `surface` draws the frames; by default they are composed nowhere.
    explicit Session(Surface* surface = nullptr);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The player's actions. Each catches a look-up error and records it as an
    // error box, as the window shows it, and the game goes on.
    void start(std::uint32_t seed);
    void click(Control control);
    void set(Control control, const std::string& text);
    void select(Control control, int row);
    void press(int x, int y);
    // Each period the game timer ticks, when it is enabled, and the computer players
    // take their time; it stops early once nothing could happen in a period.
    void tick(int periods);
    void close();
    // Any of the above.
    void apply(const input::Action& action);
    // Nothing would happen in a period: the timer is off and no computer is at the controls.
    bool waiting() const;

    // The whole state as one line of JSON; messages and sounds start afresh after it.
    std::string state();
    // The 400 catalogue entries as one JSON array.
    std::string catalogjson() const;

    TForm1& form() { return *form_; }
    const TForm1& form() const { return *form_; }
    const std::vector<RecordedMessage>& messages() const;
    const std::vector<std::string>& sounds() const;
    // Forgets the messages and sounds recorded so far.
    void clearrecords();

private:
    struct Recorders;
    std::unique_ptr<Recorders> recorders_;
    std::unique_ptr<GameTable> table_;
    TForm1* form_ = nullptr;  // the table's game
};

// A line that prints: the whole state, or the catalogue.
enum class Output { state, catalog };
// One parsed script line: a player's action, or a request to print.
using Command = std::variant<input::Action, Output>;
// The action of a line, or null for a line that prints.
inline const input::Action* actionof(const Command& c) { return std::get_if<input::Action>(&c); }

// Parses one line (without its end of line). Returns nullopt for a line to skip;
// throws std::invalid_argument with what is wrong for a bad line.
std::optional<Command> parseline(std::string_view line);

// Runs a whole script: JSON lines on `out`, "line N: ..." on `err` for a bad
// script. Returns the exit status: 0, 2 for a bad script, 1 for another failure.
int runscript(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace hexbrawl
