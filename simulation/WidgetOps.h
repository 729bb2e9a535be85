// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include "simulation/Colour.h"
#include "simulation/WidgetId.h"

#include <cstdint>
#include <string_view>

namespace aeris {

// The only ways in which the simulation reads or changes the window. Every setter compares
// first: given the value that the widget already holds it does nothing at all (no repaint, no
// event, and for a timer no restart of its countdown).
class WidgetOps {
public:
    virtual ~WidgetOps() = default;

    virtual void setCaption(WidgetId label, std::string_view utf8Text) = 0;
    virtual void setFontColor(WidgetId label, TColor colour) = 0;
    virtual void setLedColorOn(WidgetId led, TColor colour) = 0;
    virtual void setLedColorOff(WidgetId led, TColor colour) = 0;
    virtual void setChecked(WidgetId led, bool checked) = 0;
    virtual void setVisible(WidgetId picture, bool visible) = 0;
    // Throws when the system refuses to start the timer anew; the calling handler then ends there.
    virtual void setInterval(WidgetId timer, std::uint32_t milliseconds) = 0;
    virtual int position(WidgetId slider) = 0;
};

} // namespace aeris
