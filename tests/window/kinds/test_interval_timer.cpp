// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "window/kinds/IntervalTimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace aeris {
namespace {

// Lets wall-clock time pass without handling any events, like a handler that keeps the loop
// busy.
void stayBusy(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
    }
}

class IntervalTimerTest : public ::testing::Test {
protected:
    void startWith(std::uint32_t interval) {
        timer.setInterval(interval);
        timer.setOnTimer([this] { ++ticks; });
    }

    IntervalTimer timer;
    int ticks = 0;
};

TEST_F(IntervalTimerTest, runs_only_once_it_has_a_handler) {
    EXPECT_TRUE(timer.isEnabled());
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(timer.remainingTime(), -1);
    startWith(200);
    EXPECT_TRUE(timer.isRunning());
    EXPECT_EQ(timer.interval(), 200u);
}

TEST_F(IntervalTimerTest, zero_interval_or_disabled_keeps_it_stopped) {
    startWith(0);
    EXPECT_FALSE(timer.isRunning());
    timer.setInterval(100);
    EXPECT_TRUE(timer.isRunning());
    timer.setEnabled(false);
    EXPECT_FALSE(timer.isRunning());
    timer.setEnabled(true);
    EXPECT_TRUE(timer.isRunning());
}

TEST_F(IntervalTimerTest, same_interval_does_not_restart_the_countdown) {
    startWith(1000);
    stayBusy(60);
    timer.setInterval(1000);
    EXPECT_TRUE(timer.isRunning());
    // A restart would have put the countdown back to a full second.
    EXPECT_LE(timer.remainingTime(), 940);
}

TEST_F(IntervalTimerTest, another_interval_restarts_the_countdown_from_now) {
    startWith(1000);
    stayBusy(60);
    timer.setInterval(60000);
    EXPECT_TRUE(timer.isRunning());
    EXPECT_GT(timer.remainingTime(), 59000);
    EXPECT_EQ(timer.interval(), 60000u);
}

TEST_F(IntervalTimerTest, ticks_arrive_through_the_event_loop) {
    startWith(10);
    stayBusy(30);
    EXPECT_EQ(ticks, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 1);
}

TEST_F(IntervalTimerTest, busy_spell_is_not_followed_by_a_burst_of_ticks) {
    startWith(5);
    stayBusy(100);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 1);
}

TEST_F(IntervalTimerTest, refused_start_throws_and_leaves_it_stopped_with_the_new_interval) {
    startWith(200);
    bool gateOpen = false;
    timer.setStartGate([&gateOpen] { return gateOpen; });

    try {
        timer.setInterval(35);
        FAIL() << "expected TimerUnavailable";
    } catch (const TimerUnavailable& error) {
        EXPECT_STREQ(error.what(), "Nicht genügend Timer verfügbar");
    }
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(timer.interval(), 35u);

    // Setting the interval it already has does nothing, so it stays stopped without an error.
    gateOpen = true;
    EXPECT_NO_THROW(timer.setInterval(35));
    EXPECT_FALSE(timer.isRunning());

    // Only a real change starts it again.
    timer.setInterval(15);
    EXPECT_TRUE(timer.isRunning());
    EXPECT_EQ(timer.interval(), 15u);
}

TEST_F(IntervalTimerTest, refused_start_while_connecting_the_handler_throws) {
    timer.setStartGate([] { return false; });
    EXPECT_THROW(startWith(100), TimerUnavailable);
    EXPECT_FALSE(timer.isRunning());
}

TEST_F(IntervalTimerTest, throwing_handler_is_contained_and_the_timer_keeps_running) {
    timer.setInterval(5);
    timer.setOnTimer([this] {
        ++ticks;
        throw std::runtime_error("handler failed");
    });
    stayBusy(10);
    EXPECT_NO_THROW(QCoreApplication::processEvents());
    EXPECT_EQ(ticks, 1);
    EXPECT_TRUE(timer.isRunning());
    stayBusy(10);
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 2);
}

TEST_F(IntervalTimerTest, handler_may_replace_itself_during_a_tick) {
    timer.setInterval(5);
    int replacementTicks = 0;
    timer.setOnTimer([this, &replacementTicks] {
        ++ticks;
        timer.setOnTimer([&replacementTicks] { ++replacementTicks; });
    });
    stayBusy(10);
    QCoreApplication::processEvents();
    stayBusy(10);
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(replacementTicks, 1);
}

TEST(IntervalTimerLifetime, destroying_a_running_timer_stops_its_ticks) {
    int ticks = 0;
    {
        IntervalTimer timer;
        timer.setInterval(5);
        timer.setOnTimer([&ticks] { ++ticks; });
        stayBusy(10);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 0);
}

} // namespace
} // namespace aeris
