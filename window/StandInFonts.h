// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include "simulation/Colour.h"

#include <QFont>
#include <span>

namespace aeris {

// A font as the layout stores it: the family it was designed with and a height in pixels,
// negative for the character height without internal leading.
struct FontSpec {
    const char* family;
    int height;
    bool bold;
    TColor color;
};

// Registers the fonts built into the program. Call once after the application object exists.
void registerStandInFonts();

// The built-in font that stands in for the layout's family, at the same pixel height.
QFont standInFont(const FontSpec& stored);

// Sets up the glyph engines of these fonts on the calling thread now, so that the first text
// measured or drawn in them does not wait for that.
void loadStandInFonts(std::span<const FontSpec> fonts);

} // namespace aeris
