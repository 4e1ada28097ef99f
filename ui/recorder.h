// SPDX-License-Identifier: MIT
// A session as a runner script, both ways. The record writes `start SEED`, the
// person's actions in order with the periods between them as `tick N`, then `state`
// and `close`; the computer's actions are not written, as the runner plays them
// again from the same periods. The replay plays such a script in the window.
#pragma once

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/input.h"
#include "present/ports.h"
#include "ui/mainwindow.h"

namespace hexbrawl {
class QtGameTimer;
}

namespace hexbrawl::ui {

class Recorder {
public:
    // Creates or empties FILE; throws std::runtime_error with the reason when it
    // cannot be opened for writing.
    explicit Recorder(const std::string& path);
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // The game was made with this seed.
    void start(std::uint32_t seed);
    // The person's action, written before it reaches the game (so that a crash in its
    // handler leaves the line that caused it).
    void act(const input::Action& action);
    // A period passed.
    void period();

    // Told once, at the first line that could not be written; nothing is written after.
    void onfailure(std::function<void(const std::string&)> tell) { tell_ = std::move(tell); }
    bool failed() const { return failed_; }

private:
    void write(const std::string& line);
    void writeperiods();
    void fail(const std::string& why);

    std::string path_;
    int fd_ = -1;
    int periods_ = 0;  // passed since the last line
    bool failed_ = false;
    bool closed_ = false;
    std::function<void(const std::string&)> tell_;
};

// Plays a script in the window at the game's speed, `tick N` in N periods of 25 ms,
// while the person watches: their input does nothing, Escape ends it. A `tick` stops
// early once nothing could happen in a period, as the runner's does.
class Replay final : public QObject {
public:
    // Reads the whole script; throws BadScript ("line N: what is wrong") for a bad one
    // and std::runtime_error for a file that cannot be read.
    explicit Replay(const std::string& path);
    ~Replay() override;

    // The ports the window is made with: its clock gives the script's seed, its game
    // timer is the replay's to drive.
    MainWindow::Setup setup();
    // Takes the window over; from then on its periods come from the replay.
    void attach(MainWindow& window);
    // Plays on by itself, a period every 25 ms while the window is on screen.
    void play();
    // One period: the actions up to the next one, then the period; nothing while a
    // box is open. False once the script is played out, or the window closed.
    bool step();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Seed;
    std::vector<input::Action> actions_;  // after `start`
    std::size_t next_ = 0;
    int left_ = 0;  // periods left of the tick under way
    bool stepping_ = false;
    std::unique_ptr<Seed> seed_;
    NullTimer timer_;
    MainWindow* window_ = nullptr;
    std::unique_ptr<QtGameTimer> pace_;
};

}  // namespace hexbrawl::ui
