// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

namespace aeris::artgen {

// The window icon as 32 x 32 cells, row by row from the top: a palette index 0..15 or kTransparent.
struct IconGrid {
    static constexpr int kSize = 32;
    static constexpr int kTransparent = -1;
    std::array<int, kSize * kSize> cells{};

    int at(int x, int y) const { return cells[static_cast<std::size_t>(y * kSize + x)]; }
};

// Reads the icon's text grid: lines starting with '#' and blank lines are skipped; the other lines
// must be 32 rows of 32 cell letters (see artwork/icon.txt for the letters). On a bad grid returns
// nothing and says why in *error.
std::optional<IconGrid> parseIconGrid(const QString& text, QString* error);

// A .ico file with one 32 x 32, 4-bit image in the standard 16-colour palette and its 1-bit mask.
QByteArray icoFile(const IconGrid& grid);

} // namespace aeris::artgen
