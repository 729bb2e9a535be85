// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include "simulation/WidgetOps.h"

#include <cstdint>

namespace aeris {

// The whole state of the run. Demand levels are 0 until their input is first operated, then
// 1 (low), 2 (medium) or 3 (high) and never 0 again.
struct SimulationState {
    std::int32_t StageIndex = 0;
    std::int32_t StageLevel = 0;
    std::int32_t Co2Ppm = 0;
    std::int32_t Co2Level = 0;
    std::int32_t HumidityPercent = 0;
    std::int32_t HumidityLevel = 0;
    std::int32_t DemandLevel = 0;
    std::int32_t FrameIndex = 0;
};

// The handlers that the window calls, one at a time, on its widgets' events. They touch the
// window only through WidgetOps, and the order of their calls is part of their behaviour.
class Simulation {
public:
    explicit Simulation(WidgetOps& window) : ops(window) {}

    void FormCreate();
    void TrackBar1Change();
    void TrackBar2Change();
    void AbLED5MouseDown();
    void AbLED5Click();
    void AbLED5MouseUp();
    void Timer2Timer();
    void Timer1Timer();

    const SimulationState& state() const { return s; }

private:
    WidgetOps& ops;
    SimulationState s;
};

} // namespace aeris
