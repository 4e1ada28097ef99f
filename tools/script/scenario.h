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
    void tick(int periods);
    void close();

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
    template <typename F>
    void guarded(F&& action);
    std::unique_ptr<Recorders> recorders_;
    std::unique_ptr<TForm1> form_;
};

// One parsed script line.
struct Command {
    enum class Verb { start, click, set, select, press, tick, close, state, catalog };
    Verb verb;
    std::optional<Control> control;
    std::string text;       // for set
    std::int64_t a = 0;     // seed, row, x, periods
    std::int64_t b = 0;     // y
};

// Parses one line (without its end of line). Returns nullopt for a line to skip;
// throws std::invalid_argument with what is wrong for a bad line.
std::optional<Command> parseline(std::string_view line);

// Runs a whole script: JSON lines on `out`, "line N: ..." on `err` for a bad
// script. Returns the exit status: 0, 2 for a bad script, 1 for another failure.
int runscript(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace hexbrawl
