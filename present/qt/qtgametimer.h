// SPDX-License-Identifier: MIT
// The game timer port of the window: a precise single-shot QTimer re-armed for the
// next tick, so the game sleeps between ticks instead of polling.
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWindow>

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
    // Ticks only while the window is on screen as well: minimised or hidden, it
    // stands still even where the window system leaves the application active.
    void followwindow(QWindow* window);

    // For tests: whether a wake-up is pending, in how many ms, and the wake-up itself.
    bool armed() const { return timer_.isActive(); }
    int armedinterval() const { return timer_.interval(); }
    void wake();

private:
    void rearm();
    void refresh();

    std::function<void()> tick_;
    Clock clock_;
    TickPacer pacer_;
    QTimer timer_;
    bool applicationactive_ = true;
    QPointer<QWindow> window_;
};

}  // namespace hexbrawl
