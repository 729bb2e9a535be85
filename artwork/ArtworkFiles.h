// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace aeris {

// The pictures built into the program, as Qt resource paths. Link aeris_artwork to have them.
inline constexpr char kBackgroundPath[] = ":/artwork/background.jpg";
inline constexpr char kIconPath[] = ":/artwork/aeris400.ico";

// Six frames per fan make one quarter turn of the rotor.
inline constexpr int kFanFrameCount = 6;

// The resource path of a fan frame: ":/artwork/fan_right_<k>.bmp" or ":/artwork/fan_left_<k>.bmp".
// Frame k of the right fan is turned clockwise from frame 0, that of the left fan counter-clockwise.
// An index outside 0..5 gives an empty string.
QString fanFramePath(bool rightFan, int frameIndex);

} // namespace aeris
