// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "simulation/RecordingWidgets.h"
#include "simulation/Simulation.h"

#include <gtest/gtest.h>

namespace aeris {
namespace {

using test::RecordingWidgets;
using Calls = std::vector<std::string>;

struct StartCase {
    int position;
    const char* ppm;
};

class FormCreateAt : public ::testing::TestWithParam<StartCase> {};

// The start readings follow the slider, but they are always green: the start shows the lowest
// band although the CO2 level is still unset.
TEST_P(FormCreateAt, makes_its_nine_calls_in_order_and_sets_no_level) {
    RecordingWidgets window;
    window.positions[WidgetId::TrackBar1] = GetParam().position;
    Simulation sim(window);

    sim.FormCreate();

    const std::string ppm = GetParam().ppm;
    EXPECT_EQ(window.calls, (Calls{
                                "AbLED2.Checked=true",
                                "AbLED3.Checked=false",
                                "AbLED4.Checked=false",
                                "TrackBar1.Position?",
                                "Label1.Caption=" + ppm + " ppm CO2",
                                "Label3.Caption=" + ppm,
                                "Label3.Font.Color=$00FF00",
                                "Label2.Font.Color=$00FF00",
                                "Label4.Font.Color=$00FF00",
                            }));

    const SimulationState& s = sim.state();
    EXPECT_EQ(s.StageIndex, 0);
    EXPECT_EQ(s.StageLevel, 0);
    EXPECT_EQ(s.Co2Ppm, 0);
    EXPECT_EQ(s.Co2Level, 0);
    EXPECT_EQ(s.HumidityPercent, 0);
    EXPECT_EQ(s.HumidityLevel, 0);
    EXPECT_EQ(s.DemandLevel, 0);
    EXPECT_EQ(s.FrameIndex, 0);
}

INSTANTIATE_TEST_SUITE_P(SliderPositions, FormCreateAt,
                         ::testing::Values(StartCase{75, "875"}, StartCase{0, "2000"},
                                           StartCase{100, "500"}));

} // namespace
} // namespace aeris
