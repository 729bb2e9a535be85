// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace aeris {

// Every component of the window, in creation order, which is also the stacking order of the
// windowless widgets (later ones lie above earlier ones).
enum class WidgetId {
    Image1,
    AbLED1,
    AbLED2,
    AbLED3,
    AbLED4,
    AbLED5,
    Image4,
    Image5,
    Image6,
    Image7,
    Image8,
    Image9,
    Label1,
    AbLED6,
    Label2,
    Label3,
    Label4,
    AbLED7,
    Label5,
    Label6,
    Label7,
    AbLED8,
    AbLED9,
    Image3,
    Image10,
    Image11,
    Image12,
    Image13,
    Image14,
    Label8,
    Label9,
    Label10,
    Label11,
    Label12,
    TrackBar1,
    TrackBar2,
    Timer1,
    Timer2,
};

constexpr std::size_t kWidgetCount = static_cast<std::size_t>(WidgetId::Timer2) + 1;

constexpr std::size_t indexOf(WidgetId id) { return static_cast<std::size_t>(id); }

// The component name, e.g. "AbLED5".
std::string_view nameOf(WidgetId id);
std::optional<WidgetId> widgetNamed(std::string_view name);

} // namespace aeris
