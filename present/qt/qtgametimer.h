// SPDX-License-Identifier: MIT
// The game timer port of the window: a precise single-shot QTimer re-armed for the
// next tick, so the game sleeps between ticks instead of polling.
#pragma once

#include <QTimer>

#include <functional>

#include "present/ports.h"
#include "present/tickpacer.h"

namespace hexbrawl {

class QtGameTimer final : public GameTimer {
public:
    using Clock = std::function<std::int64_t()>;  // milliseconds, never going back

    // `tick` runs once per tick and must not throw. Follows the application's
    // active state; a null clock means the real one.
    explicit QtGameTimer(std::function<void()> tick, Clock clock = {});

    void setenabled(bool enabled) override;
    // Called when the application comes to the foreground or leaves it.
    void setapplicationactive(bool active);

    // For tests: whether a wake-up is pending, in how many ms, and the wake-up itself.
    bool armed() const { return timer_.isActive(); }
    int armedinterval() const { return timer_.interval(); }
    void wake();

private:
    void rearm();

    std::function<void()> tick_;
    Clock clock_;
    TickPacer pacer_;
    QTimer timer_;
};

}  // namespace hexbrawl
