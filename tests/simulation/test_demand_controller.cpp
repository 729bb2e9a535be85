// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "simulation/RecordingWidgets.h"
#include "simulation/Simulation.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace aeris {
namespace {

using test::RecordingWidgets;
using Calls = std::vector<std::string>;

// Drives the inputs the way a user would until each channel holds the level asked for;
// level 0 leaves that input untouched.
class Controller : public ::testing::Test {
protected:
    RecordingWidgets window;
    Simulation sim{window};

    void SetUp() override {
        sim.FormCreate();
        window.take();
    }

    void setCo2Level(int level) {
        static constexpr int kPosition[] = {0, 75, 50, 0};
        window.positions[WidgetId::TrackBar1] = kPosition[level];
        sim.TrackBar1Change();
        ASSERT_EQ(sim.state().Co2Level, level);
    }
    void setHumidityLevel(int level) {
        static constexpr int kPosition[] = {0, 80, 70, 60};
        window.positions[WidgetId::TrackBar2] = kPosition[level];
        sim.TrackBar2Change();
        ASSERT_EQ(sim.state().HumidityLevel, level);
    }
    void setStageLevel(int level) {
        while (sim.state().StageLevel != level)
            sim.AbLED5Click();
    }
    void setLevels(int humidity, int stage, int co2) {
        if (humidity)
            setHumidityLevel(humidity);
        if (stage)
            setStageLevel(stage);
        if (co2)
            setCo2Level(co2);
        window.take();
    }
};

struct LevelCase {
    int humidity;
    int stage;
    int co2;
    std::int32_t demand;
};

class ControllerWithLevels : public Controller, public ::testing::WithParamInterface<LevelCase> {};

// The speed follows the highest level, whichever input holds it; until an input is operated
// every level is 0 and a tick makes no call at all.
TEST_P(ControllerWithLevels, runs_the_fans_at_the_speed_of_the_highest_level) {
    const LevelCase c = GetParam();
    setLevels(c.humidity, c.stage, c.co2);

    sim.Timer2Timer();

    static const Calls kSpeedCalls[] = {
        {},
        {"Timer1.Interval=150", "Label12.Caption=low"},
        {"Timer1.Interval=35", "Label12.Caption=medium"},
        {"Timer1.Interval=15", "Label12.Caption=high"},
    };
    EXPECT_EQ(window.calls, kSpeedCalls[c.demand]);
    EXPECT_EQ(sim.state().DemandLevel, c.demand);
}

INSTANTIATE_TEST_SUITE_P(Levels, ControllerWithLevels,
                         ::testing::Values(LevelCase{0, 0, 0, 0}, LevelCase{1, 0, 0, 1},
                                           LevelCase{0, 1, 0, 1}, LevelCase{0, 0, 1, 1},
                                           LevelCase{0, 2, 0, 2}, LevelCase{0, 0, 3, 3},
                                           LevelCase{3, 0, 1, 3}, LevelCase{1, 3, 1, 3},
                                           LevelCase{2, 1, 0, 2}, LevelCase{0, 1, 2, 2},
                                           LevelCase{2, 2, 2, 2}, LevelCase{3, 3, 3, 3},
                                           LevelCase{1, 2, 3, 3}, LevelCase{3, 2, 1, 3}));

TEST_F(Controller, ticks_before_any_input_leave_the_start_pace_alone) {
    for (int tick = 0; tick < 5; ++tick)
        sim.Timer2Timer();

    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(window.intervals[WidgetId::Timer1], 200u);
    EXPECT_EQ(sim.state().DemandLevel, 0);
}

// Each tick recomputes the maximum from scratch, so a falling level slows the fans down again.
// While nothing changes every tick repeats the same two calls; the timer itself keeps its
// countdown running when given the interval it already has.
TEST_F(Controller, falling_levels_lower_the_speed) {
    setLevels(1, 0, 3);
    sim.Timer2Timer();
    sim.Timer2Timer();
    EXPECT_EQ(window.take(), (Calls{"Timer1.Interval=15", "Label12.Caption=high", "Timer1.Interval=15",
                                    "Label12.Caption=high"}));

    setCo2Level(2);
    window.take();
    sim.Timer2Timer();
    EXPECT_EQ(window.take(), (Calls{"Timer1.Interval=35", "Label12.Caption=medium"}));

    setCo2Level(1);
    window.take();
    sim.Timer2Timer();
    EXPECT_EQ(window.take(), (Calls{"Timer1.Interval=150", "Label12.Caption=low"}));
    EXPECT_EQ(sim.state().DemandLevel, 1);
}

// A refused timer ends the tick at the interval: the error reaches the caller, the caption
// keeps its old text, and the next tick, finding the interval already set, puts the caption
// right. A later change of level tries the timer again.
TEST_F(Controller, refused_timer_ends_the_tick_before_the_caption) {
    setLevels(0, 0, 1);
    sim.Timer2Timer();
    window.take();
    window.refuseTimers = true;
    setCo2Level(3);
    window.take();

    try {
        sim.Timer2Timer();
        FAIL() << "the refused timer was not reported";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Nicht genügend Timer verfügbar");
    }
    EXPECT_EQ(window.take(), (Calls{"Timer1.Interval=15"}));
    EXPECT_EQ(window.captions[WidgetId::Label12], "low");
    EXPECT_EQ(sim.state().DemandLevel, 3);

    EXPECT_NO_THROW(sim.Timer2Timer());
    EXPECT_EQ(window.take(), (Calls{"Timer1.Interval=15", "Label12.Caption=high"}));
    EXPECT_NO_THROW(sim.Timer2Timer());
    EXPECT_EQ(window.take(), (Calls{"Timer1.Interval=15", "Label12.Caption=high"}));

    setCo2Level(2);
    window.take();
    EXPECT_THROW(sim.Timer2Timer(), std::runtime_error);
    EXPECT_EQ(window.take(), (Calls{"Timer1.Interval=35"}));
    EXPECT_EQ(window.captions[WidgetId::Label12], "high");
}

} // namespace
} // namespace aeris
