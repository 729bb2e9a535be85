// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "window/kinds/IntervalTimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

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

// A handler elsewhere keeps the loop busy for ten intervals while the tick is already due: the
// late tick is delivered, and the next one falls due a whole interval after it rather than at
// once to catch up. The loop then runs for three intervals; only the ticks within half an
// interval of the late one are counted, and a slow machine can only push ticks out of that
// window, never into it.
TEST_F(IntervalTimerTest, late_tick_schedules_the_next_a_full_interval_after_it) {
    constexpr int kInterval = 20;
    constexpr qint64 kNs = 1000000;
    for (int spell = 0; spell < 3; ++spell) {
        std::vector<qint64> at;
        QElapsedTimer clock;
        clock.start();
        IntervalTimer ticking;
        ticking.setInterval(kInterval);
        QTimer busy;
        busy.setSingleShot(true);
        busy.setTimerType(Qt::PreciseTimer);
        QObject::connect(&busy, &QTimer::timeout, [] { stayBusy(10 * kInterval); });
        // Started first, the busy handler runs first when both are due in the same round.
        busy.start(kInterval);
        ticking.setOnTimer([&] { at.push_back(clock.nsecsElapsed()); });
        stayBusy(kInterval + 5);
        while (at.empty())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const qint64 late = at.front();
        while (clock.nsecsElapsed() < late + 3 * kInterval * kNs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, kInterval);
        const auto soon =
            std::count_if(at.begin(), at.end(), [late](qint64 t) { return t < late + kInterval * kNs / 2; });
        EXPECT_EQ(soon, 1) << "spell " << spell;
        EXPECT_GE(at.size(), 2u) << "spell " << spell;
    }
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
