// SPDX-License-Identifier: MIT
// When the game timer ticks: every 25 ms while it is enabled and the application
// is active, one tick however late the timer comes. Pure logic on a given clock.
#pragma once

#include <cstdint>

namespace hexbrawl {

class TickPacer {
public:
    static constexpr std::int64_t period = 25;  // milliseconds

    void setenabled(bool enabled, std::int64_t now);
    void setactive(bool active, std::int64_t now);
    // Whether ticks are wanted at all; when not, nothing needs to wake up.
    bool running() const { return enabled_ && active_; }

    // The timer woke at `now`: true when a tick is due. A late wake gives one tick,
    // not one per period missed, and the next is due a period after this one.
    bool fire(std::int64_t now);
    // Milliseconds from `now` until the next tick is due; 0 when it is overdue.
    std::int64_t wait(std::int64_t now) const;

private:
    void resume(bool wasrunning, std::int64_t now);

    bool enabled_ = false;
    bool active_ = true;
    std::int64_t last_ = 0;
};

}  // namespace hexbrawl
