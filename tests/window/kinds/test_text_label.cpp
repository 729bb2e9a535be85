// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#define QTEST_QPA_MOUSE_HANDLING

#include "support/WidgetProbes.h"
#include "window/kinds/SystemColours.h"
#include "window/kinds/TextLabel.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using namespace aeris;
using aeris::test::EventLog;
using aeris::test::kGround;

namespace {

QFont comicFont(int pixels) {
    QFont font(QStringLiteral("Comic Neue"));
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

class TextLabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_label = new TextLabel(&m_parent);
        m_label->move(40, 30);
        m_label->setColor(clWhite);
        m_label->setLabelFont(comicFont(21));
        ASSERT_TRUE(m_parent.showExposed());
    }

    static void flush() { test::flushRepaints(); }

    QImage screenShot() const { return m_parent.screenShot(); }

    test::GroundWindow m_parent{QSize(400, 200)};
    TextLabel* m_label{nullptr};
};

TEST_F(TextLabelTest, auto_size_takes_the_caption_size_and_keeps_the_top_left_corner) {
    const QFontMetrics metrics(m_label->labelFont());
    m_label->setCaption(QStringLiteral("1234"));
    EXPECT_EQ(m_label->geometry(), QRect(40, 30, metrics.horizontalAdvance("1234"), metrics.height()));

    const QFont bigger = comicFont(29);
    m_label->setLabelFont(bigger);
    const QFontMetrics biggerMetrics(bigger);
    EXPECT_EQ(m_label->geometry(),
              QRect(40, 30, biggerMetrics.horizontalAdvance("1234"), biggerMetrics.height()));
}

TEST_F(TextLabelTest, shrinking_label_gives_its_strip_back_to_what_lies_beneath) {
    m_label->setCaption(QStringLiteral("1234"));
    flush();
    const QRect wide = m_label->geometry();
    EventLog parentPaints(&m_parent);

    m_label->setCaption(QStringLiteral("123"));
    flush();
    const QRect narrow = m_label->geometry();
    ASSERT_LT(narrow.width(), wide.width());
    EXPECT_EQ(narrow.topLeft(), wide.topLeft());

    const QRect strip(narrow.right() + 1, wide.top(), wide.right() - narrow.right(), wide.height());
    EXPECT_TRUE(parentPaints.painted.contains(strip));
    const QImage shot = screenShot();
    for (const QPoint& p : {strip.topLeft(), strip.center(), strip.bottomRight()})
        EXPECT_EQ(shot.pixelColor(p), kGround) << p.x() << "," << p.y();
    EXPECT_EQ(shot.pixelColor(narrow.topLeft()), resolveColour(clWhite));
}

TEST_F(TextLabelTest, fixed_size_label_keeps_its_box_and_cuts_the_text_at_its_edges) {
    m_label->setAutoSize(false);
    m_label->resize(95, 38);
    m_label->setCaption(QStringLiteral("WWWWWWWWWWWW"));
    m_label->setFontColor(clRed);
    flush();
    EXPECT_EQ(m_label->size(), QSize(95, 38));

    // The same text drawn unclipped on one line from the top-left corner, then cut to the box.
    QImage expected(m_label->size(), QImage::Format_RGB32);
    expected.fill(resolveColour(clWhite));
    {
        QPainter painter(&expected);
        painter.setFont(m_label->labelFont());
        painter.setPen(resolveColour(clRed));
        painter.drawText(QPoint(0, QFontMetrics(m_label->labelFont()).ascent()), m_label->caption());
    }
    const QImage shown = screenShot().copy(m_label->geometry()).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, expected);
}

TEST_F(TextLabelTest, adjusts_when_auto_size_comes_back_on) {
    m_label->setAutoSize(false);
    m_label->setCaption(QStringLiteral("ppm"));
    m_label->resize(5, 5);
    m_label->adjustToCaption();
    EXPECT_EQ(m_label->size(), QSize(5, 5));
    m_label->setAutoSize(true);
    const QFontMetrics metrics(m_label->labelFont());
    EXPECT_EQ(m_label->size(), QSize(metrics.horizontalAdvance("ppm"), metrics.height()));
    m_label->resize(5, 5);
    m_label->adjustToCaption();
    EXPECT_EQ(m_label->size(), QSize(metrics.horizontalAdvance("ppm"), metrics.height()));
}

TEST_F(TextLabelTest, present_values_repaint_nothing_and_a_change_repaints_only_the_label) {
    m_label->setCaption(QStringLiteral("CO2"));
    flush();
    EventLog labelPaints(m_label);
    EventLog parentPaints(&m_parent);
    m_label->setCaption(QStringLiteral("CO2"));
    m_label->setColor(clWhite);
    m_label->setFontColor(clWindowText);
    m_label->setLabelFont(comicFont(21));
    m_label->setAutoSize(true);
    flush();
    EXPECT_EQ(labelPaints.paints, 0);

    // The label covers its rectangle, so nothing beneath is painted for it.
    m_label->setFontColor(clRed);
    flush();
    EXPECT_EQ(labelPaints.paints, 1);
    EXPECT_EQ(parentPaints.paints, 0);
}

TEST_F(TextLabelTest, takes_neither_focus_nor_the_mouse) {
    m_label->setCaption(QStringLiteral("Label3"));
    flush();
    EventLog parentEvents(&m_parent);
    QTest::mouseClick(m_label, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(parentEvents.presses, 1);
    EXPECT_EQ(m_label->focusPolicy(), Qt::NoFocus);
}

} // namespace
