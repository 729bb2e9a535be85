// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "ArtworkBytes.h"
#include "artwork/ArtworkFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

// On a screen that scales the window by 2 the pictures come from renderings made at that size from
// the same drawing and rotor geometry. These checks make sure the large renderings exist, are drawn
// anew (finer than an enlarged small picture) and still show the same things at twice the
// coordinates, and that a screen at scale 1 gets the small pictures exactly as before.

using aeris::loadPicture;
using aeris::picturePathForRatio;
using aeris::test::be16;
using aeris::test::byteAt;
using aeris::test::le16;
using aeris::test::le32;
using aeris::test::resourceBytes;

namespace {

QStringList scaledPicturePaths() {
    QStringList paths{aeris::kBackgroundPath};
    for (int k = 0; k < aeris::kFanFrameCount; ++k) {
        paths << aeris::fanFramePath(true, k) << aeris::fanFramePath(false, k);
    }
    return paths;
}

QString largePath(const QString& path) {
    return picturePathForRatio(path, 2.0);
}

int luminance(QRgb c) {
    return (qRed(c) + qGreen(c) + qBlue(c)) / 3;
}

// The marker of every segment up to the scan, with its payload.
struct Segment {
    int marker;
    QByteArray payload;
};

std::vector<Segment> jpegSegments(const QByteArray& file) {
    std::vector<Segment> segments;
    qsizetype at = 2;
    while (at + 4 <= file.size() && byteAt(file, at) == 0xFF) {
        const int marker = int(byteAt(file, at + 1));
        const int length = int(be16(file, at + 2));
        segments.push_back({marker, file.mid(at + 4, length - 2)});
        at += 2 + length;
        if (marker == 0xDA) {
            break;
        }
    }
    return segments;
}

// --- the cable line's edge ---------------------------------------------------------------------
//
// The slanting run of the humidity line goes from (619.5, 397.5) to (862.5, 608.5) in picture
// coordinates and is 5 pixels wide; below the CO2 slider nothing else lies near it. Row by row, its
// upper-left edge turns from white to the cable's grey. A picture drawn for the screen makes that
// turn within about one screen pixel across the edge; an enlarged small picture takes two.

constexpr double kSlantX0 = 619.5, kSlantY0 = 397.5, kSlantX1 = 862.5, kSlantY1 = 608.5;
constexpr double kCableHalfWidth = 2.5;

// Mean width, in pixels measured square to the edge, of the band in which the grey goes from 20 %
// to 80 % of the way from white to the cable's grey. `scale` is the image's pixels per picture pixel.
double cableEdgeWidth(const QImage& image, int scale, double topRow, double bottomRow) {
    const double dx = kSlantX1 - kSlantX0, dy = kSlantY1 - kSlantY0;
    const double sine = dy / std::hypot(dx, dy); // square to the edge, per step along a row
    const double halfRun = kCableHalfWidth / sine;
    double total = 0;
    int rows = 0;
    for (int y = int(topRow * scale); y < int(bottomRow * scale); ++y) {
        const double pictureY = (y + 0.5) / scale;
        const double centreX = kSlantX0 + (pictureY - kSlantY0) * dx / dy;
        const int from = int((centreX - halfRun - 4) * scale), to = int(centreX * scale);
        // Sub-pixel positions where the row crosses 20 % and 80 %, by linear interpolation.
        auto crossing = [&](double level) {
            for (int x = from; x < to; ++x) {
                const double a = luminance(image.pixel(x, y)), b = luminance(image.pixel(x + 1, y));
                if (a > level && b <= level) {
                    return x + (a - level) / (a - b);
                }
            }
            return double(to);
        };
        const double white = 255, grey = 128;
        total += (crossing(white - 0.8 * (white - grey)) - crossing(white - 0.2 * (white - grey))) * sine;
        ++rows;
    }
    return total / rows;
}

// Every pixel made 2 x 2, as a painter draws a small picture on a screen of ratio 2.
QImage enlargedTwice(const QImage& image, Qt::TransformationMode mode) {
    return image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, mode);
}

bool isBlack(const QImage& frame, int x, int y) {
    return qGray(frame.pixel(x, y)) < 128;
}

} // namespace

TEST(HighDpiRenderings, every_picture_but_the_icon_has_a_rendering_at_twice_the_size) {
    for (const QString& path : scaledPicturePaths()) {
        SCOPED_TRACE(path.toStdString());
        const QString large = largePath(path);
        EXPECT_NE(large, path);
        const QImage small(path), twice(large);
        ASSERT_FALSE(small.isNull());
        ASSERT_FALSE(twice.isNull());
        EXPECT_EQ(twice.size(), small.size() * 2);
    }
    // The icon is drawn cell by cell on a 32 x 32 grid; a larger copy would only enlarge the cells.
    EXPECT_EQ(largePath(aeris::kIconPath), QString(aeris::kIconPath));
}

TEST(HighDpiRenderings, picks_the_rendering_by_the_screens_pixel_ratio) {
    const QString background(aeris::kBackgroundPath);
    const QString large(":/artwork/background@2x.jpg");
    struct Case {
        QString path;
        qreal ratio;
        QString expected;
    };
    const Case cases[] = {
        {background, 0.5, background},
        {background, 1.0, background},
        {background, 1.25, large},
        {background, 2.0, large},
        {background, 3.0, large},
        {aeris::fanFramePath(false, 3), 2.0, ":/artwork/fan_left_3@2x.bmp"},
        {":/artwork/missing.jpg", 2.0, ":/artwork/missing.jpg"},
        {":/artwork/no_extension", 2.0, ":/artwork/no_extension"},
        {":/artwork.d/noext", 2.0, ":/artwork.d/noext"},
        {"", 2.0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString() + " at " + std::to_string(c.ratio));
        EXPECT_EQ(picturePathForRatio(c.path, c.ratio), c.expected);
    }
}

TEST(HighDpiRenderings, loaded_pictures_keep_their_layout_size_and_are_unchanged_at_ratio_1) {
    for (const QString& path : scaledPicturePaths()) {
        SCOPED_TRACE(path.toStdString());
        const QImage original(path);
        const QPixmap atOne = loadPicture(path, 1.0);
        EXPECT_EQ(atOne.devicePixelRatio(), 1.0);
        EXPECT_EQ(atOne.toImage(), original.convertToFormat(atOne.toImage().format()));
        for (const qreal ratio : {1.5, 2.0, 3.0}) {
            const QPixmap large = loadPicture(path, ratio);
            EXPECT_EQ(large.devicePixelRatio(), 2.0);
            EXPECT_EQ(large.size(), original.size() * 2);
            EXPECT_EQ(large.deviceIndependentSize(), QSizeF(original.size()));
        }
    }
}

TEST(HighDpiRenderings, large_background_has_the_jfif_layout_of_the_small_one_at_twice_the_size) {
    const QByteArray small = resourceBytes(aeris::kBackgroundPath);
    const QByteArray large = resourceBytes(largePath(aeris::kBackgroundPath));
    ASSERT_FALSE(small.isEmpty());
    ASSERT_FALSE(large.isEmpty());
    const std::vector<Segment> a = jpegSegments(small), b = jpegSegments(large);
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(a[i].marker, b[i].marker);
        if (a[i].marker == 0xDB || a[i].marker == 0xC4 || a[i].marker == 0xDA) {
            EXPECT_EQ(a[i].payload, b[i].payload) << "tables and scan header are the same";
        }
    }
    // JFIF 1.01, dots per inch: twice the density of the small picture.
    EXPECT_EQ(b.at(0).payload, QByteArray("JFIF", 5) + QByteArray::fromHex("0101"
                                                                           "01"
                                                                           "00c0"
                                                                           "00c0"
                                                                           "0000"));
    const QByteArray& sof = b.at(3).payload;
    EXPECT_EQ(be16(sof, 1), 1626u);
    EXPECT_EQ(be16(sof, 3), 2118u);
    EXPECT_EQ(sof.mid(5), a.at(3).payload.mid(5)) << "same components and 4:2:0 sampling";
    // A few hundred kilobytes: the executable carries it.
    EXPECT_LT(large.size(), 400 * 1024);
}

TEST(HighDpiRenderings, large_background_shows_the_same_drawing_at_twice_the_coordinates) {
    const QImage small = QImage(aeris::kBackgroundPath).convertToFormat(QImage::Format_RGB32);
    const QImage large = QImage(largePath(aeris::kBackgroundPath)).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(large.size(), small.size() * 2);
    // Each 2 x 2 block of the large picture, averaged, against the small picture's pixel. A shift
    // of even one picture pixel, or a missing item, shows as a much larger difference.
    double sum = 0;
    int worstBlocks = 0;
    for (int y = 0; y < small.height(); ++y) {
        for (int x = 0; x < small.width(); ++x) {
            int mean = 0;
            for (int j = 0; j < 2; ++j)
                for (int i = 0; i < 2; ++i)
                    mean += luminance(large.pixel(2 * x + i, 2 * y + j));
            const int difference = std::abs(mean / 4 - luminance(small.pixel(x, y)));
            sum += difference;
            worstBlocks += difference > 64 ? 1 : 0;
        }
    }
    const double meanDifference = sum / (small.width() * small.height());
    EXPECT_LT(meanDifference, 3.0);
    EXPECT_LT(worstBlocks, 50) << "a lamp-sized item missing or moved would give a hundred";

    const QImage shifted = small.copy(1, 0, small.width(), small.height());
    double shiftedSum = 0;
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x + 1 < small.width(); ++x)
            shiftedSum += std::abs(luminance(shifted.pixel(x, y)) - luminance(small.pixel(x, y)));
    EXPECT_GT(shiftedSum / (small.width() * small.height()), 2 * meanDifference)
        << "the measure tells a picture one pixel off from a faithful one";
}

TEST(HighDpiRenderings, large_background_has_sharper_cable_edges_than_an_enlarged_small_one) {
    const QImage small = QImage(aeris::kBackgroundPath).convertToFormat(QImage::Format_RGB32);
    const QImage large = QImage(largePath(aeris::kBackgroundPath)).convertToFormat(QImage::Format_RGB32);
    const double drawn = cableEdgeWidth(large, 2, 445, 560);
    const double blocky = cableEdgeWidth(enlargedTwice(small, Qt::FastTransformation), 2, 445, 560);
    const double smooth = cableEdgeWidth(enlargedTwice(small, Qt::SmoothTransformation), 2, 445, 560);
    // Measured when written: about 0.85 against 1.5 (enlarged pixel by pixel) and 2.0 (smoothly).
    EXPECT_LT(drawn, 1.2) << "about one screen pixel";
    EXPECT_LT(drawn, 0.7 * blocky) << drawn << " against " << blocky;
    EXPECT_LT(drawn, 0.7 * smooth) << drawn << " against " << smooth;
}

TEST(HighDpiRenderings, large_fan_frames_are_one_bit_bitmaps_of_the_same_rotor_drawn_anew) {
    std::vector<QByteArray> files;
    for (int k = 0; k < aeris::kFanFrameCount; ++k) {
        SCOPED_TRACE(k);
        const QByteArray rightBytes = resourceBytes(largePath(aeris::fanFramePath(true, k)));
        const QByteArray leftBytes = resourceBytes(largePath(aeris::fanFramePath(false, k)));
        for (const QByteArray& bmp : {rightBytes, leftBytes}) {
            ASSERT_EQ(bmp.size(), 62 + 16 * 100) << "rows of 100 bits padded to 16 bytes";
            EXPECT_EQ(bmp.left(2), QByteArray("BM"));
            EXPECT_EQ(le32(bmp, 2), 1662u);
            EXPECT_EQ(le32(bmp, 10), 62u);
            EXPECT_EQ(le32(bmp, 18), 100u);
            EXPECT_EQ(le32(bmp, 22), 100u) << "positive height: bottom row first";
            EXPECT_EQ(le16(bmp, 28), 1u) << "one bit per pixel";
            EXPECT_EQ(le32(bmp, 30), 0u);
            EXPECT_EQ(bmp.mid(54, 8), QByteArray::fromHex("00000000ffffff00")) << "black, white";
            files.push_back(bmp);
        }

        const QImage small(aeris::fanFramePath(true, k));
        const QImage right = QImage::fromData(rightBytes), left = QImage::fromData(leftBytes);
        ASSERT_EQ(right.size(), QSize(100, 100));
        ASSERT_EQ(left.size(), QSize(100, 100));
        int mirrorFaults = 0, disagreements = 0, mixedBlocks = 0, blackPixels = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x) {
                mirrorFaults += isBlack(left, x, y) != isBlack(right, 99 - x, y) ? 1 : 0;
                blackPixels += isBlack(right, x, y) ? 1 : 0;
            }
        EXPECT_EQ(mirrorFaults, 0) << "the left fan's frame is the right one's mirror image";
        for (int y = 0; y < 50; ++y) {
            for (int x = 0; x < 50; ++x) {
                int blacks = 0;
                for (int j = 0; j < 2; ++j)
                    for (int i = 0; i < 2; ++i)
                        blacks += isBlack(right, 2 * x + i, 2 * y + j) ? 1 : 0;
                mixedBlocks += blacks % 4 != 0 ? 1 : 0;
                // A tie of two against two may go either way.
                disagreements +=
                    (blacks > 2 && !isBlack(small, x, y)) || (blacks < 2 && isBlack(small, x, y));
            }
        }
        EXPECT_GT(blackPixels, 1000) << "a rotor is drawn";
        EXPECT_LE(disagreements, 25) << "the same rotor at the same turn";
        EXPECT_GT(mixedBlocks, 100) << "the outline is drawn at the finer grid, not enlarged";
    }
    std::sort(files.begin(), files.end());
    EXPECT_EQ(std::adjacent_find(files.begin(), files.end()), files.end()) << "no two frames alike";
}

TEST(HighDpiRenderings, the_generator_makes_the_embedded_large_renderings_byte_for_byte) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcess generator;
    generator.start(AERIS_ARTGEN_PATH,
                    {"--svg", AERIS_ARTWORK_SOURCE_DIR "/background.svg", "--font", AERIS_ARTWORK_FONT,
                     "--icon", AERIS_ARTWORK_SOURCE_DIR "/icon.txt", "--out", dir.path()});
    ASSERT_TRUE(generator.waitForFinished(120000));
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
    for (const QString& path : scaledPicturePaths()) {
        const QString name = QFileInfo(largePath(path)).fileName();
        SCOPED_TRACE(name.toStdString());
        QFile made(QDir(dir.path()).filePath(name));
        ASSERT_TRUE(made.open(QIODevice::ReadOnly));
        EXPECT_EQ(made.readAll(), resourceBytes(largePath(path)));
    }
}
