// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "artwork/ArtworkFiles.h"
#include "window/Form1.h"
#include "window/kinds/LedIndicator.h"
#include "window/kinds/PictureBox.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

// The window on a screen that scales everything by 2. The scale is set before the shared test main
// makes the application, as it would come from the desktop.

using namespace aeris;
using enum WidgetId;

namespace {

const bool kScaledScreen = qputenv("QT_SCALE_FACTOR", "2");

constexpr int kScale = 2;
// A widget at client (left, top) lies over picture pixel (left, top + 16).
constexpr int kClientToPicture = 16;
constexpr QSize kClientSize{1065, 777};

// No photographed item has this colour, so a lamp lit in it is easy to find on the screen.
constexpr TColor kMagenta = 0x00FF00FF;

bool isMagenta(QRgb c) {
    return qRed(c) > 200 && qBlue(c) > 200 && qGreen(c) < 60;
}
int luminance(QRgb c) {
    return (qRed(c) + qGreen(c) + qBlue(c)) / 3;
}

class HighDpiForm : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(kScaledScreen);
        ASSERT_EQ(form.devicePixelRatio(), 2.0) << "the screen does not scale: QT_SCALE_FACTOR unread";
        form.clientArea()->resize(kClientSize);
    }

    // What the client area shows, at the screen's pixels.
    QImage screen() const {
        const QPixmap grabbed = form.clientArea()->grab(QRect(QPoint(0, 0), kClientSize));
        EXPECT_EQ(grabbed.size(), kClientSize * kScale);
        return grabbed.toImage().convertToFormat(QImage::Format_RGB32);
    }

    TForm1 form{QStringLiteral("aeris400")};
};

// Mean width, square to the edge, of the turn from white to the cable's grey across the upper-left
// edge of the humidity line's slanting run, on an image of the client area at `scale` pixels per
// layout unit. See the artwork tests for the same measure on the pictures themselves.
double cableEdgeWidth(const QImage& image, int scale) {
    constexpr double x0 = 619.5, y0 = 397.5 - kClientToPicture, x1 = 862.5, y1 = 608.5 - kClientToPicture;
    const double dx = x1 - x0, dy = y1 - y0, sine = dy / std::hypot(dx, dy);
    double total = 0;
    int rows = 0;
    // Client rows 430 to 540: below the CO2 slider and its readings, above the humidity readings.
    for (int y = 430 * scale; y < 540 * scale; ++y) {
        const double centreX = x0 + ((y + 0.5) / scale - y0) * dx / dy;
        const int from = int((centreX - 2.5 / sine - 4) * scale), to = int(centreX * scale);
        auto crossing = [&](double level) {
            for (int x = from; x < to; ++x) {
                const double a = luminance(image.pixel(x, y)), b = luminance(image.pixel(x + 1, y));
                if (a > level && b <= level)
                    return x + (a - level) / (a - b);
            }
            return double(to);
        };
        total += (crossing(255 - 0.8 * 127) - crossing(255 - 0.2 * 127)) * sine;
        ++rows;
    }
    return total / rows;
}

} // namespace

TEST_F(HighDpiForm, PicturesComeFromTheRenderingsMadeForTheScaleAtTheirLayoutSize) {
    const PictureBox* background = form.picture(Image1);
    EXPECT_EQ(background->picture().devicePixelRatio(), 2.0);
    EXPECT_EQ(background->picture().size(), QSize(2118, 1626));
    EXPECT_EQ(background->picture().deviceIndependentSize(), QSizeF(1059, 813));
    for (const WidgetId id : {Image3, Image4, Image5, Image6, Image7, Image8, Image9, Image10, Image11,
                              Image12, Image13, Image14}) {
        SCOPED_TRACE(nameOf(id));
        EXPECT_EQ(form.picture(id)->picture().devicePixelRatio(), 2.0);
        EXPECT_EQ(form.picture(id)->picture().size(), QSize(100, 100));
        EXPECT_EQ(form.picture(id)->picture().deviceIndependentSize(), QSizeF(50, 50));
    }
}

TEST_F(HighDpiForm, LampsFallOnTheirPicturedItemsAtTwiceTheCoordinates) {
    struct Lamp {
        WidgetId id;
        int itemX, itemY; // centre of the photographed item, in picture pixels
        int diameter;     // of the lamp, in layout units
    };
    const Lamp lamps[] = {
        {AbLED1, 536, 89, 17},  {AbLED7, 571, 90, 17},  {AbLED9, 553, 180, 17},
        {AbLED8, 595, 181, 17}, {AbLED2, 894, 166, 13}, {AbLED3, 916, 167, 13},
        {AbLED4, 936, 167, 13}, {AbLED5, 965, 168, 25}, {AbLED6, 945, 408, 13},
    };
    for (const Lamp& lamp : lamps) {
        form.led(lamp.id)->setColorOn(kMagenta);
        form.led(lamp.id)->setChecked(true);
    }
    const QImage shown = screen();
    for (const Lamp& lamp : lamps) {
        SCOPED_TRACE(nameOf(lamp.id));
        // Where the item's middle pixel lands on the screen: a 2 x 2 block whose middle is this.
        const double itemX = kScale * lamp.itemX + 0.5;
        const double itemY = kScale * (lamp.itemY - kClientToPicture) + 0.5;
        // Far enough to see the whole lamp even a few units off, not so far as to reach a neighbour.
        const int reach = kScale * (lamp.diameter / 2 + 4);
        int left = shown.width(), right = -1, top = shown.height(), bottom = -1, count = 0;
        for (int y = int(itemY) - reach; y <= int(itemY) + reach; ++y) {
            for (int x = int(itemX) - reach; x <= int(itemX) + reach; ++x) {
                if (!isMagenta(shown.pixel(x, y)))
                    continue;
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
                ++count;
            }
        }
        ASSERT_GT(count, 0) << "no lamp near the item";
        // Within three layout units of the item, as at scale 1, and drawn twice as large.
        EXPECT_LE(std::abs((left + right) / 2.0 - itemX), 3.0 * kScale);
        EXPECT_LE(std::abs((top + bottom) / 2.0 - itemY), 3.0 * kScale);
        EXPECT_NEAR(right - left + 1, kScale * lamp.diameter, 4);
        EXPECT_NEAR(bottom - top + 1, kScale * lamp.diameter, 4);
        // The lamp's middle shows the lamp, not the photograph.
        EXPECT_TRUE(isMagenta(shown.pixel(int(itemX), int(itemY))));
    }
}

TEST_F(HighDpiForm, BackgroundAndFansShowTheirLargeRenderingsPixelForPixel) {
    const QImage shown = screen();
    const QImage background =
        QImage(picturePathForRatio(kBackgroundPath, 2)).convertToFormat(QImage::Format_RGB32);
    // Open white ground and the humidity line between the two sliders, where no widget lies.
    const QRect open(kScale * 640, kScale * 430, kScale * 200, kScale * 110);
    int differences = 0;
    for (int y = open.top(); y <= open.bottom(); ++y)
        for (int x = open.left(); x <= open.right(); ++x)
            differences += shown.pixel(x, y) != background.pixel(x, y + kScale * kClientToPicture) ? 1 : 0;
    EXPECT_EQ(differences, 0);

    // As the layout leaves them: the right fan shows frame 5, the left fan frame 0 on top.
    struct Fan {
        QPoint topLeft;
        bool right;
        int frame;
    };
    for (const Fan& fan : {Fan{{264, 240}, true, 5}, Fan{{136, 256}, false, 0}}) {
        SCOPED_TRACE(fan.right ? "right fan" : "left fan");
        const QImage frame = QImage(picturePathForRatio(fanFramePath(fan.right, fan.frame), 2));
        ASSERT_EQ(frame.size(), QSize(100, 100));
        int wrong = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                wrong += (qGray(frame.pixel(x, y)) < 128) !=
                                 (qGray(shown.pixel(kScale * fan.topLeft.x() + x,
                                                    kScale * fan.topLeft.y() + y)) < 128)
                             ? 1
                             : 0;
        EXPECT_EQ(wrong, 0);
    }
}

TEST_F(HighDpiForm, CableEdgeIsSharperThanTheSmallPictureBlownUp) {
    const double shown = cableEdgeWidth(screen(), kScale);

    // What the window showed before it had large renderings: the small picture, drawn at the
    // screen's ratio with the painter's default (pixel doubling).
    QImage blownUp(kClientSize * kScale, QImage::Format_RGB32);
    blownUp.setDevicePixelRatio(kScale);
    blownUp.fill(Qt::white);
    {
        QPainter painter(&blownUp);
        painter.drawPixmap(QPointF(0, -kClientToPicture), QPixmap(kBackgroundPath));
    }
    const double before = cableEdgeWidth(blownUp, kScale);
    EXPECT_LT(shown, 1.2) << "about one screen pixel";
    EXPECT_LT(shown, 0.7 * before) << shown << " against " << before;
}
