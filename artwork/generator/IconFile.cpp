// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "IconFile.h"

#include "LittleEndian.h"

#include <QStringList>
#include <cstring>

namespace aeris::artgen {
namespace {

// One letter per palette entry, in palette order: black, maroon, green, olive, navy, purple, teal,
// grey, silver, red, lime, yellow, blue, fuchsia, aqua, white.
constexpr char kCellLetters[] = "kmgonptesrlybfaw";
constexpr char kTransparentLetter = '.';

// The same 16 colours as 0xRRGGBB.
constexpr std::uint32_t kPalette[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                        0x008080, 0x808080, 0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00,
                                        0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

} // namespace

std::optional<IconGrid> parseIconGrid(const QString& text, QString* error) {
    IconGrid grid;
    int row = 0;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int lineNumber = 1; lineNumber <= lines.size(); ++lineNumber) {
        const QString line = lines[lineNumber - 1].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        if (row == IconGrid::kSize) {
            *error = QStringLiteral("line %1: more than %2 rows").arg(lineNumber).arg(IconGrid::kSize);
            return std::nullopt;
        }
        if (line.size() != IconGrid::kSize) {
            *error = QStringLiteral("line %1: %2 cells, expected %3")
                         .arg(lineNumber)
                         .arg(line.size())
                         .arg(IconGrid::kSize);
            return std::nullopt;
        }
        for (int x = 0; x < IconGrid::kSize; ++x) {
            const QChar cell = line[x];
            int index = IconGrid::kTransparent;
            if (cell != QLatin1Char(kTransparentLetter)) {
                const char* found = cell.unicode() < 128 && cell.unicode() != 0
                                        ? std::strchr(kCellLetters, static_cast<char>(cell.unicode()))
                                        : nullptr;
                if (found == nullptr) {
                    *error = QStringLiteral("line %1, column %2: unknown cell letter '%3'")
                                 .arg(lineNumber)
                                 .arg(x + 1)
                                 .arg(cell);
                    return std::nullopt;
                }
                index = static_cast<int>(found - kCellLetters);
            }
            grid.cells[static_cast<std::size_t>(row * IconGrid::kSize + x)] = index;
        }
        ++row;
    }
    if (row != IconGrid::kSize) {
        *error = QStringLiteral("%1 rows, expected %2").arg(row).arg(IconGrid::kSize);
        return std::nullopt;
    }
    return grid;
}

QByteArray icoFile(const IconGrid& grid) {
    constexpr int kN = IconGrid::kSize;
    constexpr int kXorRowBytes = kN / 2; // two 4-bit pixels per byte; 16 bytes is already word aligned
    constexpr int kAndRowBytes = kN / 8;
    constexpr int kXorSize = kXorRowBytes * kN;
    constexpr int kAndSize = kAndRowBytes * kN;
    constexpr int kImageBytes = 40 + 16 * 4 + kXorSize + kAndSize; // 744
    constexpr int kImageOffset = 6 + 16;

    LittleEndianWriter out;
    // Icon directory with its single entry.
    out.u16(0); // reserved
    out.u16(1); // icon
    out.u16(1); // one image
    out.u8(kN);
    out.u8(kN);
    out.u8(16); // colours
    out.u8(0);  // reserved
    out.u16(1); // planes
    out.u16(4); // bits per pixel
    out.u32(kImageBytes);
    out.u32(kImageOffset);

    // The image: a bitmap header whose height counts the colour bits and the mask together.
    out.u32(40);
    out.i32(kN);
    out.i32(2 * kN);
    out.u16(1);
    out.u16(4);
    out.u32(0); // no compression
    out.u32(kXorSize + kAndSize);
    out.i32(0);
    out.i32(0);
    out.u32(0); // all 16 colours
    out.u32(0);
    for (std::uint32_t rgb : kPalette) {
        out.u8(static_cast<std::uint8_t>(rgb & 0xFF));
        out.u8(static_cast<std::uint8_t>((rgb >> 8) & 0xFF));
        out.u8(static_cast<std::uint8_t>((rgb >> 16) & 0xFF));
        out.u8(0);
    }

    // Colour bits, bottom row first. Transparent cells carry black, so that the mask alone decides.
    for (int y = kN - 1; y >= 0; --y) {
        for (int x = 0; x < kN; x += 2) {
            const int left = grid.at(x, y) == IconGrid::kTransparent ? 0 : grid.at(x, y);
            const int right = grid.at(x + 1, y) == IconGrid::kTransparent ? 0 : grid.at(x + 1, y);
            out.u8(static_cast<std::uint8_t>((left << 4) | right));
        }
    }
    // Mask bits, bottom row first: 1 lets the ground show through.
    for (int y = kN - 1; y >= 0; --y) {
        for (int byte = 0; byte < kAndRowBytes; ++byte) {
            std::uint8_t bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                if (grid.at(byte * 8 + bit, y) == IconGrid::kTransparent) {
                    bits |= static_cast<std::uint8_t>(0x80 >> bit);
                }
            }
            out.u8(bits);
        }
    }
    return out.bytes();
}

} // namespace aeris::artgen
