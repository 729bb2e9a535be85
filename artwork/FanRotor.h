// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

// The fan rotor that the twelve fan frames are drawn from. Edit the numbers here and rebuild:
// the generator redraws every frame.
//
// All lengths are in pixels of the 50 x 50 frame. A blade is described in its own coordinates:
// u runs from the hub out along the blade's straight edge, v runs sideways to the counter-clockwise
// side, where the blade bulges. The blade outline is the straight edge from the hub (0, 0) to the
// tip (kTipRadius, 0), then one cubic curve from the tip through the two control points back to the
// hub: blunt and wide near the tip, thin at the hub, so the blade looks like half a drop.

namespace aeris::rotor {

struct Point {
    double u;
    double v;
};

// The right fan turns about the middle of pixel (25, 25); the left fan is its mirror image.
inline constexpr double kCentreX = 25.5;
inline constexpr double kCentreY = 25.5;

// The line's outer edge at the tip lies kTipRadius + kLineWidth / 2, about 24.7 pixels, from the centre,
// just inside the frame.
inline constexpr double kTipRadius = 22.5;
inline constexpr Point kBulgeControl1{22.5, 11.0};
inline constexpr Point kBulgeControl2{9.0, 12.5};

// Width of the black outline; a pixel is black when its middle lies within half of it.
inline constexpr double kLineWidth = 4.5;

inline constexpr int kBladeCount = 4;

// Frame k of the right fan is frame 0 turned clockwise by this many degrees. In frame 0 the straight
// edges point up, right, down and left. Six frames make a quarter turn, which brings a four-bladed
// rotor back to its starting look, so the step from the last frame to the first (13 degrees) fits in.
inline constexpr double kFrameAngles[6] = {0.0, 16.0, 27.0, 44.0, 59.0, 77.0};

// The frames are square.
inline constexpr int kFrameSize = 50;

} // namespace aeris::rotor
