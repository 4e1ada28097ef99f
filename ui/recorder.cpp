// SPDX-License-Identifier: MIT
#include "ui/recorder.h"

#include <QApplication>
#include <QKeyEvent>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>

#include "game/tform1.h"
#include "present/qt/qtgametimer.h"
#include "tools/script/scenario.h"
#include "tools/script/scriptline.h"

namespace hexbrawl::ui {

namespace {

// Periods are written at least once a second of the game, so that a killed game
// loses no more of them.
constexpr int periodsaline = 40;

}  // namespace

Recorder::Recorder(const std::string& path) : path_(path)
{
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd_ < 0)
        throw std::runtime_error("cannot write the record " + path + ": " + std::strerror(errno));
}

Recorder::~Recorder()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void Recorder::fail(const std::string& why)
{
    failed_ = true;
    if (tell_)
        tell_("The record " + path_ + " stops here: " + why + ". The game goes on without it.");
}

// Each line goes to the file at once: a crash or a killed game keeps every line
// written before it.
void Recorder::write(const std::string& line)
{
    if (failed_)
        return;
    const std::string text = line + '\n';
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd_, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            fail(n < 0 ? std::strerror(errno) : "nothing was written");
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

void Recorder::writeperiods()
{
    if (periods_ > 0)
        write("tick " + std::to_string(periods_));
    periods_ = 0;
}

void Recorder::start(std::uint32_t seed) { write(scriptline(input::Action::start(seed))); }

void Recorder::act(const input::Action& action)
{
    if (failed_ || closed_)
        return;
    writeperiods();
    std::string line;
    try {
        line = scriptline(action);
    } catch (const std::invalid_argument& e) {
        // The rest would not replay to the same game.
        fail(std::string("an action cannot be written (") + e.what() + ")");
        return;
    }
    // The state the window has at its close, for the runner to print.
    closed_ = action.verb == input::Action::Verb::close;
    if (closed_)
        write("state");
    write(line);
}

void Recorder::period()
{
    // The score box at the close lets the timer tick on behind it: nothing follows
    // `close` in a script.
    if (failed_ || closed_)
        return;
    if (++periods_ == periodsaline)
        writeperiods();
}

// A clock that gives the script's seed.
class Replay::Seed final : public Clock {
public:
    std::uint32_t seed = 0;
    std::uint32_t seedvalue() override { return seed; }
};

Replay::Replay(const std::string& path) : seed_(std::make_unique<Seed>())
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read " + path + ": " + std::strerror(errno));
    ScriptReader reader(file);
    bool first = true;
    while (const std::optional<Command> command = reader.next()) {
        const input::Action* action = actionof(*command);
        if (!action)
            continue;  // what the runner prints is nothing to watch
        if (first)
            seed_->seed = action->seed;
        else
            actions_.push_back(*action);
        first = false;
    }
    if (file.bad())
        throw std::runtime_error("cannot read " + path + ": " + std::strerror(errno));
}

Replay::~Replay()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

MainWindow::Setup Replay::setup()
{
    MainWindow::Setup s;
    s.clock = seed_.get();
    s.timer = &timer_;
    s.replaying = true;
    return s;
}

void Replay::attach(MainWindow& window)
{
    window_ = &window;
    qApp->installEventFilter(this);
}

void Replay::play()
{
    if (!pace_)
        pace_ = std::make_unique<QtGameTimer>([this] {
            if (!step())
                pace_->setenabled(false);
        });
    pace_->followwindow(window_->windowHandle());
    pace_->setenabled(true);
}

bool Replay::step()
{
    using Verb = input::Action::Verb;
    if (!window_ || !window_->isVisible() || next_ == actions_.size())
        return false;
    // A box stops the window's time as it stopped it in the recorded session.
    if (stepping_ || window_->boxopen())
        return true;
    stepping_ = true;
    while (next_ < actions_.size()) {
        const input::Action& action = actions_[next_];
        if (action.verb != Verb::tick) {
            ++next_;
            window_->perform(action);
            if (action.verb == Verb::close)
                window_->close();
            continue;
        }
        if (left_ == 0)
            left_ = action.periods;
        if (waiting(window_->form())) {
            left_ = 0;
            ++next_;
            continue;
        }
        window_->tick();
        if (--left_ == 0)
            ++next_;
        break;
    }
    stepping_ = false;
    return true;
}

bool Replay::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease: break;
    default: return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    // The window only: a box and the rules keep their keys and clicks.
    if (!window_ || !widget || widget->window() != window_)
        return false;
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        window_->close();
    return true;
}

}  // namespace hexbrawl::ui
