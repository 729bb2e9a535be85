// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace aeris::artgen {

// Draws the SVG onto white at the given size, with the font file registered first so that the
// captions come out in that face whatever fonts the build machine has.
QImage renderSvgOnWhite(const QString& svgPath, const QString& fontPath, QSize size, QString* error);

// A baseline JFIF file: JFIF 1.01 at the given density (96 x 96 dpi for the picture drawn one picture
// pixel per screen pixel), quality 75 (the example quantisation tables scaled by half), 4:2:0
// sampling, the example Huffman tables, no restart markers and no other application or comment
// segment.
QByteArray jfifFile(const QImage& image, int dotsPerInch = 96);

} // namespace aeris::artgen
