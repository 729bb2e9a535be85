// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <array>

namespace aeris::artgen {

// A 50 x 50 black-and-white fan frame, row by row from the top.
struct MonoFrame {
    static constexpr int kSize = 50;
    std::array<bool, kSize * kSize> black{};

    bool isBlack(int x, int y) const { return black[static_cast<std::size_t>(y * kSize + x)]; }
    void setBlack(int x, int y, bool value) { black[static_cast<std::size_t>(y * kSize + x)] = value; }
    bool operator==(const MonoFrame&) const = default;
};

// The right fan's rotor turned clockwise (on screen) by the given angle from its frame-0 position.
MonoFrame drawRightFanFrame(double clockwiseDegrees);

// Left to right mirror image: pixel (x, y) of the result is pixel (49 - x, y) of the input.
MonoFrame mirrored(const MonoFrame& frame);

// The frame as a 462-byte, 1-bit BMP file: palette entry 0 black, entry 1 white, bottom row first.
QByteArray bmpFile(const MonoFrame& frame);

} // namespace aeris::artgen
