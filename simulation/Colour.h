// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace aeris {

// A colour as the layout stores it. With a top byte of 0 it is RGB laid out as 0x00BBGGRR;
// with a top byte of 0x80 it names a system colour by the index in its low byte, which is
// resolved only when drawing.
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clOrange = 0x009FFF; // red 255, green 159, blue 0

constexpr TColor kSystemColourFlag = 0x80000000;
constexpr TColor clWindowText = kSystemColourFlag | 8;
constexpr TColor clBtnFace = kSystemColourFlag | 15;
constexpr TColor clBtnShadow = kSystemColourFlag | 16;
constexpr TColor clBtnHighlight = kSystemColourFlag | 20;
constexpr TColor cl3DDkShadow = kSystemColourFlag | 21;
constexpr TColor clInfoBk = kSystemColourFlag | 24;

constexpr bool isSystemColour(TColor c) { return (c & 0xFF000000) == kSystemColourFlag; }
constexpr std::uint8_t redOf(TColor c) { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t greenOf(TColor c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
constexpr std::uint8_t blueOf(TColor c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }

} // namespace aeris
