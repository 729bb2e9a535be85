// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "simulation/WidgetId.h"

namespace aeris {

namespace {
constexpr std::array<std::string_view, kWidgetCount> kNames = {
    "Image1",  "AbLED1",  "AbLED2",  "AbLED3",  "AbLED4",  "AbLED5",  "Image4",    "Image5",
    "Image6",  "Image7",  "Image8",  "Image9",  "Label1",  "AbLED6",  "Label2",    "Label3",
    "Label4",  "AbLED7",  "Label5",  "Label6",  "Label7",  "AbLED8",  "AbLED9",    "Image3",
    "Image10", "Image11", "Image12", "Image13", "Image14", "Label8",  "Label9",    "Label10",
    "Label11", "Label12", "TrackBar1", "TrackBar2", "Timer1", "Timer2",
};
} // namespace

std::string_view nameOf(WidgetId id) { return kNames[indexOf(id)]; }

std::optional<WidgetId> widgetNamed(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (kNames[i] == name)
            return static_cast<WidgetId>(i);
    }
    return std::nullopt;
}

} // namespace aeris
