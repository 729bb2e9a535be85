// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include "simulation/WidgetOps.h"

#include <cstdio>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace aeris::test {

// Text of a colour as the layout writes it, e.g. "$009FFF" for orange.
inline std::string colourText(TColor colour) {
    char text[16];
    std::snprintf(text, sizeof text, "$%06X", static_cast<unsigned>(colour));
    return text;
}

// A window without a window: logs every widget operation in order as one readable line
// ("Label1.Caption=875 ppm CO2", "AbLED6.ColorOn=$009FFF", "Timer1.Interval=150",
// "TrackBar1.Position?") and keeps what was last set, so tests can check both the calls and
// their outcome. It logs every call, including those that set a value already held: which
// calls the handlers make is what is under test, not the window's compare-first rule.
class RecordingWidgets : public WidgetOps {
public:
    std::vector<std::string> calls;

    // Slider positions as the layout starts them; tests move them before a change report.
    std::map<WidgetId, int> positions{{WidgetId::TrackBar1, 75}, {WidgetId::TrackBar2, 80}};

    std::map<WidgetId, std::string> captions;
    std::map<WidgetId, TColor> fontColours;
    std::map<WidgetId, TColor> colorsOn;
    std::map<WidgetId, TColor> colorsOff;
    std::map<WidgetId, bool> checked;
    std::map<WidgetId, bool> visible;
    std::map<WidgetId, std::uint32_t> intervals{{WidgetId::Timer1, 200}, {WidgetId::Timer2, 100}};

    // Like a system out of timers: a change of interval is taken over, the timer stops and the
    // setter throws. Setting the interval the timer already has does nothing and never throws.
    bool refuseTimers = false;

    // Runs after each call is logged, e.g. to look at the simulation's state between two calls
    // or to throw in the middle of a handler.
    std::function<void(const std::string& call)> onCall;

    void setCaption(WidgetId label, std::string_view utf8Text) override {
        captions[label] = std::string(utf8Text);
        log(label, ".Caption=" + std::string(utf8Text));
    }
    void setFontColor(WidgetId label, TColor colour) override {
        fontColours[label] = colour;
        log(label, ".Font.Color=" + colourText(colour));
    }
    void setLedColorOn(WidgetId led, TColor colour) override {
        colorsOn[led] = colour;
        log(led, ".ColorOn=" + colourText(colour));
    }
    void setLedColorOff(WidgetId led, TColor colour) override {
        colorsOff[led] = colour;
        log(led, ".ColorOff=" + colourText(colour));
    }
    void setChecked(WidgetId led, bool value) override {
        checked[led] = value;
        log(led, value ? ".Checked=true" : ".Checked=false");
    }
    void setVisible(WidgetId picture, bool value) override {
        visible[picture] = value;
        log(picture, value ? ".Visible=true" : ".Visible=false");
    }
    void setInterval(WidgetId timer, std::uint32_t milliseconds) override {
        const bool changes = intervals[timer] != milliseconds;
        intervals[timer] = milliseconds;
        log(timer, ".Interval=" + std::to_string(milliseconds));
        if (refuseTimers && changes)
            throw std::runtime_error("Nicht genügend Timer verfügbar");
    }
    int position(WidgetId slider) override {
        log(slider, ".Position?");
        return positions.at(slider);
    }

    // Hands back the calls logged so far and starts a fresh log.
    std::vector<std::string> take() { return std::exchange(calls, {}); }

private:
    void log(WidgetId id, const std::string& what) {
        calls.push_back(std::string(nameOf(id)) + what);
        if (onCall)
            onCall(calls.back());
    }
};

} // namespace aeris::test
