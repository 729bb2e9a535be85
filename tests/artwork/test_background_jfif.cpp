// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "ArtworkBytes.h"
#include "artwork/ArtworkFiles.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

using aeris::test::be16;
using aeris::test::byteAt;
using aeris::test::resourceBytes;

namespace {

// The example tables of the JPEG standard's informative annex, in natural (row by row) order.
constexpr int kLuminanceQuant[64] = {16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55, //
                                     14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62, //
                                     18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92, //
                                     49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
constexpr int kChrominanceQuant[64] = {17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99, //
                                       24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99, //
                                       99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, //
                                       99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};

// Position in natural order of the k-th coefficient in zig-zag order, the order DQT stores them in.
constexpr int kZigZag[64] = {0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,
                             12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28,
                             35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
                             58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

struct HuffmanTable {
    int tableClassAndId;     // class in the high nibble (0 DC, 1 AC), id in the low nibble
    std::vector<int> counts; // codes of each length 1..16
    std::vector<int> values;
};

std::vector<int> range(int first, int last) {
    std::vector<int> v(std::size_t(last - first + 1));
    std::iota(v.begin(), v.end(), first);
    return v;
}

const std::vector<HuffmanTable>& exampleHuffmanTables() {
    static const std::vector<HuffmanTable> tables = {
        {0x00, {0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0}, range(0, 11)},
        {0x10,
         {0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7d},
         {0x01, 0x02, 0x03, 0x00, 0x04, 0x11, 0x05, 0x12, 0x21, 0x31, 0x41, 0x06, 0x13, 0x51, 0x61,
          0x07, 0x22, 0x71, 0x14, 0x32, 0x81, 0x91, 0xa1, 0x08, 0x23, 0x42, 0xb1, 0xc1, 0x15, 0x52,
          0xd1, 0xf0, 0x24, 0x33, 0x62, 0x72, 0x82, 0x09, 0x0a, 0x16, 0x17, 0x18, 0x19, 0x1a, 0x25,
          0x26, 0x27, 0x28, 0x29, 0x2a, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3a, 0x43, 0x44, 0x45,
          0x46, 0x47, 0x48, 0x49, 0x4a, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5a, 0x63, 0x64,
          0x65, 0x66, 0x67, 0x68, 0x69, 0x6a, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7a, 0x83,
          0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8a, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99,
          0x9a, 0xa2, 0xa3, 0xa4, 0xa5, 0xa6, 0xa7, 0xa8, 0xa9, 0xaa, 0xb2, 0xb3, 0xb4, 0xb5, 0xb6,
          0xb7, 0xb8, 0xb9, 0xba, 0xc2, 0xc3, 0xc4, 0xc5, 0xc6, 0xc7, 0xc8, 0xc9, 0xca, 0xd2, 0xd3,
          0xd4, 0xd5, 0xd6, 0xd7, 0xd8, 0xd9, 0xda, 0xe1, 0xe2, 0xe3, 0xe4, 0xe5, 0xe6, 0xe7, 0xe8,
          0xe9, 0xea, 0xf1, 0xf2, 0xf3, 0xf4, 0xf5, 0xf6, 0xf7, 0xf8, 0xf9, 0xfa}},
        {0x01, {0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0}, range(0, 11)},
        {0x11,
         {0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77},
         {0x00, 0x01, 0x02, 0x03, 0x11, 0x04, 0x05, 0x21, 0x31, 0x06, 0x12, 0x41, 0x51, 0x07, 0x61,
          0x71, 0x13, 0x22, 0x32, 0x81, 0x08, 0x14, 0x42, 0x91, 0xa1, 0xb1, 0xc1, 0x09, 0x23, 0x33,
          0x52, 0xf0, 0x15, 0x62, 0x72, 0xd1, 0x0a, 0x16, 0x24, 0x34, 0xe1, 0x25, 0xf1, 0x17, 0x18,
          0x19, 0x1a, 0x26, 0x27, 0x28, 0x29, 0x2a, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3a, 0x43, 0x44,
          0x45, 0x46, 0x47, 0x48, 0x49, 0x4a, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5a, 0x63,
          0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6a, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7a,
          0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8a, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97,
          0x98, 0x99, 0x9a, 0xa2, 0xa3, 0xa4, 0xa5, 0xa6, 0xa7, 0xa8, 0xa9, 0xaa, 0xb2, 0xb3, 0xb4,
          0xb5, 0xb6, 0xb7, 0xb8, 0xb9, 0xba, 0xc2, 0xc3, 0xc4, 0xc5, 0xc6, 0xc7, 0xc8, 0xc9, 0xca,
          0xd2, 0xd3, 0xd4, 0xd5, 0xd6, 0xd7, 0xd8, 0xd9, 0xda, 0xe2, 0xe3, 0xe4, 0xe5, 0xe6, 0xe7,
          0xe8, 0xe9, 0xea, 0xf2, 0xf3, 0xf4, 0xf5, 0xf6, 0xf7, 0xf8, 0xf9, 0xfa}},
    };
    return tables;
}

// Quality 75 halves every entry: (entry * 50 + 50) / 100, at least 1.
std::vector<int> scaledForQuality75InZigZagOrder(const int (&table)[64]) {
    std::vector<int> out;
    for (int position : kZigZag) {
        out.push_back(std::max(1, (table[position] * 50 + 50) / 100));
    }
    return out;
}

struct Segment {
    int marker;
    QByteArray payload; // without the marker and length bytes
};

// The marker segments up to and including SOS, and what follows the scan header.
struct JpegLayout {
    std::vector<Segment> segments;
    QByteArray entropyCoded;
    bool endsWithEoi = false;
    QString error;
};

JpegLayout parse(const QByteArray& file) {
    JpegLayout layout;
    if (file.size() < 4 || byteAt(file, 0) != 0xFF || byteAt(file, 1) != 0xD8) {
        layout.error = "no SOI";
        return layout;
    }
    qsizetype at = 2;
    while (at + 4 <= file.size()) {
        if (byteAt(file, at) != 0xFF) {
            layout.error = QString("no marker at %1").arg(at);
            return layout;
        }
        const int marker = int(byteAt(file, at + 1));
        const int length = int(be16(file, at + 2));
        layout.segments.push_back({marker, file.mid(at + 4, length - 2)});
        at += 2 + length;
        if (marker == 0xDA) {
            break;
        }
    }
    layout.endsWithEoi = file.size() >= at + 2 && byteAt(file, file.size() - 2) == 0xFF &&
                         byteAt(file, file.size() - 1) == 0xD9;
    layout.entropyCoded = file.mid(at, file.size() - at - 2);
    return layout;
}

std::vector<int> bytesOf(const QByteArray& bytes, qsizetype from, qsizetype count) {
    std::vector<int> out;
    for (qsizetype i = 0; i < count && from + i < bytes.size(); ++i) {
        out.push_back(int(byteAt(bytes, from + i)));
    }
    return out;
}

class BackgroundFile : public ::testing::Test {
protected:
    void SetUp() override {
        bytes = resourceBytes(aeris::kBackgroundPath);
        ASSERT_FALSE(bytes.isEmpty());
        layout = parse(bytes);
        ASSERT_TRUE(layout.error.isEmpty()) << layout.error.toStdString();
    }
    QByteArray bytes;
    JpegLayout layout;
};

} // namespace

TEST_F(BackgroundFile, has_exactly_the_baseline_segments_in_order_and_nothing_else) {
    std::vector<int> markers;
    for (const Segment& s : layout.segments) {
        markers.push_back(s.marker);
    }
    // APP0, DQT, DQT, SOF0, DHT x 4, SOS: no DRI, no comment, no other application segment.
    EXPECT_EQ(markers, (std::vector<int>{0xE0, 0xDB, 0xDB, 0xC0, 0xC4, 0xC4, 0xC4, 0xC4, 0xDA}));
    EXPECT_TRUE(layout.endsWithEoi);
}

TEST_F(BackgroundFile, app0_says_jfif_1_01_at_96_dots_per_inch_without_thumbnail) {
    const QByteArray& app0 = layout.segments.at(0).payload;
    EXPECT_EQ(app0, QByteArray("JFIF", 5) + QByteArray::fromHex("0101"    // version 1.01
                                                                "01"      // dots per inch
                                                                "0060"    // 96
                                                                "0060"    // 96
                                                                "0000")); // no thumbnail
}

TEST_F(BackgroundFile, quantisation_tables_are_the_example_tables_at_quality_75) {
    const QByteArray& luminance = layout.segments.at(1).payload;
    const QByteArray& chrominance = layout.segments.at(2).payload;
    ASSERT_EQ(luminance.size(), 65);
    ASSERT_EQ(chrominance.size(), 65);
    EXPECT_EQ(byteAt(luminance, 0), 0x00u) << "8-bit entries, table 0";
    EXPECT_EQ(byteAt(chrominance, 0), 0x01u) << "8-bit entries, table 1";
    EXPECT_EQ(bytesOf(luminance, 1, 64), scaledForQuality75InZigZagOrder(kLuminanceQuant));
    EXPECT_EQ(bytesOf(chrominance, 1, 64), scaledForQuality75InZigZagOrder(kChrominanceQuant));
}

TEST_F(BackgroundFile, frame_header_is_813_lines_of_1059_samples_in_4_2_0) {
    const QByteArray& sof = layout.segments.at(3).payload;
    EXPECT_EQ(bytesOf(sof, 0, 100), (std::vector<int>{
                                        8,                      // bits per sample
                                        813 >> 8, 813 & 0xFF,   // lines
                                        1059 >> 8, 1059 & 0xFF, // samples per line
                                        3,                      // components
                                        1, 0x22, 0,             // Y: 2 x 2, table 0
                                        2, 0x11, 1,             // Cb: 1 x 1, table 1
                                        3, 0x11, 1,             // Cr: 1 x 1, table 1
                                    }));
}

TEST_F(BackgroundFile, huffman_tables_are_the_example_tables_one_per_segment) {
    const auto& expected = exampleHuffmanTables();
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        const QByteArray& dht = layout.segments.at(4 + i).payload;
        const std::size_t valueCount = expected[i].values.size();
        ASSERT_EQ(std::accumulate(expected[i].counts.begin(), expected[i].counts.end(), std::size_t{0}),
                  valueCount);
        ASSERT_EQ(std::size_t(dht.size()), 1 + 16 + valueCount);
        EXPECT_EQ(int(byteAt(dht, 0)), expected[i].tableClassAndId);
        EXPECT_EQ(bytesOf(dht, 1, 16), expected[i].counts);
        EXPECT_EQ(bytesOf(dht, 17, qsizetype(valueCount)), expected[i].values);
    }
}

TEST_F(BackgroundFile, one_interleaved_scan_uses_tables_0_for_luminance_and_1_for_colour) {
    const QByteArray& sos = layout.segments.at(8).payload;
    EXPECT_EQ(bytesOf(sos, 0, 100),
              (std::vector<int>{3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, // spectral selection
                                0}));                                // no successive approximation
}

TEST_F(BackgroundFile, entropy_coded_data_holds_no_marker_and_no_restart) {
    ASSERT_FALSE(layout.entropyCoded.isEmpty());
    int markers = 0;
    for (qsizetype i = 0; i + 1 < layout.entropyCoded.size(); ++i) {
        if (byteAt(layout.entropyCoded, i) == 0xFF && byteAt(layout.entropyCoded, i + 1) != 0x00) {
            ++markers;
        }
    }
    EXPECT_EQ(markers, 0);
    EXPECT_NE(byteAt(layout.entropyCoded, layout.entropyCoded.size() - 1), 0xFFu);
}

TEST_F(BackgroundFile, decodes_to_the_full_picture_size) {
    QImage image;
    ASSERT_TRUE(image.loadFromData(bytes, "JPEG"));
    EXPECT_EQ(image.size(), QSize(1059, 813));
}
