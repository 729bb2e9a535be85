// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "simulation/RecordingWidgets.h"
#include "simulation/Simulation.h"

#include <gtest/gtest.h>

#include <array>

namespace aeris {
namespace {

using enum WidgetId;
using test::RecordingWidgets;
using Calls = std::vector<std::string>;

// The order in which every tick sets the frames: the right fan ascending, the left fan
// descending down to Image3. Position i in each fan's run is the frame of counter value i.
constexpr std::array<WidgetId, 6> kRightFan = {Image4, Image5, Image6, Image7, Image8, Image9};
constexpr std::array<WidgetId, 6> kLeftFan = {Image14, Image13, Image12, Image11, Image10, Image3};

Calls callsShowingFrame(std::size_t frame) {
    Calls calls;
    for (const auto& fan : {kRightFan, kLeftFan}) {
        for (std::size_t i = 0; i < fan.size(); ++i)
            calls.push_back(std::string(nameOf(fan[i])) + (i == frame ? ".Visible=true" : ".Visible=false"));
    }
    return calls;
}

// Every tick makes all twelve calls in the same order, so one frame per fan is left visible
// whatever the pictures showed before: at start the right fan shows only its last frame and the
// left fan shows all six.
TEST(FanAnimation, each_tick_shows_the_next_frame_of_both_fans) {
    RecordingWidgets window;
    for (WidgetId id : kRightFan)
        window.visible[id] = id == Image9;
    for (WidgetId id : kLeftFan)
        window.visible[id] = true;
    Simulation sim(window);
    sim.FormCreate();
    window.take();

    for (std::size_t tick = 1; tick <= 13; ++tick) {
        SCOPED_TRACE("tick " + std::to_string(tick));
        const std::size_t frame = tick % 6;

        sim.Timer1Timer();

        EXPECT_EQ(window.take(), callsShowingFrame(frame));
        EXPECT_EQ(sim.state().FrameIndex, static_cast<std::int32_t>(frame));
        for (const auto& fan : {kRightFan, kLeftFan}) {
            for (std::size_t i = 0; i < fan.size(); ++i)
                EXPECT_EQ(window.visible[fan[i]], i == frame) << nameOf(fan[i]);
        }
    }
}

TEST(FanAnimation, first_tick_leaves_image5_and_image13_and_every_sixth_image4_and_image14) {
    RecordingWidgets window;
    Simulation sim(window);
    auto shown = [&] {
        Calls names;
        for (const auto& [id, isVisible] : window.visible) {
            if (isVisible)
                names.emplace_back(nameOf(id));
        }
        return names;
    };

    sim.Timer1Timer();
    EXPECT_EQ(shown(), (Calls{"Image5", "Image13"}));
    for (int round = 1; round <= 3; ++round) {
        for (int tick = 0; tick < 5; ++tick)
            sim.Timer1Timer();
        EXPECT_EQ(shown(), (Calls{"Image4", "Image14"})) << "after " << 6 * round << " ticks";
        sim.Timer1Timer();
    }
}

// A new pace from the controller does not restart the run of frames.
TEST(FanAnimation, a_new_pace_keeps_the_frame_counter) {
    RecordingWidgets window;
    Simulation sim(window);
    sim.FormCreate();
    sim.Timer1Timer();
    sim.Timer1Timer();
    sim.TrackBar1Change();
    sim.Timer2Timer();
    ASSERT_EQ(window.intervals[Timer1], 150u);
    window.take();

    sim.Timer1Timer();

    EXPECT_EQ(window.take(), callsShowingFrame(3));
}

} // namespace
} // namespace aeris
