// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "simulation/RecordingWidgets.h"
#include "simulation/Simulation.h"

#include <gtest/gtest.h>

namespace aeris {
namespace {

using test::colourText;
using test::RecordingWidgets;
using Calls = std::vector<std::string>;

struct Co2Case {
    int position;
    const char* ppm;
    TColor colour;
    std::int32_t level;
};

class Co2SliderAt : public ::testing::TestWithParam<Co2Case> {};

// Each change report rewrites both readings, colours both lamps and three labels for the band,
// and stores the level only after the last colour: whoever looks at the level while the window
// is still being recoloured sees the old one.
TEST_P(Co2SliderAt, shows_the_value_colours_its_band_and_stores_the_level_last) {
    const Co2Case c = GetParam();
    RecordingWidgets window;
    window.positions[WidgetId::TrackBar1] = c.position;
    Simulation sim(window);
    std::vector<std::int32_t> levelDuringCalls;
    window.onCall = [&](const std::string&) { levelDuringCalls.push_back(sim.state().Co2Level); };

    sim.TrackBar1Change();

    const std::string ppm = c.ppm;
    const std::string colour = colourText(c.colour);
    EXPECT_EQ(window.calls, (Calls{
                                "TrackBar1.Position?",
                                "Label1.Caption=" + ppm + " ppm CO2",
                                "Label3.Caption=" + ppm,
                                "AbLED6.ColorOn=" + colour,
                                "AbLED7.ColorOn=" + colour,
                                "Label3.Font.Color=" + colour,
                                "Label2.Font.Color=" + colour,
                                "Label4.Font.Color=" + colour,
                            }));
    EXPECT_EQ(levelDuringCalls, std::vector<std::int32_t>(window.calls.size(), 0));
    EXPECT_EQ(sim.state().Co2Level, c.level);
    EXPECT_EQ(sim.state().Co2Ppm, std::stoi(ppm));
}

INSTANTIATE_TEST_SUITE_P(BandEdges, Co2SliderAt,
                         ::testing::Values(Co2Case{0, "2000", clRed, 3}, Co2Case{33, "1505", clRed, 3},
                                           Co2Case{34, "1490", clOrange, 2}, Co2Case{66, "1010", clOrange, 2},
                                           Co2Case{67, "995", clLime, 1}, Co2Case{75, "875", clLime, 1},
                                           Co2Case{100, "500", clLime, 1}));

struct HumidityCase {
    int position;
    const char* percent;
    TColor lamp;
    TColor readings;
    std::int32_t level;
};

class HumiditySliderAt : public ::testing::TestWithParam<HumidityCase> {};

TEST_P(HumiditySliderAt, shows_the_value_colours_its_band_and_stores_the_level_last) {
    const HumidityCase c = GetParam();
    RecordingWidgets window;
    window.positions[WidgetId::TrackBar2] = c.position;
    Simulation sim(window);
    std::vector<std::int32_t> levelDuringCalls;
    window.onCall = [&](const std::string&) { levelDuringCalls.push_back(sim.state().HumidityLevel); };

    sim.TrackBar2Change();

    const std::string percent = c.percent;
    EXPECT_EQ(window.calls, (Calls{
                                "TrackBar2.Position?",
                                "Label6.Caption=" + percent + "% Rel.",
                                "Label5.Caption=" + percent + "% r.LF.",
                                "AbLED8.ColorOn=" + colourText(c.lamp),
                                "Label6.Font.Color=" + colourText(c.readings),
                                "Label7.Font.Color=" + colourText(c.readings),
                            }));
    EXPECT_EQ(levelDuringCalls, std::vector<std::int32_t>(window.calls.size(), 0));
    EXPECT_EQ(sim.state().HumidityLevel, c.level);
    EXPECT_EQ(sim.state().HumidityPercent, std::stoi(percent));
}

// In the lowest band the lamp is green while the readings are blue.
INSTANTIATE_TEST_SUITE_P(BandEdges, HumiditySliderAt,
                         ::testing::Values(HumidityCase{50, "80", clRed, clRed, 3},
                                           HumidityCase{60, "70", clRed, clRed, 3},
                                           HumidityCase{61, "69", clOrange, clOrange, 2},
                                           HumidityCase{70, "60", clOrange, clOrange, 2},
                                           HumidityCase{71, "59", clLime, clBlue, 1},
                                           HumidityCase{80, "50", clLime, clBlue, 1}));

// The sliders cannot get there, but should a value fall outside every band the readings still
// show it while colours and level stay as they were.
TEST(AirQuality, value_outside_every_band_rewrites_the_text_only) {
    RecordingWidgets window;
    Simulation sim(window);
    sim.TrackBar1Change();
    sim.TrackBar2Change();
    window.take();

    window.positions[WidgetId::TrackBar1] = -1;
    sim.TrackBar1Change();
    window.positions[WidgetId::TrackBar1] = 134;
    sim.TrackBar1Change();
    window.positions[WidgetId::TrackBar2] = 29;
    sim.TrackBar2Change();
    window.positions[WidgetId::TrackBar2] = 131;
    sim.TrackBar2Change();

    EXPECT_EQ(window.calls, (Calls{
                                "TrackBar1.Position?",
                                "Label1.Caption=2015 ppm CO2",
                                "Label3.Caption=2015",
                                "TrackBar1.Position?",
                                "Label1.Caption=-10 ppm CO2",
                                "Label3.Caption=-10",
                                "TrackBar2.Position?",
                                "Label6.Caption=101% Rel.",
                                "Label5.Caption=101% r.LF.",
                                "TrackBar2.Position?",
                                "Label6.Caption=-1% Rel.",
                                "Label5.Caption=-1% r.LF.",
                            }));
    EXPECT_EQ(sim.state().Co2Level, 1);
    EXPECT_EQ(sim.state().HumidityLevel, 1);
    EXPECT_EQ(sim.state().Co2Ppm, -10);
    EXPECT_EQ(sim.state().HumidityPercent, -1);
}

} // namespace
} // namespace aeris
