// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "simulation/Simulation.h"

#include <array>
#include <string>

namespace aeris {

namespace {

using enum WidgetId;

// A band of a channel: a closed range of values with its demand level and colours.
struct Band {
    std::int32_t low;
    std::int32_t high;
    std::int32_t level;
    TColor lampColour;
    TColor readingColour;
};

constexpr std::array<Band, 3> kCo2Bands = {{
    {0, 999, 1, clLime, clLime},
    {1000, 1499, 2, clOrange, clOrange},
    {1500, 2000, 3, clRed, clRed},
}};

// In the lowest humidity band the lamp is green but the readings are blue.
constexpr std::array<Band, 3> kHumidityBands = {{
    {0, 59, 1, clLime, clBlue},
    {60, 69, 2, clOrange, clOrange},
    {70, 100, 3, clRed, clRed},
}};

const Band* bandOf(const std::array<Band, 3>& bands, std::int32_t value) {
    for (const Band& band : bands) {
        if (value >= band.low && value <= band.high)
            return &band;
    }
    return nullptr;
}

struct Stage {
    std::int32_t level;
    TColor boardLamp;
    std::array<bool, 3> switchLamps;
};

constexpr std::array<Stage, 3> kStages = {{
    {1, clLime, {true, false, false}},
    {2, clOrange, {true, true, false}},
    {3, clRed, {true, true, true}},
}};

struct Speed {
    std::uint32_t intervalMs;
    const char* caption;
};

// Indexed by demand level 1..3.
constexpr std::array<Speed, 3> kSpeeds = {{
    {150, "low"},
    {35, "medium"},
    {15, "high"},
}};

constexpr std::array<WidgetId, 6> kRightFanFrames = {Image4, Image5, Image6, Image7, Image8, Image9};
constexpr std::array<WidgetId, 6> kLeftFanFrames = {Image14, Image13, Image12, Image11, Image10, Image3};

std::int32_t co2FromPosition(int position) { return 2000 - 15 * position; }

std::string withSuffix(std::int32_t value, const char* suffix) { return std::to_string(value) + suffix; }

} // namespace

void Simulation::FormCreate() {
    s.StageIndex = 0;
    ops.setChecked(AbLED2, true);
    ops.setChecked(AbLED3, false);
    ops.setChecked(AbLED4, false);
    const std::int32_t ppm = co2FromPosition(ops.position(TrackBar1));
    ops.setCaption(Label1, withSuffix(ppm, " ppm CO2"));
    ops.setCaption(Label3, std::to_string(ppm));
    ops.setFontColor(Label3, clLime);
    ops.setFontColor(Label2, clLime);
    ops.setFontColor(Label4, clLime);
}

void Simulation::TrackBar1Change() {
    s.Co2Ppm = co2FromPosition(ops.position(TrackBar1));
    ops.setCaption(Label1, withSuffix(s.Co2Ppm, " ppm CO2"));
    ops.setCaption(Label3, std::to_string(s.Co2Ppm));
    const Band* band = bandOf(kCo2Bands, s.Co2Ppm);
    if (!band)
        return;
    ops.setLedColorOn(AbLED6, band->lampColour);
    ops.setLedColorOn(AbLED7, band->lampColour);
    ops.setFontColor(Label3, band->readingColour);
    ops.setFontColor(Label2, band->readingColour);
    ops.setFontColor(Label4, band->readingColour);
    s.Co2Level = band->level;
}

void Simulation::TrackBar2Change() {
    s.HumidityPercent = 130 - ops.position(TrackBar2);
    ops.setCaption(Label6, withSuffix(s.HumidityPercent, "% Rel."));
    ops.setCaption(Label5, withSuffix(s.HumidityPercent, "% r.LF."));
    const Band* band = bandOf(kHumidityBands, s.HumidityPercent);
    if (!band)
        return;
    ops.setLedColorOn(AbLED8, band->lampColour);
    ops.setFontColor(Label6, band->readingColour);
    ops.setFontColor(Label7, band->readingColour);
    s.HumidityLevel = band->level;
}

// The press and release handlers touch only AbLED5 and the click handler never does, so the
// order in which the button reports press, click and release does not matter.
void Simulation::AbLED5MouseDown() { ops.setChecked(AbLED5, true); }

void Simulation::AbLED5MouseUp() { ops.setChecked(AbLED5, false); }

void Simulation::AbLED5Click() {
    s.StageIndex = s.StageIndex + 1;
    if (s.StageIndex > 2)
        s.StageIndex = 0;
    const Stage& stage = kStages[static_cast<std::size_t>(s.StageIndex)];
    s.StageLevel = stage.level;
    ops.setLedColorOff(AbLED1, stage.boardLamp);
    ops.setChecked(AbLED2, stage.switchLamps[0]);
    ops.setChecked(AbLED3, stage.switchLamps[1]);
    ops.setChecked(AbLED4, stage.switchLamps[2]);
}

void Simulation::Timer2Timer() {
    s.DemandLevel = 0;
    if (s.HumidityLevel > s.DemandLevel)
        s.DemandLevel = s.HumidityLevel;
    if (s.StageLevel > s.DemandLevel)
        s.DemandLevel = s.StageLevel;
    if (s.Co2Level > s.DemandLevel)
        s.DemandLevel = s.Co2Level;
    if (s.DemandLevel < 1 || s.DemandLevel > 3)
        return;
    const Speed& speed = kSpeeds[static_cast<std::size_t>(s.DemandLevel - 1)];
    // Setting the interval it already has leaves Timer1's countdown running; only a new level
    // restarts it. If the restart is refused this throws and the caption waits for the next tick.
    ops.setInterval(Timer1, speed.intervalMs);
    ops.setCaption(Label12, speed.caption);
}

void Simulation::Timer1Timer() {
    s.FrameIndex = s.FrameIndex + 1;
    if (s.FrameIndex > 5)
        s.FrameIndex = 0;
    // All twelve calls every tick: at start all six left-fan frames are visible, so hiding only
    // the previous frame would not do. Unchanged flags cost nothing.
    for (std::size_t i = 0; i < kRightFanFrames.size(); ++i)
        ops.setVisible(kRightFanFrames[i], static_cast<std::int32_t>(i) == s.FrameIndex);
    for (std::size_t i = 0; i < kLeftFanFrames.size(); ++i)
        ops.setVisible(kLeftFanFrames[i], static_cast<std::int32_t>(i) == s.FrameIndex);
}

} // namespace aeris
