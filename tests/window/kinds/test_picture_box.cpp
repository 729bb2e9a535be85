// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#define QTEST_QPA_MOUSE_HANDLING

#include "support/WidgetProbes.h"
#include "window/kinds/PictureBox.h"

#include <QPainter>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using namespace aeris;
using aeris::test::EventLog;
using aeris::test::kGround;

namespace {

QPixmap solid(QSize size, const QColor& colour, qreal ratio = 1.0) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(image);
}

// Takes every press that reaches it, as a clickable widget beneath a picture would.
class PressTarget : public QWidget {
public:
    using QWidget::QWidget;
    int presses{0};

protected:
    void mousePressEvent(QMouseEvent* event) override {
        ++presses;
        event->accept();
    }
};

class PictureBoxTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_parent.showExposed()); }

    PictureBox* addPicture(const QRect& geometry, const QPixmap& picture) {
        auto* box = new PictureBox(&m_parent);
        box->setGeometry(geometry);
        box->setPicture(picture);
        box->show();
        flush();
        return box;
    }

    static void flush() { test::flushRepaints(); }

    QColor onScreen(const QWidget* widget, QPoint pos) const { return m_parent.onScreen(widget, pos); }

    test::GroundWindow m_parent{QSize(300, 200)};
};

TEST_F(PictureBoxTest, draws_the_picture_at_its_own_size_from_the_top_left_and_nothing_more) {
    PictureBox* small = addPicture(QRect(10, 10, 50, 50), solid({30, 20}, Qt::red));
    EXPECT_EQ(onScreen(small, {0, 0}), QColor(Qt::red));
    EXPECT_EQ(onScreen(small, {29, 19}), QColor(Qt::red));
    EXPECT_EQ(onScreen(small, {30, 5}), kGround);
    EXPECT_EQ(onScreen(small, {5, 20}), kGround);

    // A larger picture is cut at the widget's edges.
    PictureBox* large = addPicture(QRect(100, 10, 20, 20), solid({40, 40}, Qt::green));
    EXPECT_EQ(onScreen(large, {19, 19}), QColor(Qt::green));
    EXPECT_EQ(onScreen(large, {25, 5}), kGround);
    EXPECT_EQ(onScreen(large, {5, 25}), kGround);
}

TEST_F(PictureBoxTest, high_resolution_picture_is_drawn_at_its_logical_size) {
    PictureBox* box = addPicture(QRect(10, 10, 50, 50), solid({60, 60}, Qt::red, 2.0));
    EXPECT_EQ(onScreen(box, {29, 29}), QColor(Qt::red));
    EXPECT_EQ(onScreen(box, {31, 31}), kGround);
    EXPECT_FALSE(box->testAttribute(Qt::WA_OpaquePaintEvent));
    box->setPicture(solid({100, 100}, Qt::red, 2.0));
    EXPECT_TRUE(box->testAttribute(Qt::WA_OpaquePaintEvent));
}

// Only a picture that covers every pixel of its widget spares Qt the painting beneath.
TEST_F(PictureBoxTest, is_opaque_only_while_shown_and_covering_its_whole_rectangle) {
    PictureBox* box = addPicture(QRect(10, 10, 50, 50), solid({50, 50}, Qt::red));
    EXPECT_TRUE(box->testAttribute(Qt::WA_OpaquePaintEvent));
    box->resize(51, 50);
    EXPECT_FALSE(box->testAttribute(Qt::WA_OpaquePaintEvent));
    box->resize(50, 50);
    box->setShown(false);
    EXPECT_FALSE(box->testAttribute(Qt::WA_OpaquePaintEvent));
    box->setShown(true);
    EXPECT_TRUE(box->testAttribute(Qt::WA_OpaquePaintEvent));

    QImage translucent(50, 50, QImage::Format_ARGB32);
    translucent.fill(Qt::transparent);
    box->setPicture(QPixmap::fromImage(translucent));
    EXPECT_FALSE(box->testAttribute(Qt::WA_OpaquePaintEvent));
    box->setPicture(QPixmap());
    EXPECT_FALSE(box->testAttribute(Qt::WA_OpaquePaintEvent));
}

// Two frames stacked like a fan's: hiding the top one shows the one beneath, hiding that too
// shows the window.
TEST_F(PictureBoxTest, picture_not_shown_lets_what_lies_beneath_show_and_stays_qt_visible) {
    PictureBox* lower = addPicture(QRect(10, 10, 50, 50), solid({50, 50}, Qt::green));
    PictureBox* upper = addPicture(QRect(10, 10, 50, 50), solid({50, 50}, Qt::red));
    EXPECT_EQ(onScreen(upper, {25, 25}), QColor(Qt::red));
    upper->setShown(false);
    flush();
    EXPECT_EQ(onScreen(upper, {25, 25}), QColor(Qt::green));
    lower->setShown(false);
    flush();
    EXPECT_EQ(onScreen(upper, {25, 25}), kGround);
    EXPECT_TRUE(upper->isVisible());
    EXPECT_TRUE(lower->isVisible());

    upper->setShown(true);
    flush();
    EXPECT_EQ(onScreen(upper, {25, 25}), QColor(Qt::red));
}

TEST_F(PictureBoxTest, picture_not_shown_passes_the_mouse_to_the_widget_beneath) {
    auto* beneath = new PressTarget(&m_parent);
    beneath->setGeometry(10, 10, 50, 50);
    beneath->show();
    PictureBox* box = addPicture(QRect(10, 10, 50, 50), solid({50, 50}, Qt::red));

    QTest::mouseClick(&m_parent, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(beneath->presses, 0);
    box->setShown(false);
    QTest::mouseClick(&m_parent, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(beneath->presses, 1);
}

TEST_F(PictureBoxTest, same_shown_flag_or_picture_repaints_nothing_and_a_change_only_its_own_area) {
    const QPixmap frame = solid({50, 50}, Qt::red);
    PictureBox* box = addPicture(QRect(10, 10, 50, 50), frame);
    PictureBox* elsewhere = addPicture(QRect(200, 10, 50, 50), solid({50, 50}, Qt::green));
    EventLog boxEvents(box);
    EventLog elsewhereEvents(elsewhere);
    EventLog beneathEvents(&m_parent);
    box->setShown(true);
    box->setPicture(frame);
    flush();
    EXPECT_EQ(boxEvents.paints, 0);
    EXPECT_EQ(beneathEvents.paints, 0);

    box->setShown(false);
    EXPECT_EQ(beneathEvents.paints, 0) << "the repaint waits for the loop";
    flush();
    // A hidden picture draws nothing, so only what lies beneath it is repainted, in its area.
    EXPECT_EQ(boxEvents.paints, 0);
    EXPECT_EQ(beneathEvents.paints, 1);
    EXPECT_EQ(beneathEvents.painted, QRegion(box->geometry()));
    EXPECT_EQ(elsewhereEvents.paints, 0);
}

} // namespace

namespace {

// A shown picture may rise over hidden ones of its place so that Qt can repaint it on its own;
// what anyone sees must stay as the creation order says.
TEST_F(PictureBoxTest, stacking_that_can_be_seen_stays_when_pictures_are_shown_and_hidden) {
    const QRect place(10, 10, 50, 50);
    PictureBox* lower = addPicture(place, solid({50, 50}, Qt::green));
    PictureBox* middle = addPicture(place, solid({50, 50}, Qt::blue));
    PictureBox* upper = addPicture(place, solid({50, 50}, Qt::red));
    middle->setShown(false);
    flush();
    EXPECT_EQ(onScreen(upper, {25, 25}), QColor(Qt::red));

    // The top picture is hidden while the one at the bottom is still shown: that one appears.
    upper->setShown(false);
    flush();
    EXPECT_EQ(onScreen(lower, {25, 25}), QColor(Qt::green));

    // Showing the middle one again puts it over the bottom one, as created.
    middle->setShown(true);
    flush();
    EXPECT_EQ(onScreen(middle, {25, 25}), QColor(Qt::blue));

    // Another kind of widget lying over a hidden picture stays over it once the picture shows.
    auto* cover = new QWidget(&m_parent);
    cover->setGeometry(100, 10, 30, 30);
    QPalette yellow = cover->palette();
    yellow.setColor(QPalette::Window, Qt::yellow);
    cover->setPalette(yellow);
    cover->setAutoFillBackground(true);
    cover->show();
    PictureBox* beneath = addPicture(QRect(110, 20, 50, 50), solid({50, 50}, Qt::red));
    beneath->stackUnder(cover);
    beneath->setShown(false);
    flush();
    beneath->setShown(true);
    flush();
    EXPECT_EQ(onScreen(cover, {20, 20}), QColor(Qt::yellow));
    EXPECT_EQ(onScreen(beneath, {40, 40}), QColor(Qt::red));
}

} // namespace
