// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "ArtworkBytes.h"
#include "artwork/ArtworkFiles.h"

#include <QFile>
#include <QImage>
#include <QStringList>
#include <gtest/gtest.h>

#include <map>

using aeris::test::byteAt;
using aeris::test::le16;
using aeris::test::le32;
using aeris::test::resourceBytes;

namespace {

constexpr int kN = 32;

// The standard 16-colour palette in index order, as 0xRRGGBB.
constexpr QRgb kPalette[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                               0x008080, 0x808080, 0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00,
                               0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

// The icon's source grid as colours; -1 for transparent cells. Empty when the grid is unreadable.
std::vector<int> sourceGrid() {
    const std::map<QChar, int> letters = {{'k', 0},  {'m', 1},  {'g', 2},  {'o', 3},  {'n', 4},  {'p', 5},
                                          {'t', 6},  {'e', 7},  {'s', 8},  {'r', 9},  {'l', 10}, {'y', 11},
                                          {'b', 12}, {'f', 13}, {'a', 14}, {'w', 15}, {'.', -1}};
    QFile file(AERIS_ARTWORK_SOURCE_DIR "/icon.txt");
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    std::vector<int> cells;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (line.trimmed().isEmpty() || line.startsWith('#')) {
            continue;
        }
        for (QChar c : line.trimmed()) {
            cells.push_back(letters.count(c) ? letters.at(c) : -2);
        }
    }
    return cells;
}

class IconFile : public ::testing::Test {
protected:
    void SetUp() override {
        bytes = resourceBytes(aeris::kIconPath);
        ASSERT_EQ(bytes.size(), 6 + 16 + 744);
    }
    // The image data starts after the directory and its one entry.
    static constexpr qsizetype kImage = 22;
    QByteArray bytes;
};

} // namespace

TEST_F(IconFile, directory_holds_one_32_by_32_image_of_16_colours_and_744_bytes) {
    EXPECT_EQ(le16(bytes, 0), 0u) << "reserved";
    EXPECT_EQ(le16(bytes, 2), 1u) << "type: icon";
    EXPECT_EQ(le16(bytes, 4), 1u) << "image count";
    EXPECT_EQ(byteAt(bytes, 6), 32u) << "width";
    EXPECT_EQ(byteAt(bytes, 7), 32u) << "height";
    EXPECT_EQ(byteAt(bytes, 8), 16u) << "colour count";
    EXPECT_EQ(byteAt(bytes, 9), 0u) << "reserved";
    EXPECT_EQ(le16(bytes, 10), 1u) << "planes";
    EXPECT_EQ(le16(bytes, 12), 4u) << "bits per pixel";
    EXPECT_EQ(le32(bytes, 14), 744u) << "image bytes: 40 + 64 + 512 + 128";
    EXPECT_EQ(le32(bytes, 18), 22u) << "image offset";
}

TEST_F(IconFile, image_header_counts_colour_bits_and_mask_in_its_height_and_palette_is_standard) {
    EXPECT_EQ(le32(bytes, kImage + 0), 40u);
    EXPECT_EQ(le32(bytes, kImage + 4), 32u) << "width";
    EXPECT_EQ(le32(bytes, kImage + 8), 64u) << "height: colour bits and mask";
    EXPECT_EQ(le16(bytes, kImage + 12), 1u) << "planes";
    EXPECT_EQ(le16(bytes, kImage + 14), 4u) << "bits per pixel";
    EXPECT_EQ(le32(bytes, kImage + 16), 0u) << "compression";
    for (int i = 0; i < 16; ++i) {
        const qsizetype entry = kImage + 40 + 4 * i;
        EXPECT_EQ(
            qRgb(int(byteAt(bytes, entry + 2)), int(byteAt(bytes, entry + 1)), int(byteAt(bytes, entry))),
            qRgb(qRed(kPalette[i]), qGreen(kPalette[i]), qBlue(kPalette[i])))
            << "palette entry " << i;
        EXPECT_EQ(byteAt(bytes, entry + 3), 0u);
    }
}

TEST_F(IconFile, colour_bits_and_mask_carry_the_source_grid) {
    const std::vector<int> grid = sourceGrid();
    ASSERT_EQ(grid.size(), std::size_t(kN * kN)) << "icon.txt must hold 32 rows of 32 cells";
    const qsizetype xorBits = kImage + 40 + 64, andBits = xorBits + 512;
    int wrong = 0, transparent = 0;
    for (int y = 0; y < kN; ++y) {
        const int storedRow = kN - 1 - y; // bottom row first
        for (int x = 0; x < kN; ++x) {
            const int expected = grid[std::size_t(y * kN + x)];
            ASSERT_GE(expected, -1) << "unknown letter at row " << y << ", column " << x;
            const std::uint32_t pair = byteAt(bytes, xorBits + storedRow * 16 + x / 2);
            const int index = int(x % 2 == 0 ? pair >> 4 : pair & 0xF);
            const bool masked = (byteAt(bytes, andBits + storedRow * 4 + x / 8) >> (7 - x % 8)) & 1;
            transparent += masked;
            wrong += expected == -1 ? !(masked && index == 0) : (masked || index != expected);
        }
    }
    EXPECT_EQ(wrong, 0);
    // The design leaves about 459 of the 1024 cells transparent.
    EXPECT_NEAR(transparent, 459, 25);
}

TEST_F(IconFile, an_icon_decoder_shows_the_grid_colours_on_a_transparent_ground) {
    const std::vector<int> grid = sourceGrid();
    ASSERT_EQ(grid.size(), std::size_t(kN * kN));
    QImage image;
    ASSERT_TRUE(image.loadFromData(bytes, "ICO"));
    ASSERT_EQ(image.size(), QSize(kN, kN));
    int wrong = 0;
    for (int y = 0; y < kN; ++y) {
        for (int x = 0; x < kN; ++x) {
            const int expected = grid[std::size_t(y * kN + x)];
            const QRgb pixel = image.pixel(x, y);
            wrong += expected == -1 ? qAlpha(pixel) != 0 : pixel != (kPalette[expected] | 0xFF000000u);
        }
    }
    EXPECT_EQ(wrong, 0);
}
