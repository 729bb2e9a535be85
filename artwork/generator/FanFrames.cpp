// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "FanFrames.h"

#include "LittleEndian.h"
#include "artwork/FanRotor.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace aeris::artgen {
namespace {

struct Vec {
    double x;
    double y;
};

// Enough steps that the polyline stays well within a tenth of a pixel of the true curve.
constexpr int kCurveSteps = 64;

// The blade outline in blade coordinates: hub, tip, then the bulge curve back to the hub.
std::vector<rotor::Point> bladeOutline() {
    using rotor::Point;
    const Point p0{rotor::kTipRadius, 0.0};
    const Point p1 = rotor::kBulgeControl1;
    const Point p2 = rotor::kBulgeControl2;
    const Point p3{0.0, 0.0};
    std::vector<Point> outline{{0.0, 0.0}};
    for (int i = 0; i <= kCurveSteps; ++i) {
        const double t = static_cast<double>(i) / kCurveSteps;
        const double s = 1.0 - t;
        const double a = s * s * s, b = 3 * s * s * t, c = 3 * s * t * t, d = t * t * t;
        outline.push_back(
            {a * p0.u + b * p1.u + c * p2.u + d * p3.u, a * p0.v + b * p1.v + c * p2.v + d * p3.v});
    }
    return outline;
}

double distanceToSegment(Vec p, Vec a, Vec b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = a.x + t * dx - p.x, ey = a.y + t * dy - p.y;
    return std::sqrt(ex * ex + ey * ey);
}

} // namespace

MonoFrame drawRightFanFrame(double clockwiseDegrees, int scale) {
    const std::vector<rotor::Point> outline = bladeOutline();

    // Every blade's outline in frame coordinates (y downwards). A blade whose straight edge points
    // at angle phi clockwise from straight up runs along (sin phi, -cos phi); its bulge side, a
    // quarter turn counter-clockwise from there, is (-cos phi, -sin phi).
    std::vector<std::vector<Vec>> blades;
    for (int blade = 0; blade < rotor::kBladeCount; ++blade) {
        const double phi = (clockwiseDegrees + blade * 360.0 / rotor::kBladeCount) * std::numbers::pi / 180.0;
        const Vec along{std::sin(phi), -std::cos(phi)};
        const Vec side{-std::cos(phi), -std::sin(phi)};
        std::vector<Vec> points;
        for (const rotor::Point& p : outline) {
            points.push_back({rotor::kCentreX + p.u * along.x + p.v * side.x,
                              rotor::kCentreY + p.u * along.y + p.v * side.y});
        }
        blades.push_back(std::move(points));
    }

    // The geometry stays in pixels of the 50 x 50 frame; a pixel of a larger rendering is tested
    // at its own middle, so the outline is drawn anew rather than widened from the small pixels.
    MonoFrame frame(scale);
    const double halfWidth = rotor::kLineWidth / 2.0;
    for (int y = 0; y < frame.size(); ++y) {
        for (int x = 0; x < frame.size(); ++x) {
            const Vec middle{(x + 0.5) / scale, (y + 0.5) / scale};
            bool onLine = false;
            for (const auto& points : blades) {
                for (std::size_t i = 0; i + 1 < points.size() && !onLine; ++i) {
                    onLine = distanceToSegment(middle, points[i], points[i + 1]) <= halfWidth;
                }
            }
            frame.setBlack(x, y, onLine);
        }
    }
    return frame;
}

MonoFrame mirrored(const MonoFrame& frame) {
    MonoFrame result = frame;
    for (int y = 0; y < frame.size(); ++y) {
        for (int x = 0; x < frame.size(); ++x) {
            result.setBlack(x, y, frame.isBlack(frame.size() - 1 - x, y));
        }
    }
    return result;
}

QByteArray bmpFile(const MonoFrame& frame) {
    const int size = frame.size();
    const int rowBytes = (size + 31) / 32 * 4; // whole 32-bit words: 8 bytes for 50 pixels
    constexpr int kPixelOffset = 14 + 40 + 2 * 4;
    const int imageSize = rowBytes * size;
    // 2953 pixels per metre (75 dpi) at 50 pixels a side, and as much denser as the frame is larger.
    const int pixelsPerMetre = 2953 * size / 50;

    LittleEndianWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(static_cast<std::uint32_t>(kPixelOffset + imageSize)); // 462 at 50 x 50
    out.u16(0);
    out.u16(0);
    out.u32(kPixelOffset);

    out.u32(40);
    out.i32(size);
    out.i32(size); // positive: bottom row first
    out.u16(1);    // planes
    out.u16(1);    // bits per pixel
    out.u32(0);    // no compression
    out.u32(static_cast<std::uint32_t>(imageSize));
    out.i32(pixelsPerMetre);
    out.i32(pixelsPerMetre);
    out.u32(2); // colours used
    out.u32(0); // colours important: all

    out.u32(0x00000000); // entry 0: black (blue, green, red, reserved)
    out.u32(0x00FFFFFF); // entry 1: white

    for (int y = size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(rowBytes));
        for (int x = 0; x < size; ++x) {
            if (!frame.isBlack(x, y)) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        for (std::uint8_t byte : row) {
            out.u8(byte);
        }
    }
    return out.bytes();
}

} // namespace aeris::artgen
