// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include "simulation/Colour.h"
#include "simulation/Simulation.h"
#include "simulation/WidgetId.h"
#include "window/StandInFonts.h"

#include <cstdint>
#include <span>
#include <variant>

namespace aeris {

enum class Kind { Picture, Led, Label, Slider, Timer };

// The stored settings that the layout uses, each applied with its run-time setter.
enum class Prop {
    Left,
    Top,
    Width,
    Height,
    // Picture
    Picture, // resource path
    Visible,
    // Label
    AutoSize,
    Caption,
    Color,
    ParentColor,
    Font,
    ParentFont,
    // LED indicator
    Cursor, // Qt::CursorShape
    Hint,
    ShowHint,
    LedColorOn,
    LedColorOff,
    LedWidth,
    LedHeight,
    LedPosition, // only lamp-left is used
    Spacing,
    Checked,
    Flashing, // never on
    Frequency,
    StatusInt,
    StatusBit,
    GroupIndex, // always 0
    Mode,
    // Slider
    Max,
    Min,
    Orientation, // always vertical
    TickFrequency,
    Position,
    SelEnd,
    SelStart,
    TabOrder,
    TickMarks, // always on the right
    TickStyle,
    // Timer
    Interval,
};

enum class LedMode { Indicator, Button };

using Value = std::variant<std::int64_t, bool, const char*, FontSpec, LedMode>;

struct Setting {
    Prop prop;
    Value value;
};

enum class Event { OnChange, OnMouseDown, OnClick, OnMouseUp, OnTimer };
using Handler = void (Simulation::*)();

struct EventLink {
    Event event;
    Handler handler;
};

struct ComponentRow {
    WidgetId name;
    Kind kind;
    std::span<const Setting> settings; // in stored order
    std::span<const EventLink> events; // connected after the settings
};

// The form's own stored settings.
struct FormSettings {
    const char* caption;
    int left, top, width, height; // outer frame, screen coordinates
    TColor color;
    FontSpec font;
};

const FormSettings& formSettings();

// The 38 components in creation order, which is also the stacking order.
std::span<const ComponentRow> layoutTable();

} // namespace aeris
