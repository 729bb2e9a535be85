// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "simulation/RecordingWidgets.h"
#include "simulation/Simulation.h"

#include <gtest/gtest.h>

namespace aeris {
namespace {

using test::RecordingWidgets;
using Calls = std::vector<std::string>;

struct Step {
    std::int32_t stage;
    Calls calls;
};

// The window starts showing stage 1 with no level set, so the first click selects stage 2; from
// there the stages cycle. The level is stored before any lamp changes.
TEST(StageSelector, clicks_cycle_through_stages_two_three_one_two) {
    const std::vector<Step> steps = {
        {2,
         {"AbLED1.ColorOff=$009FFF", "AbLED2.Checked=true", "AbLED3.Checked=true", "AbLED4.Checked=false"}},
        {3, {"AbLED1.ColorOff=$0000FF", "AbLED2.Checked=true", "AbLED3.Checked=true", "AbLED4.Checked=true"}},
        {1,
         {"AbLED1.ColorOff=$00FF00", "AbLED2.Checked=true", "AbLED3.Checked=false", "AbLED4.Checked=false"}},
        {2,
         {"AbLED1.ColorOff=$009FFF", "AbLED2.Checked=true", "AbLED3.Checked=true", "AbLED4.Checked=false"}},
    };
    RecordingWidgets window;
    Simulation sim(window);
    sim.FormCreate();
    window.take();
    std::vector<std::int32_t> levelDuringCalls;
    window.onCall = [&](const std::string&) { levelDuringCalls.push_back(sim.state().StageLevel); };

    for (const Step& step : steps) {
        SCOPED_TRACE("click to stage " + std::to_string(step.stage));
        levelDuringCalls.clear();

        sim.AbLED5Click();

        EXPECT_EQ(window.take(), step.calls);
        EXPECT_EQ(levelDuringCalls, std::vector<std::int32_t>(step.calls.size(), step.stage));
        EXPECT_EQ(sim.state().StageLevel, step.stage);
        EXPECT_EQ(sim.state().StageIndex, step.stage - 1);
    }
}

// Press and release only darken and lighten the button, and a click never touches it, so the
// order in which the button reports press, click and release cannot change the outcome. Presses
// and releases need not pair up.
TEST(StageSelector, press_and_release_touch_only_the_button_and_keep_the_stage) {
    RecordingWidgets window;
    Simulation sim(window);
    sim.FormCreate();
    window.take();

    sim.AbLED5MouseDown();
    sim.AbLED5MouseDown();
    sim.AbLED5MouseUp();
    sim.AbLED5MouseUp();

    EXPECT_EQ(window.take(), (Calls{"AbLED5.Checked=true", "AbLED5.Checked=true", "AbLED5.Checked=false",
                                    "AbLED5.Checked=false"}));
    EXPECT_EQ(sim.state().StageIndex, 0);
    EXPECT_EQ(sim.state().StageLevel, 0);

    sim.AbLED5MouseDown();
    sim.AbLED5Click();
    sim.AbLED5MouseUp();
    const Calls calls = window.take();
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls.front(), "AbLED5.Checked=true");
    EXPECT_EQ(calls.back(), "AbLED5.Checked=false");
    for (std::size_t i = 1; i + 1 < calls.size(); ++i)
        EXPECT_NE(calls[i].rfind("AbLED5.", 0), 0u) << calls[i];
    EXPECT_EQ(sim.state().StageLevel, 2);
}

} // namespace
} // namespace aeris
