// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "ArtworkBytes.h"
#include "artwork/ArtworkFiles.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

using aeris::fanFramePath;
using aeris::test::le16;
using aeris::test::le32;
using aeris::test::resourceBytes;

namespace {

constexpr int kSize = 50;
// How far frame k of each fan is turned from frame 0, in its own direction of turning.
constexpr double kTurn[6] = {0, 16, 27, 44, 59, 77};

// true = black (rotor line), row by row from the top.
using Frame = std::array<bool, kSize * kSize>;

bool black(const Frame& frame, int x, int y) {
    return frame[static_cast<std::size_t>(y * kSize + x)];
}

// Reads the pixel bits by hand: rows bottom first, 8 bytes each, most significant bit first, bit 0 black.
Frame decodeBits(const QByteArray& bmp) {
    Frame frame{};
    for (int y = 0; y < kSize; ++y) {
        const qsizetype row = 62 + (kSize - 1 - y) * 8;
        for (int x = 0; x < kSize; ++x) {
            const bool bit = (static_cast<std::uint8_t>(bmp.at(row + x / 8)) >> (7 - x % 8)) & 1;
            frame[static_cast<std::size_t>(y * kSize + x)] = !bit;
        }
    }
    return frame;
}

Frame loadFrame(bool rightFan, int k) {
    const QByteArray bytes = resourceBytes(fanFramePath(rightFan, k));
    return bytes.size() == 462 ? decodeBits(bytes) : Frame{};
}

struct Point {
    double x;
    double y;
};

// Distance from each pixel to the nearest black pixel.
std::vector<double> distanceField(const Frame& frame) {
    std::vector<Point> blacks;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (black(frame, x, y)) {
                blacks.push_back({double(x), double(y)});
            }
        }
    }
    std::vector<double> field(kSize * kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            double nearest = std::numeric_limits<double>::max();
            for (const Point& b : blacks) {
                nearest = std::min(nearest, (b.x - x) * (b.x - x) + (b.y - y) * (b.y - y));
            }
            field[std::size_t(y * kSize + x)] = std::sqrt(nearest);
        }
    }
    return field;
}

double sample(const std::vector<double>& field, Point p) {
    // Outside the frame: the distance at the nearest border pixel plus the way out to it.
    const double cx = std::clamp(p.x, 0.0, kSize - 1.0), cy = std::clamp(p.y, 0.0, kSize - 1.0);
    const double outside = std::hypot(p.x - cx, p.y - cy);
    const int x0 = std::min(int(cx), kSize - 2), y0 = std::min(int(cy), kSize - 2);
    const double fx = cx - x0, fy = cy - y0;
    auto at = [&](int x, int y) { return field[std::size_t(y * kSize + x)]; };
    return outside + (1 - fy) * ((1 - fx) * at(x0, y0) + fx * at(x0 + 1, y0)) +
           fy * ((1 - fx) * at(x0, y0 + 1) + fx * at(x0 + 1, y0 + 1));
}

// Mean distance from the black pixels of `from`, turned about `centre` by `degrees` clockwise on
// screen, to the nearest black pixel of the frame whose distance field is given.
double mismatch(const Frame& from, const std::vector<double>& toField, Point centre, double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    double sum = 0;
    int count = 0;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (black(from, x, y)) {
                const double dx = x - centre.x, dy = y - centre.y;
                sum += sample(toField, {centre.x + dx * c - dy * s, centre.y + dx * s + dy * c});
                ++count;
            }
        }
    }
    return count ? sum / count : std::numeric_limits<double>::max();
}

// The turn in 0..90 degrees (a four-bladed rotor repeats after a quarter turn), clockwise on screen
// when `clockwise`, that best carries `from` onto `to`: whole degrees first, then tenths around the best.
double measuredTurn(const Frame& from, const Frame& to, Point centre, bool clockwise) {
    const std::vector<double> fromField = distanceField(from), toField = distanceField(to);
    auto score = [&](double turn) {
        const double signedTurn = clockwise ? turn : -turn;
        return mismatch(from, toField, centre, signedTurn) + mismatch(to, fromField, centre, -signedTurn);
    };
    auto bestOf = [&](double first, double last, double step) {
        double best = first, bestScore = std::numeric_limits<double>::max();
        for (double turn = first; turn <= last; turn += step) {
            if (const double s = score(turn); s < bestScore) {
                bestScore = s;
                best = turn;
            }
        }
        return best;
    };
    const double coarse = bestOf(-1, 90, 1);
    return std::fmod(bestOf(coarse - 1, coarse + 1, 0.1) + 90.0, 90.0);
}

// Difference of two turns of a four-bladed rotor, in -45..45 degrees.
double quarterTurnDifference(double a, double b) {
    const double d = std::fmod(a - b + 135.0, 90.0);
    return (d < 0 ? d + 90.0 : d) - 45.0;
}

struct Fan {
    const char* name;
    bool right;
    Point centre;
    bool clockwise;
};
constexpr Fan kFans[] = {{"right", true, {25, 25}, true}, {"left", false, {24, 25}, false}};

} // namespace

TEST(FanFrameFiles, every_header_field_is_that_of_a_50_by_50_one_bit_bmp) {
    for (bool right : {true, false}) {
        for (int k = 0; k < 6; ++k) {
            SCOPED_TRACE(fanFramePath(right, k).toStdString());
            const QByteArray b = resourceBytes(fanFramePath(right, k));
            ASSERT_EQ(b.size(), 462);
            EXPECT_EQ(b.left(2), "BM");
            EXPECT_EQ(le32(b, 2), 462u) << "file size";
            EXPECT_EQ(le16(b, 6), 0u);
            EXPECT_EQ(le16(b, 8), 0u);
            EXPECT_EQ(le32(b, 10), 62u) << "offset of the pixel bits";
            EXPECT_EQ(le32(b, 14), 40u) << "information header size";
            EXPECT_EQ(le32(b, 18), 50u) << "width";
            EXPECT_EQ(le32(b, 22), 50u) << "height, positive: bottom row first";
            EXPECT_EQ(le16(b, 26), 1u) << "planes";
            EXPECT_EQ(le16(b, 28), 1u) << "bits per pixel";
            EXPECT_EQ(le32(b, 30), 0u) << "compression";
            EXPECT_EQ(le32(b, 34), 400u) << "image size";
            EXPECT_EQ(le32(b, 38), 2953u);
            EXPECT_EQ(le32(b, 42), 2953u);
            EXPECT_EQ(le32(b, 46), 2u) << "colours used";
            EXPECT_EQ(le32(b, 50), 0u) << "colours important";
            EXPECT_EQ(b.mid(54, 8), QByteArray::fromHex("00000000ffffff00")) << "black, then white";
        }
    }
}

TEST(FanFrameFiles, a_bmp_decoder_sees_the_same_black_pixels_as_the_bits_say) {
    // Guards the row order, bit order and palette polarity together, against a real decoder.
    for (bool right : {true, false}) {
        for (int k = 0; k < 6; ++k) {
            SCOPED_TRACE(fanFramePath(right, k).toStdString());
            const QByteArray bytes = resourceBytes(fanFramePath(right, k));
            QImage image;
            ASSERT_TRUE(image.loadFromData(bytes, "BMP"));
            ASSERT_EQ(image.size(), QSize(kSize, kSize));
            const Frame frame = decodeBits(bytes);
            int mismatches = 0;
            for (int y = 0; y < kSize; ++y) {
                for (int x = 0; x < kSize; ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    const bool isBlack = pixel == qRgb(0, 0, 0);
                    EXPECT_TRUE(isBlack || pixel == qRgb(255, 255, 255));
                    mismatches += isBlack != black(frame, x, y);
                }
            }
            EXPECT_EQ(mismatches, 0);
        }
    }
}

TEST(FanFramePaths, name_the_fan_and_the_frame_and_nothing_outside_the_cycle) {
    EXPECT_EQ(fanFramePath(true, 0), ":/artwork/fan_right_0.bmp");
    EXPECT_EQ(fanFramePath(false, 5), ":/artwork/fan_left_5.bmp");
    EXPECT_TRUE(fanFramePath(true, 6).isEmpty());
    EXPECT_TRUE(fanFramePath(false, -1).isEmpty());
}

TEST(FanFrames, left_frame_is_the_right_frame_mirrored_left_to_right) {
    for (int k = 0; k < 6; ++k) {
        const Frame right = loadFrame(true, k), left = loadFrame(false, k);
        int differences = 0;
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                differences += black(left, x, y) != black(right, kSize - 1 - x, y);
            }
        }
        EXPECT_EQ(differences, 0) << "frame " << k;
    }
}

TEST(FanFrames, no_two_of_the_twelve_files_are_equal) {
    std::vector<QByteArray> files;
    for (bool right : {true, false}) {
        for (int k = 0; k < 6; ++k) {
            files.push_back(resourceBytes(fanFramePath(right, k)));
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        for (std::size_t j = i + 1; j < files.size(); ++j) {
            EXPECT_NE(files[i], files[j]) << i << " and " << j;
        }
    }
}

TEST(FanFrames, right_frame_zero_has_straight_edges_up_right_down_left_with_the_bulge_behind_each) {
    const Frame frame = loadFrame(true, 0);
    for (int i = 3; i <= 47; ++i) {
        EXPECT_TRUE(black(frame, 25, i)) << "vertical edge, row " << i;
        EXPECT_TRUE(black(frame, i, 25)) << "horizontal edge, column " << i;
    }
    // The fan turns clockwise and its straight edges lead, so each blade's bulge must lie on the
    // counter-clockwise side of its edge, with the clockwise side clear.
    const Point directions[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    for (const Point& along : directions) {
        const Point counterClockwise{along.y, -along.x};
        int behind = 0, ahead = 0;
        for (int r = 12; r <= 18; ++r) {
            for (int s = 3; s <= 12; ++s) {
                behind += black(frame, int(25 + r * along.x + s * counterClockwise.x),
                                int(25 + r * along.y + s * counterClockwise.y));
                ahead += black(frame, int(25 + r * along.x - s * counterClockwise.x),
                               int(25 + r * along.y - s * counterClockwise.y));
            }
        }
        EXPECT_GE(behind, 8) << "edge towards (" << along.x << ", " << along.y << ")";
        EXPECT_EQ(ahead, 0) << "edge towards (" << along.x << ", " << along.y << ")";
    }
}

TEST(FanFrames, each_frame_is_frame_zero_turned_by_its_angle_within_two_degrees) {
    for (const Fan& fan : kFans) {
        const Frame first = loadFrame(fan.right, 0);
        for (int k = 1; k < 6; ++k) {
            const double turn = measuredTurn(first, loadFrame(fan.right, k), fan.centre, fan.clockwise);
            EXPECT_LE(std::abs(quarterTurnDifference(turn, kTurn[k])), 2.0)
                << fan.name << " fan frame " << k << " measured " << turn;
        }
    }
}

TEST(FanFrames, stepping_through_the_cycle_and_back_to_frame_zero_always_turns_forwards) {
    for (const Fan& fan : kFans) {
        for (int k = 0; k < 6; ++k) {
            const int next = (k + 1) % 6;
            // 16, 11, 17, 15, 18, and 13 degrees from the last frame round to the first.
            const double expected = std::fmod(kTurn[next] - kTurn[k] + 90.0, 90.0);
            const double step =
                measuredTurn(loadFrame(fan.right, k), loadFrame(fan.right, next), fan.centre, fan.clockwise);
            EXPECT_NEAR(step, expected, 2.0) << fan.name << " fan, frame " << k << " to " << next;
        }
    }
}
