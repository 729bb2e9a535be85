// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include "simulation/Colour.h"

#include <QColor>

namespace aeris {

// Turns a stored colour into a drawable one. System colours (top byte 0x80) are resolved here
// and nowhere else, at the moment of drawing.
QColor resolveColour(TColor colour);

} // namespace aeris
