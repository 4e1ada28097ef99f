// SPDX-License-Identifier: MIT
#include "present/tickpacer.h"

#include <algorithm>

namespace hexbrawl {

void TickPacer::resume(bool wasrunning, std::int64_t now)
{
    // Time spent disabled or in the background does not count: the first tick
    // comes a full period after the timer starts again.
    if (!wasrunning && running())
        last_ = now;
}

void TickPacer::setenabled(bool enabled, std::int64_t now)
{
    bool was = running();
    enabled_ = enabled;
    resume(was, now);
}

void TickPacer::setactive(bool active, std::int64_t now)
{
    bool was = running();
    active_ = active;
    resume(was, now);
}

bool TickPacer::fire(std::int64_t now)
{
    if (!running() || now - last_ < period)
        return false;
    last_ = now;
    return true;
}

std::int64_t TickPacer::wait(std::int64_t now) const { return std::max<std::int64_t>(0, last_ + period - now); }

}  // namespace hexbrawl
