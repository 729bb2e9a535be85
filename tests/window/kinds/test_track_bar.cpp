// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "window/kinds/SystemColours.h"
#include "window/kinds/TrackBar.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace aeris {
namespace {

// Two sliders of the window's size in one active window, so that focus, Tab and the wheel
// behave as they do for real. Every report is recorded with the position read at that moment.
class TrackBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(200, 200);
        bar = new TrackBar(&window);
        other = new TrackBar(&window);
        bar->setGeometry(10, 10, 45, 150);
        other->setGeometry(100, 10, 45, 150);
        useRange(0, 100, 75);
        QObject::connect(bar, &TrackBar::changeReported, [this] { reports.push_back(bar->position()); });
        QObject::connect(other, &TrackBar::changeReported,
                         [this] { otherReports.push_back(other->position()); });
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        bar->setFocus();
        reports.clear();
    }

    void useRange(int min, int max, int position) {
        bar->setMax(max);
        bar->setMin(min);
        bar->setPosition(position);
    }

    QPoint thumbCentre() const {
        return QPoint(bar->thumbRect().center().x(), bar->yForPosition(bar->position()));
    }

    QPoint besideThumbAt(int position) const {
        return QPoint(bar->channelRect().center().x(), bar->yForPosition(position));
    }

    void sendWheel(QWidget* target, int angleDelta) {
        const QPointF at = QPointF(target->rect().center());
        QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, angleDelta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
    }

    QWidget window;
    TrackBar* bar = nullptr;
    TrackBar* other = nullptr;
    std::vector<int> reports;
    std::vector<int> otherReports;
};

template <typename Case> std::string caseName(const ::testing::TestParamInfo<Case>& param) {
    return param.param.name;
}

// ---- Keyboard ----

struct KeyCase {
    const char* name;
    int position;
    Qt::Key key;
    int expected;
};

class TrackBarKeyTest : public TrackBarTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(TrackBarKeyTest, key_steps_and_reports_at_press_and_at_release) {
    const KeyCase& c = GetParam();
    bar->setPosition(c.position);
    QTest::keyPress(bar, c.key);
    EXPECT_EQ(bar->position(), c.expected);
    EXPECT_EQ(reports, std::vector<int>{c.expected});
    QTest::keyRelease(bar, c.key);
    EXPECT_EQ(reports, (std::vector<int>{c.expected, c.expected}));
}

INSTANTIATE_TEST_SUITE_P(Keys, TrackBarKeyTest,
                         ::testing::Values(KeyCase{"DownGrowsTowardsMax", 75, Qt::Key_Down, 76},
                                           KeyCase{"RightGrowsTowardsMax", 75, Qt::Key_Right, 76},
                                           KeyCase{"UpGoesTowardsMin", 75, Qt::Key_Up, 74},
                                           KeyCase{"LeftGoesTowardsMin", 75, Qt::Key_Left, 74},
                                           KeyCase{"PageDownIsTwo", 75, Qt::Key_PageDown, 77},
                                           KeyCase{"PageUpIsTwo", 75, Qt::Key_PageUp, 73},
                                           KeyCase{"HomeIsMin", 75, Qt::Key_Home, 0},
                                           KeyCase{"EndIsMax", 75, Qt::Key_End, 100},
                                           KeyCase{"DownAtMaxStays", 100, Qt::Key_Down, 100},
                                           KeyCase{"UpAtMinStays", 0, Qt::Key_Up, 0},
                                           KeyCase{"PageDownStopsAtMax", 99, Qt::Key_PageDown, 100},
                                           KeyCase{"PageUpStopsAtMin", 1, Qt::Key_PageUp, 0}),
                         caseName<KeyCase>);

TEST_F(TrackBarTest, held_key_steps_at_every_repeat_and_reports_once_at_the_real_release) {
    QTest::keyPress(bar, Qt::Key_Down);
    for (int i = 0; i < 2; ++i) {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(bar, &release);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(bar, &press);
    }
    EXPECT_EQ(reports, (std::vector<int>{76, 77, 78}));
    QTest::keyRelease(bar, Qt::Key_Down);
    EXPECT_EQ(reports, (std::vector<int>{76, 77, 78, 78}));
}

TEST_F(TrackBarTest, other_keys_neither_move_nor_report) {
    QTest::keyClick(bar, Qt::Key_A);
    QTest::keyClick(bar, Qt::Key_Space);
    QTest::keyClick(bar, Qt::Key_Return);
    // A release whose press went elsewhere ends nothing here.
    QTest::keyRelease(bar, Qt::Key_Down);
    EXPECT_EQ(bar->position(), 75);
    EXPECT_TRUE(reports.empty());
}

TEST_F(TrackBarTest, tab_moves_the_focus_between_sliders_without_reports) {
    ASSERT_TRUE(bar->hasFocus());
    QTest::keyClick(bar, Qt::Key_Tab);
    EXPECT_TRUE(other->hasFocus());
    QTest::keyClick(other, Qt::Key_Tab);
    EXPECT_TRUE(bar->hasFocus());
    EXPECT_TRUE(reports.empty());
    EXPECT_TRUE(otherReports.empty());
}

// ---- Mouse ----

TEST_F(TrackBarTest, thumb_click_without_moving_reports_the_unchanged_position) {
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, thumbCentre());
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, thumbCentre());
    EXPECT_EQ(bar->position(), 75);
    EXPECT_EQ(reports, (std::vector<int>{75, 75}));
}

TEST_F(TrackBarTest, clicking_a_slider_gives_it_the_focus) {
    other->setPosition(5);
    const QPoint thumb(other->thumbRect().center().x(), other->yForPosition(5));
    QTest::mouseClick(other, Qt::LeftButton, Qt::NoModifier, thumb);
    EXPECT_TRUE(other->hasFocus());
}

TEST_F(TrackBarTest, dragging_passes_every_position_and_reports_each_then_the_release) {
    // Grab the thumb off-centre: it keeps that offset to the pointer.
    const int grab = 2;
    const QPoint start = thumbCentre();
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, start + QPoint(0, grab));
    QTest::mouseMove(bar, QPoint(start.x(), bar->yForPosition(80) + grab));
    EXPECT_EQ(bar->position(), 80);
    QTest::mouseMove(bar, QPoint(start.x() + 30, bar->yForPosition(78) + grab));
    EXPECT_EQ(bar->position(), 78);
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier,
                        QPoint(start.x() + 30, bar->yForPosition(78) + grab));
    EXPECT_EQ(reports, (std::vector<int>{75, 76, 77, 78, 79, 80, 79, 78, 78}));
}

struct DragEndCase {
    const char* name;
    int pointerY;
    int expected;
};

class TrackBarDragEndTest : public TrackBarTest, public ::testing::WithParamInterface<DragEndCase> {};

TEST_P(TrackBarDragEndTest, dragging_beyond_an_end_stops_there) {
    const QPoint start = thumbCentre();
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(bar, QPoint(start.x(), GetParam().pointerY));
    EXPECT_EQ(bar->position(), GetParam().expected);
    QTest::mouseMove(bar, QPoint(start.x(), GetParam().pointerY * 3));
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, QPoint(start.x(), GetParam().pointerY * 3));
    EXPECT_EQ(bar->position(), GetParam().expected);
    ASSERT_FALSE(reports.empty());
    for (int reported : reports) {
        EXPECT_GE(reported, 0);
        EXPECT_LE(reported, 100);
    }
    EXPECT_EQ(reports.back(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Ends, TrackBarDragEndTest,
                         ::testing::Values(DragEndCase{"AboveTheTop", -400, 0},
                                           DragEndCase{"BelowTheBottom", 900, 100}),
                         caseName<DragEndCase>);

struct PageCase {
    const char* name;
    int start;
    int pointerAt; // the position beside which the channel is pressed
    std::vector<int> steps;
};

class TrackBarPageTest : public TrackBarTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(TrackBarPageTest, held_channel_press_pages_until_the_thumb_reaches_the_pointer) {
    const PageCase& c = GetParam();
    useRange(50, 80, c.start);
    const QPoint pointer = besideThumbAt(c.pointerAt);
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, pointer);
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.front(), c.steps.front()); // the first page comes with the press

    ASSERT_TRUE(QTest::qWaitFor([&] { return reports.size() >= c.steps.size(); }, 5000));
    // Held on: the thumb sits under the pointer and stays there.
    QTest::qWait(500);
    EXPECT_EQ(reports, c.steps);
    EXPECT_TRUE(bar->thumbRect().contains(pointer));

    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, pointer);
    std::vector<int> expected = c.steps;
    expected.push_back(c.steps.back());
    EXPECT_EQ(reports, expected);
    QTest::qWait(200);
    EXPECT_EQ(reports, expected); // and no repeats after the release
}

INSTANTIATE_TEST_SUITE_P(Channel, TrackBarPageTest,
                         ::testing::Values(PageCase{"BelowTheThumb", 50, 57, {52, 54, 56}},
                                           PageCase{"AboveTheThumb", 80, 73, {78, 76, 74}}),
                         caseName<PageCase>);

TEST_F(TrackBarTest, channel_press_stops_at_the_end_of_the_range) {
    useRange(50, 80, 79);
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->channelRect().center().x(), 148));
    EXPECT_EQ(bar->position(), 80);
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->channelRect().center().x(), 148));
    EXPECT_EQ(reports, (std::vector<int>{80, 80}));
}

TEST_F(TrackBarTest, losing_the_focus_while_held_stops_the_paging) {
    // As when an error box pops up and takes the release of the button.
    useRange(50, 80, 50);
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, besideThumbAt(80));
    other->setFocus();
    QTest::qWait(600);
    EXPECT_EQ(bar->position(), 52);
    // A release that still arrives ends nothing any more.
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, besideThumbAt(80));
    EXPECT_EQ(reports, std::vector<int>{52});
}

TEST_F(TrackBarTest, other_buttons_do_nothing) {
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(bar, button, Qt::NoModifier, besideThumbAt(90));
        QTest::mouseRelease(bar, button, Qt::NoModifier, besideThumbAt(90));
    }
    EXPECT_EQ(bar->position(), 75);
    EXPECT_TRUE(reports.empty());
}

// ---- Wheel ----

TEST_F(TrackBarTest, wheel_moves_the_focused_slider_a_line_per_notch_upwards_to_min) {
    sendWheel(bar, 120);
    EXPECT_EQ(bar->position(), 74);
    sendWheel(bar, -240);
    EXPECT_EQ(bar->position(), 76);
    // Half notches add up.
    sendWheel(bar, -60);
    EXPECT_EQ(bar->position(), 76);
    sendWheel(bar, -60);
    EXPECT_EQ(bar->position(), 77);
    EXPECT_EQ(reports, (std::vector<int>{74, 75, 76, 77}));
}

TEST_F(TrackBarTest, wheel_leaves_an_unfocused_slider_alone) {
    other->setPosition(5);
    sendWheel(other, -120);
    EXPECT_EQ(other->position(), 5);
    EXPECT_TRUE(otherReports.empty());
    EXPECT_TRUE(bar->hasFocus());
}

// ---- Changes from code ----

TEST_F(TrackBarTest, changes_from_code_focus_and_resize_report_nothing) {
    bar->setPosition(10);
    bar->setPosition(150);
    EXPECT_EQ(bar->position(), 100);
    bar->setPosition(-3);
    EXPECT_EQ(bar->position(), 0);
    bar->setMin(20);
    EXPECT_EQ(bar->position(), 20); // a narrower range pulls the position in
    bar->setMax(30);
    bar->setPosition(40);
    EXPECT_EQ(bar->position(), 30);
    bar->setLineSize(3);
    bar->setPageSize(5);
    bar->resize(45, 200);
    other->setFocus();
    bar->setFocus();
    bar->repaint();
    QApplication::processEvents();
    EXPECT_TRUE(reports.empty());
}

TEST_F(TrackBarTest, line_and_page_sizes_set_the_step_widths) {
    bar->setLineSize(3);
    bar->setPageSize(10);
    QTest::keyClick(bar, Qt::Key_Down);
    EXPECT_EQ(bar->position(), 78);
    QTest::keyClick(bar, Qt::Key_PageUp);
    EXPECT_EQ(bar->position(), 68);
}

// ---- Look ----

TEST_F(TrackBarTest, min_is_at_the_top_and_the_thumb_is_drawn_where_the_position_is) {
    for (int position : {0, 100}) {
        bar->setPosition(position);
        const QImage image = bar->grab().toImage();
        const QRect thumb = bar->thumbRect();
        // Raised thumb: light top-left corner, dark point.
        EXPECT_EQ(image.pixelColor(thumb.topLeft()), resolveColour(clBtnHighlight)) << position;
        EXPECT_EQ(image.pixelColor(thumb.right(), bar->yForPosition(position)), resolveColour(cl3DDkShadow))
            << position;
    }
    EXPECT_LT(bar->yForPosition(0), bar->height() / 4);
    EXPECT_GT(bar->yForPosition(100), bar->height() * 3 / 4);
    EXPECT_EQ(bar->thumbRect().width(), 20);
}

} // namespace
} // namespace aeris
