// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <cstddef>
#include <vector>

namespace aeris::artgen {

// A square black-and-white fan frame, row by row from the top: 50 x 50 pixels at scale 1, and
// 50 * scale pixels a side for the renderings made for high-density screens.
class MonoFrame {
public:
    explicit MonoFrame(int scale = 1)
        : m_size(50 * scale), m_black(static_cast<std::size_t>(m_size * m_size)) {}

    int size() const { return m_size; }
    bool isBlack(int x, int y) const { return m_black[index(x, y)]; }
    void setBlack(int x, int y, bool value) { m_black[index(x, y)] = value; }
    bool operator==(const MonoFrame&) const = default;

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y * m_size + x); }

    int m_size;
    std::vector<bool> m_black;
};

// The right fan's rotor turned clockwise (on screen) by the given angle from its frame-0 position,
// drawn from the rotor geometry at the given scale (2 gives a 100 x 100 frame of the same design).
MonoFrame drawRightFanFrame(double clockwiseDegrees, int scale = 1);

// Left to right mirror image: pixel (x, y) of the result is pixel (size - 1 - x, y) of the input.
MonoFrame mirrored(const MonoFrame& frame);

// The frame as a 1-bit BMP file: palette entry 0 black, entry 1 white, bottom row first. At scale 1
// that is 462 bytes at 75 dpi; a frame of twice the size is stored at twice the density.
QByteArray bmpFile(const MonoFrame& frame);

} // namespace aeris::artgen
