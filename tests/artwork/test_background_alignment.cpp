// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "artwork/ArtworkFiles.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// The widgets are placed blind over the background: a lamp must land on its LED, the white labels on
// white ground, the fans on the front panel. These checks read the built JPEG the way the window shows
// it, so a drawing change that moves an item out from under its widget fails here. Tolerances allow for
// JPEG error (4:2:0 chroma, quality 75).

namespace {

// Picture coordinates: a widget at client (left, top) lies over picture pixel (left, top + 16).
constexpr int kClientToPicture = 16;

QRect pictureRect(int left, int top, int width, int height) {
    return {left, top + kClientToPicture, width, height};
}

int luminance(QRgb c) {
    return (qRed(c) + qGreen(c) + qBlue(c)) / 3;
}
int spread(QRgb c) {
    return std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)});
}

bool isLitLed(QRgb c) {
    return qGreen(c) > 185 && qGreen(c) - qBlue(c) > 90;
}
bool isDarkWindow(QRgb c) {
    return luminance(c) < 150;
}
bool isBlack(QRgb c) {
    return luminance(c) < 80;
}
bool isGreyDot(QRgb c) {
    return luminance(c) < 185;
}
bool isCableGrey(QRgb c) {
    return std::abs(luminance(c) - 128) <= 24 && spread(c) <= 24;
}
bool isWhite(QRgb c) {
    return std::min({qRed(c), qGreen(c), qBlue(c)}) >= 232;
}
// The probe's faint pink ground, which the right ends of two labels reach over.
bool isWhiteOrFaintPink(QRgb c) {
    return qRed(c) >= 232 && qGreen(c) >= 210 && qBlue(c) >= 210;
}
bool isPanelGrey(QRgb c) {
    return luminance(c) >= 150 && luminance(c) <= 185 && spread(c) <= 14;
}

class Background : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        picture = new QImage(
            QImage(QString::fromLatin1(aeris::kBackgroundPath)).convertToFormat(QImage::Format_RGB32));
    }
    static void TearDownTestSuite() {
        delete picture;
        picture = nullptr;
    }
    void SetUp() override {
        ASSERT_FALSE(picture->isNull()) << "background resource missing or undecodable";
        ASSERT_EQ(picture->size(), QSize(1059, 813));
    }
    static QRgb at(double x, double y) { return picture->pixel(int(std::lround(x)), int(std::lround(y))); }

    static QImage* picture;
};
QImage* Background::picture = nullptr;

struct Point {
    double x, y;
};

std::string describe(QRgb c) {
    return "rgb(" + std::to_string(qRed(c)) + "," + std::to_string(qGreen(c)) + "," +
           std::to_string(qBlue(c)) + ")";
}

// --- lamps over the pictured items -----------------------------------------------------------------

struct LampCase {
    const char* name;
    Point lampCentre; // centre pixel of the lamp the window draws
    double lampDiameter;
    std::function<bool(QRgb)> isItem;
};

// Lamps are drawn flush with the control's left edge and centred vertically in it.
const LampCase kLamps[] = {
    {"AbLED1 over the upper-left board LED", {536, 90}, 17, isLitLed},
    {"AbLED7 over the upper-right board LED", {571, 89}, 17, isLitLed},
    {"AbLED9 over the middle-left board LED", {553, 182}, 17, isLitLed},
    {"AbLED8 over the middle-right board LED", {596, 181}, 17, isLitLed},
    {"AbLED2 over the left switch window", {893, 165}, 13, isDarkWindow},
    {"AbLED3 over the middle switch window", {915, 165}, 13, isDarkWindow},
    {"AbLED4 over the right switch window", {938, 165}, 13, isDarkWindow},
    {"AbLED5 over the switch's push button", {965, 168}, 25, isBlack},
    {"AbLED6 over the sensor's LED dot", {946, 406}, 13, isGreyDot},
};

TEST_F(Background, EachLampCoversThePicturedItemBeneathIt) {
    for (const LampCase& lamp : kLamps) {
        SCOPED_TRACE(lamp.name);
        const double radius = lamp.lampDiameter / 2;
        // Search well beyond the lamp, so that an item drawn too big or off centre is seen whole.
        const int reach = int(radius) + 7;
        double sumX = 0, sumY = 0, farthest = 0;
        int count = 0;
        for (int y = int(lamp.lampCentre.y) - reach; y <= int(lamp.lampCentre.y) + reach; ++y) {
            for (int x = int(lamp.lampCentre.x) - reach; x <= int(lamp.lampCentre.x) + reach; ++x) {
                if (!lamp.isItem(picture->pixel(x, y)))
                    continue;
                sumX += x;
                sumY += y;
                ++count;
                farthest = std::max(farthest, std::hypot(x - lamp.lampCentre.x, y - lamp.lampCentre.y));
            }
        }
        ASSERT_GT(count, 3) << "no pictured item under the lamp";
        EXPECT_LE(std::hypot(sumX / count - lamp.lampCentre.x, sumY / count - lamp.lampCentre.y), 3.0);
        // Half a pixel for the lamp's own anti-aliased rim.
        EXPECT_LE(farthest, radius + 0.5) << "the item shows beside the lamp";
    }
}

TEST_F(Background, BoardLedWithoutLampIsLit) {
    int lit = 0;
    for (int y = 143; y <= 149; ++y)
        for (int x = 663; x <= 669; ++x)
            lit += isLitLed(picture->pixel(x, y)) ? 1 : 0;
    EXPECT_GE(lit, 15);
}

TEST_F(Background, SwitchButtonIsBlackUnderTheButtonLamp) {
    const Point centre{965, 168};
    for (int y = -8; y <= 8; ++y)
        for (int x = -8; x <= 8; ++x)
            if (x * x + y * y <= 64) {
                EXPECT_LT(luminance(at(centre.x + x, centre.y + y)), 70) << "at " << x << "," << y;
            }
}

// --- cable lines ---------------------------------------------------------------------------------

const QRect kLabel3 = pictureRect(752, 344, 67, 30);

struct Cable {
    const char* name;
    std::vector<Point> vertices;
};

const Cable kCables[] = {
    {"wall switch line", {{536, 118}, {478, 118}, {478, 29}, {758, 29}, {797, 108}, {822, 108}}},
    {"CO2 line", {{575, 119}, {737, 119}, {737, 357}, {838, 402}}},
    {"humidity line", {{599, 158}, {619, 158}, {619, 397}, {862, 608}}},
};

TEST_F(Background, CableLinesAreGreyAlongTheirCentreLines) {
    for (const Cable& cable : kCables) {
        for (size_t i = 1; i < cable.vertices.size(); ++i) {
            const Point a = cable.vertices[i - 1], b = cable.vertices[i];
            const double length = std::hypot(b.x - a.x, b.y - a.y);
            const double nx = -(b.y - a.y) / length, ny = (b.x - a.x) / length;
            // Corners and ends are left out: joins and JPEG blocks blur them.
            for (double s = 5; s <= length - 5; s += 3) {
                const Point p{a.x + (b.x - a.x) * s / length, a.y + (b.y - a.y) * s / length};
                if (kLabel3.adjusted(-3, -3, 3, 3).contains(int(std::lround(p.x)), int(std::lround(p.y))))
                    continue;
                for (double offset : {-1.0, 0.0, 1.0}) {
                    const QRgb c = at(p.x + nx * offset, p.y + ny * offset);
                    EXPECT_TRUE(isCableGrey(c)) << cable.name << " segment " << i << " at " << p.x << ","
                                                << p.y << " offset " << offset << ": " << describe(c);
                }
            }
        }
    }
}

TEST_F(Background, CableLinesAreFivePixelsWide) {
    // Straight runs on white ground: two pixels either side of the centre are line, three and four are
    // ground.
    struct Probe {
        Point centre;
        bool vertical;
    };
    const Probe probes[] = {{{478, 70}, true},  {{600, 29}, false},  {{737, 250}, true},
                            {{619, 320}, true}, {{810, 108}, false}, {{700, 119}, false}};
    for (const Probe& probe : probes) {
        SCOPED_TRACE(std::to_string(int(probe.centre.x)) + "," + std::to_string(int(probe.centre.y)));
        for (int offset = -4; offset <= 4; ++offset) {
            const QRgb c = probe.vertical ? at(probe.centre.x + offset, probe.centre.y)
                                          : at(probe.centre.x, probe.centre.y + offset);
            if (std::abs(offset) <= 2) {
                EXPECT_TRUE(isCableGrey(c)) << "offset " << offset << ": " << describe(c);
            } else if (std::abs(offset) == 3) {
                EXPECT_GE(luminance(c), 200) << "offset " << offset << ": " << describe(c);
            } else {
                EXPECT_TRUE(isWhite(c)) << "offset " << offset << ": " << describe(c);
            }
        }
    }
}

TEST_F(Background, Label3HidesTheCo2LineWhichShowsOnBothSides) {
    // The slanting run from (737, 357) to (838, 402) enters Label3's white box through its left edge and
    // leaves it through the bottom edge.
    const Point a{737, 357}, b{838, 402};
    auto onLine = [&](double x) { return Point{x, a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x)}; };
    int hidden = 0, before = 0, after = 0;
    for (double x = a.x + 4; x <= b.x - 4; x += 1) {
        const Point p = onLine(x);
        const bool grey = isCableGrey(at(p.x, p.y));
        const QPoint pixel(int(std::lround(p.x)), int(std::lround(p.y)));
        if (kLabel3.contains(pixel))
            hidden += grey ? 1 : 0;
        else if (pixel.x() < kLabel3.left() - 1)
            before += grey ? 1 : 0;
        else if (pixel.y() > kLabel3.bottom() + 2)
            after += grey ? 1 : 0;
    }
    EXPECT_GE(hidden, 40) << "the line should run under the label";
    EXPECT_GE(before, 8) << "the line should show left of the label";
    EXPECT_GE(after, 15) << "the line should show below and right of the label";
}

// --- white ground under the white labels ------------------------------------------------------------

TEST_F(Background, WhiteLabelsLieOnWhiteGround) {
    struct LabelCase {
        const char* name;
        QRect rect;
        bool reachesPinkGround;
    };
    const LabelCase labels[] = {
        {"Label2", pictureRect(752, 304, 55, 38), false},  {"Label3", kLabel3, false},
        {"Label4", pictureRect(752, 376, 55, 40), false},  {"Label6", pictureRect(744, 584, 84, 27), true},
        {"Label7", pictureRect(744, 616, 111, 27), true},  {"Label8", pictureRect(582, 703, 73, 13), false},
        {"Label9", pictureRect(612, 718, 44, 13), false},  {"Label10", pictureRect(664, 360, 21, 13), false},
        {"Label11", pictureRect(640, 376, 44, 13), false},
    };
    // The CO2 line under Label3 is meant to be hidden there; pixels near its centre line are left out.
    const Point a{737.5, 357.5}, b{838.5, 402.5};
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    auto nearCo2Line = [&](int x, int y) {
        return std::abs((b.x - a.x) * (a.y - (y + 0.5)) - (a.x - (x + 0.5)) * (b.y - a.y)) / length < 6.5;
    };
    for (const LabelCase& label : labels) {
        int bad = 0;
        QString first;
        for (int y = label.rect.top(); y <= label.rect.bottom(); ++y) {
            for (int x = label.rect.left(); x <= label.rect.right(); ++x) {
                if (label.rect == kLabel3 && nearCo2Line(x, y))
                    continue;
                const QRgb c = picture->pixel(x, y);
                const bool ok = label.reachesPinkGround ? isWhiteOrFaintPink(c) : isWhite(c);
                if (!ok && bad++ == 0)
                    first = QStringLiteral("%1,%2 %3").arg(x).arg(y).arg(QColor(c).name());
            }
        }
        EXPECT_EQ(bad, 0) << label.name << ": first off-white pixel " << first.toStdString();
    }
}

// --- front panel under the fans and the speed caption ------------------------------------------------

TEST_F(Background, FrontPanelLiesUnderBothFansAndTheSpeedCaption) {
    struct Area {
        const char* name;
        QRect rect;
    };
    // The right fan's top edge runs along the panel's top edge, so its area is not grown upwards.
    const Area areas[] = {
        {"right fan", pictureRect(264, 240, 50, 50).adjusted(-2, 0, 2, 2)},
        {"left fan", pictureRect(136, 256, 50, 50).adjusted(-2, -2, 2, 2)},
        {"Label12", pictureRect(176, 344, 95, 38).adjusted(-3, -3, 3, 3)},
    };
    const Point screws[] = {{130, 275}, {130, 380}, {130, 476}, {321, 257}};
    for (const Area& area : areas) {
        int bad = 0;
        QString first;
        for (int y = area.rect.top(); y <= area.rect.bottom(); ++y) {
            for (int x = area.rect.left(); x <= area.rect.right(); ++x) {
                bool nearScrew = false;
                for (const Point& s : screws)
                    nearScrew = nearScrew || std::hypot(x - s.x, y - s.y) < 7;
                if (nearScrew)
                    continue;
                const QRgb c = picture->pixel(x, y);
                if (!isPanelGrey(c) && bad++ == 0)
                    first = QStringLiteral("%1,%2 %3").arg(x).arg(y).arg(QColor(c).name());
            }
        }
        EXPECT_EQ(bad, 0) << area.name << ": first pixel off the panel " << first.toStdString();
    }
}

// --- captions -----------------------------------------------------------------------------------------

TEST_F(Background, CaptionsAreInkedInTheirLineBoxes) {
    struct Caption {
        const char* text;
        QRect box;
    };
    const Caption captions[] = {
        {"switch name", QRect(QPoint(845, 208), QPoint(963, 229))},
        {"3-Stufenschalter", QRect(QPoint(846, 238), QPoint(1022, 255))},
        {"mit Nachlauf", QRect(QPoint(844, 268), QPoint(974, 285))},
        {"sensor model code", QRect(QPoint(860, 437), QPoint(950, 453))},
        {"CO2 Sensor", QRect(QPoint(875, 526), QPoint(994, 542))},
        {"probe name", QRect(QPoint(744, 699), QPoint(863, 720))},
        {"Feuchtefuehler", QRect(QPoint(743, 729), QPoint(884, 746))},
    };
    for (const Caption& caption : captions) {
        SCOPED_TRACE(caption.text);
        // Look a little around the box so that lettering that spills over is found.
        const QRect search = caption.box.adjusted(-8, -6, 12, 6);
        QRect ink;
        for (int y = search.top(); y <= search.bottom(); ++y)
            for (int x = search.left(); x <= search.right(); ++x)
                if (luminance(picture->pixel(x, y)) < 90)
                    ink = ink.united(QRect(x, y, 1, 1));
        ASSERT_FALSE(ink.isNull());
        // Left-aligned at the start of its box, within the box's rows, and a real line of text.
        EXPECT_LE(std::abs(ink.left() - caption.box.left()), 4);
        EXPECT_GE(ink.top(), caption.box.top() - 3);
        EXPECT_LE(ink.bottom(), caption.box.bottom() + 3);
        EXPECT_LE(ink.right(), caption.box.right() + 10);
        EXPECT_GE(ink.width(), caption.box.width() / 2);
        EXPECT_GE(ink.height(), 15);
    }
}

} // namespace
