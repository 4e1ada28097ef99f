// SPDX-License-Identifier: MIT
#include "present/qt/dayclock.h"

#include <chrono>

namespace hexbrawl {

std::uint32_t DayClock::seedvalue()
{
    using namespace std::chrono;
    const auto now = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(now % (24 * 60 * 60 * 1000));
}

}  // namespace hexbrawl
