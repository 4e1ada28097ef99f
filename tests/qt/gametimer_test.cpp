// SPDX-License-Identifier: MIT
// The game timer with a clock of our own and wake-ups delivered by hand.
#include "present/qt/qtgametimer.h"

#include <gtest/gtest.h>

namespace hexbrawl {
namespace {

TEST(TickPacer, OneTickPerPeriodHoweverLate)
{
    TickPacer pacer;
    EXPECT_FALSE(pacer.fire(100)) << "disabled at load";
    pacer.setenabled(true, 100);
    EXPECT_FALSE(pacer.fire(124));
    EXPECT_EQ(pacer.wait(124), 1);
    EXPECT_TRUE(pacer.fire(125));
    EXPECT_FALSE(pacer.fire(125));
    // A 100 ms stall yields one tick, not four, and the next is a full period later.
    EXPECT_TRUE(pacer.fire(250));
    EXPECT_FALSE(pacer.fire(274));
    EXPECT_EQ(pacer.wait(250), 25);
    EXPECT_EQ(pacer.wait(400), 0);

    pacer.setenabled(false, 260);
    EXPECT_FALSE(pacer.running());
    EXPECT_FALSE(pacer.fire(500));
}

TEST(TickPacer, StandsStillInTheBackground)
{
    TickPacer pacer;
    pacer.setenabled(true, 0);
    EXPECT_TRUE(pacer.fire(25));
    pacer.setactive(false, 30);
    EXPECT_FALSE(pacer.running());
    EXPECT_FALSE(pacer.fire(50));
    EXPECT_FALSE(pacer.fire(5000));
    // Back in front: the clock is read again, the first tick a period later.
    pacer.setactive(true, 6000);
    EXPECT_FALSE(pacer.fire(6010));
    EXPECT_TRUE(pacer.fire(6025));
    // Enabled while in the background: nothing until the application is active.
    pacer.setenabled(false, 6030);
    pacer.setactive(false, 6030);
    pacer.setenabled(true, 6040);
    EXPECT_FALSE(pacer.fire(7000));
    pacer.setactive(true, 7000);
    EXPECT_TRUE(pacer.fire(7025));
}

TEST(QtGameTimer, SleepsWhenNotNeededAndTicksOncePerWake)
{
    std::int64_t now = 0;
    int ticks = 0;
    std::int64_t stall = 0;
    QtGameTimer timer(
        [&] {
            ++ticks;
            now += stall;
        },
        [&] { return now; });
    timer.setapplicationactive(true);
    EXPECT_FALSE(timer.armed()) << "disabled at load";

    timer.setenabled(true);
    ASSERT_TRUE(timer.armed());
    EXPECT_EQ(timer.armedinterval(), 25);
    now = 25;
    timer.wake();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(timer.armedinterval(), 25);

    // A tick that takes 100 ms: the next is due at once, and only one.
    stall = 100;
    now = 50;
    timer.wake();
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(now, 150);
    EXPECT_EQ(timer.armedinterval(), 0);
    stall = 0;
    timer.wake();
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(timer.armedinterval(), 25);

    // In the background the timer is stopped; a stray wake-up does nothing.
    timer.setapplicationactive(false);
    EXPECT_FALSE(timer.armed());
    now = 1000;
    timer.wake();
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(timer.armed());
    timer.setapplicationactive(true);
    EXPECT_EQ(timer.armedinterval(), 25);

    timer.setenabled(false);
    EXPECT_FALSE(timer.armed());
    now = 2000;
    timer.wake();
    EXPECT_EQ(ticks, 3);
}

}  // namespace
}  // namespace hexbrawl
