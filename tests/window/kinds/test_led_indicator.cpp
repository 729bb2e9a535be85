// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT

// Mouse input goes through the window, as a real pointer's would: Qt then routes it with its
// implicit grab and turns a quick second press into a double click.
#define QTEST_QPA_MOUSE_HANDLING

#include "support/WidgetProbes.h"
#include "window/kinds/HintTip.h"
#include "window/kinds/LedIndicator.h"
#include "window/kinds/SystemColours.h"

#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace aeris;
using aeris::test::EventLog;
using aeris::test::kGround;

namespace {

// Notes when a pointer move to a given place has reached the application.
class MoveWatch : public QObject {
public:
    explicit MoveWatch(QPoint global) : m_global(global) { qApp->installEventFilter(this); }
    bool arrived{false};

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::MouseMove &&
            static_cast<QMouseEvent*>(event)->globalPosition().toPoint() == m_global)
            arrived = true;
        return false;
    }

private:
    QPoint m_global;
};

// Records the LED's signals with the lamp's state at the moment each one is raised.
class SignalLog {
public:
    explicit SignalLog(LedIndicator* led) : m_led(led) {
        QObject::connect(led, &LedIndicator::mouseDown, [this] { add("down"); });
        QObject::connect(led, &LedIndicator::clicked, [this] { add("click"); });
        QObject::connect(led, &LedIndicator::mouseUp, [this] { add("up"); });
    }
    std::vector<std::string> entries;

private:
    void add(const char* what) {
        entries.push_back(std::string(what) + (m_led->isChecked() ? " lit" : " dark"));
    }
    LedIndicator* m_led;
};

using Log = std::vector<std::string>;

class LedIndicatorTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_parent.showExposed()); }

    // A push button like the wall switch's: 50 x 25 with a lamp of 25.
    LedIndicator* addButton() {
        LedIndicator* led = addLed(QRect(40, 30, 50, 25));
        led->setColorOn(clBlack);
        led->setColorOff(cl3DDkShadow);
        led->setLampWidth(25);
        led->setLampHeight(25);
        led->setMode(LedIndicator::Mode::Button);
        flush();
        return led;
    }

    LedIndicator* addLed(const QRect& geometry) {
        auto* led = new LedIndicator(&m_parent);
        led->setGeometry(geometry);
        led->show();
        flush();
        return led;
    }

    static void flush() { test::flushRepaints(); }

    // Moves the pointer itself, so that Qt's idea of what lies under it stays true when the
    // tool-tip window comes and goes, and waits until the move has been delivered.
    static void pointTo(const QWidget* widget, QPoint pos) {
        const QPoint global = widget->mapToGlobal(pos);
        if (QCursor::pos() == global)
            return;
        MoveWatch watch(global);
        QCursor::setPos(global);
        EXPECT_TRUE(QTest::qWaitFor([&] { return watch.arrived; }, 2000));
    }

    // What the window shows now, not a fresh rendering: only what was repainted has changed.
    QColor onScreen(const QWidget* widget, QPoint pos) const {
        const QPoint inWindow = widget->mapTo(&m_parent, pos);
        const QImage shot = m_parent.screen()->grabWindow(m_parent.winId()).toImage();
        return shot.pixelColor(inWindow);
    }

    QPoint outsideOf(const QWidget* widget) const {
        return widget->geometry().bottomRight() + QPoint(20, 20);
    }

    test::GroundWindow m_parent{QSize(240, 120)};
};

bool near(const QColor& a, const QColor& b, int tolerance = 24) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// ---- Lamp geometry -------------------------------------------------------------------------

struct LampCase {
    const char* name;
    QSize control;
    int lampWidth;
    int lampHeight;
    QRect lamp;
};

TEST(LedLampGeometry, lamp_is_flush_left_and_centred_by_integer_division) {
    const LampCase cases[] = {
        {"AbLED1", {25, 30}, 17, 17, {0, 7, 17, 17}},
        {"AbLED2 to AbLED4, AbLED6", {17, 33}, 13, 13, {0, 10, 13, 13}},
        {"AbLED5", {50, 25}, 25, 25, {0, 0, 25, 25}},
        {"AbLED7 to AbLED9", {17, 33}, 17, 17, {0, 8, 17, 17}},
        {"diameter is the larger side", {40, 40}, 10, 21, {0, 10, 21, 21}},
        {"lamp taller than the control", {30, 10}, 25, 25, {0, -7, 25, 25}},
    };
    for (const LampCase& c : cases) {
        LedIndicator led;
        led.resize(c.control);
        led.setLampWidth(c.lampWidth);
        led.setLampHeight(c.lampHeight);
        EXPECT_EQ(led.lampRect(), c.lamp) << c.name;
    }
}

TEST(LedLampGeometry, default_lamp_is_13_and_sizes_are_held_to_4_to_80) {
    LedIndicator led;
    led.resize(17, 33);
    EXPECT_EQ(led.lampRect(), QRect(0, 10, 13, 13));
    led.setLampWidth(2);
    EXPECT_EQ(led.lampWidth(), 4);
    led.setLampHeight(500);
    EXPECT_EQ(led.lampHeight(), 80);
}

// ---- Drawing -------------------------------------------------------------------------------

TEST_F(LedIndicatorTest, lamp_is_filled_by_state_outlined_and_glinted_and_nothing_else_is_painted) {
    LedIndicator* led = addButton();
    const QPoint centre(12, 12);
    EXPECT_EQ(onScreen(led, centre), resolveColour(cl3DDkShadow));
    // Right of the lamp and in the corners of its square the window shows through.
    EXPECT_EQ(onScreen(led, QPoint(40, 12)), kGround);
    EXPECT_EQ(onScreen(led, QPoint(0, 0)), kGround);
    EXPECT_EQ(onScreen(led, QPoint(24, 24)), kGround);
    EXPECT_TRUE(near(onScreen(led, QPoint(0, 12)), resolveColour(clBtnShadow)));

    led->setChecked(true);
    EXPECT_EQ(onScreen(led, centre), resolveColour(clBlack));
    // The glint lies on the upper-left quarter only.
    EXPECT_TRUE(near(onScreen(led, QPoint(8, 8)), resolveColour(clBtnHighlight)));
    EXPECT_EQ(onScreen(led, QPoint(16, 16)), resolveColour(clBlack));
}

TEST_F(LedIndicatorTest, new_on_colour_shows_on_a_dark_lamp_only_when_it_is_next_lit) {
    LedIndicator* led = addLed(QRect(10, 10, 17, 33));
    const QPoint centre = led->lampRect().center();
    led->setColorOn(clRed);
    flush();
    EXPECT_EQ(onScreen(led, centre), resolveColour(clBtnFace));
    led->setChecked(true);
    EXPECT_EQ(onScreen(led, centre), resolveColour(clRed));
    led->setColorOn(clBlue);
    flush();
    EXPECT_EQ(onScreen(led, centre), resolveColour(clBlue));
}

// ---- Redrawing -----------------------------------------------------------------------------

TEST_F(LedIndicatorTest, setting_present_values_repaints_nothing) {
    LedIndicator* led = addLed(QRect(10, 10, 17, 33));
    EventLog paints(led);
    led->setChecked(false);
    led->setStatusInt(0);
    led->setStatusBit(0);
    led->setColorOn(clLime);
    led->setColorOff(clBtnFace);
    led->setLampWidth(13);
    led->setLampHeight(13);
    led->setMode(LedIndicator::Mode::Indicator);
    flush();
    EXPECT_EQ(paints.paints, 0);
}

TEST_F(LedIndicatorTest, new_checked_redraws_at_once_and_only_that_led) {
    LedIndicator* led = addLed(QRect(10, 10, 17, 33));
    LedIndicator* other = addLed(QRect(100, 10, 17, 33));
    EventLog paints(led);
    EventLog otherPaints(other);
    led->setChecked(true);
    EXPECT_EQ(paints.paints, 1) << "drawn before control returns";
    EXPECT_EQ(onScreen(led, led->lampRect().center()), resolveColour(clLime));
    flush();
    EXPECT_EQ(otherPaints.paints, 0);
}

TEST_F(LedIndicatorTest, new_colour_waits_for_the_next_repaint) {
    LedIndicator* led = addLed(QRect(10, 10, 17, 33));
    EventLog paints(led);
    led->setColorOff(clGray);
    EXPECT_EQ(paints.paints, 0);
    flush();
    EXPECT_EQ(paints.paints, 1);
    EXPECT_EQ(onScreen(led, led->lampRect().center()), resolveColour(clGray));
}

// ---- Checked and the status word -----------------------------------------------------------

TEST(LedStatus, checked_and_its_status_bit_always_agree) {
    LedIndicator led;
    led.setChecked(true);
    EXPECT_EQ(led.statusInt(), 1);

    led.setStatusBit(3); // bit 3 of 1 is clear
    EXPECT_FALSE(led.isChecked());
    led.setChecked(true);
    EXPECT_EQ(led.statusInt(), 0b1001);

    led.setStatusInt(0xF7); // every low bit but bit 3
    EXPECT_FALSE(led.isChecked());
    led.setStatusInt(0x08);
    EXPECT_TRUE(led.isChecked());
    led.setChecked(false);
    EXPECT_EQ(led.statusInt(), 0);

    led.setStatusBit(31);
    led.setChecked(true);
    EXPECT_EQ(led.statusInt(), INT32_MIN);
}

TEST(LedStatus, becoming_a_push_button_puts_the_lamp_out) {
    LedIndicator led;
    led.setStatusInt(1);
    ASSERT_TRUE(led.isChecked());
    led.setMode(LedIndicator::Mode::Button);
    EXPECT_EQ(led.statusInt(), 0);
    EXPECT_FALSE(led.isChecked());
}

// ---- Mouse ---------------------------------------------------------------------------------

TEST_F(LedIndicatorTest, left_click_on_a_button_lights_it_through_down_click_up_then_puts_it_out) {
    LedIndicator* led = addButton();
    SignalLog log(led);
    // Anywhere in the control counts, not only on the lamp.
    QTest::mouseClick(led, Qt::LeftButton, {}, QPoint(40, 12));
    EXPECT_EQ(log.entries, (Log{"down lit", "click lit", "up lit"}));
    EXPECT_FALSE(led->isChecked());
    EXPECT_EQ(onScreen(led, QPoint(12, 12)), resolveColour(cl3DDkShadow));
    EXPECT_FALSE(led->hasFocus());
    EXPECT_EQ(led->focusPolicy(), Qt::NoFocus);
}

TEST_F(LedIndicatorTest, press_lights_the_lamp_before_the_down_handler_runs) {
    LedIndicator* led = addButton();
    QColor seenAtDown;
    QObject::connect(led, &LedIndicator::mouseDown, [&] { seenAtDown = onScreen(led, QPoint(12, 12)); });
    QTest::mousePress(led, Qt::LeftButton, {}, QPoint(12, 12));
    EXPECT_EQ(seenAtDown, resolveColour(clBlack));
    QTest::mouseRelease(led, Qt::LeftButton, {}, QPoint(12, 12));
}

TEST_F(LedIndicatorTest, release_away_from_the_button_gives_no_click) {
    LedIndicator* led = addButton();
    SignalLog log(led);
    QTest::mousePress(led, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(led, outsideOf(led) - led->pos());
    QTest::mouseRelease(led, Qt::LeftButton, {}, outsideOf(led) - led->pos());
    EXPECT_EQ(log.entries, (Log{"down lit", "up lit"}));
    EXPECT_FALSE(led->isChecked());
}

TEST_F(LedIndicatorTest, double_click_presses_twice_and_clicks_once) {
    LedIndicator* led = addButton();
    SignalLog log(led);
    QTest::mouseDClick(led, Qt::LeftButton, {}, QPoint(12, 12));
    EXPECT_EQ(log.entries, (Log{"down lit", "click lit", "up lit", "down lit", "up lit"}));
    EXPECT_FALSE(led->isChecked());
}

TEST_F(LedIndicatorTest, click_handler_may_put_the_lamp_out_itself) {
    LedIndicator* led = addButton();
    SignalLog log(led);
    QObject::connect(led, &LedIndicator::clicked, [led] { led->setChecked(false); });
    QTest::mouseClick(led, Qt::LeftButton, {}, QPoint(12, 12));
    EXPECT_EQ(log.entries, (Log{"down lit", "click lit", "up dark"}));
    EXPECT_FALSE(led->isChecked());
}

TEST_F(LedIndicatorTest, right_and_middle_buttons_only_report_down_and_an_up_over_the_led) {
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        LedIndicator* led = addButton();
        SignalLog log(led);
        QTest::mouseClick(led, button, {}, QPoint(12, 12));
        EXPECT_EQ(log.entries, (Log{"down dark", "up dark"})) << button;

        log.entries.clear();
        QTest::mousePress(led, button, {}, QPoint(12, 12));
        QTest::mouseRelease(led, button, {}, outsideOf(led) - led->pos());
        EXPECT_EQ(log.entries, (Log{"down dark"})) << button;
        delete led;
    }
}

TEST_F(LedIndicatorTest, indicator_reports_the_mouse_but_never_changes_its_lamp) {
    for (const bool checked : {false, true}) {
        LedIndicator* led = addLed(QRect(10, 10, 17, 33));
        led->setChecked(checked);
        EventLog paints(led);
        SignalLog log(led);
        const std::string lamp = checked ? " lit" : " dark";
        QTest::mouseClick(led, Qt::LeftButton, {}, QPoint(8, 16));
        EXPECT_EQ(log.entries, (Log{"down" + lamp, "click" + lamp, "up" + lamp}));
        EXPECT_EQ(led->isChecked(), checked);
        flush();
        EXPECT_EQ(paints.paints, 0);
        delete led;
    }
}

// ---- Tool-tip ------------------------------------------------------------------------------

class LedHintTest : public LedIndicatorTest {
protected:
    void SetUp() override {
        LedIndicatorTest::SetUp();
        // Tool-tips show only in the active application.
        m_parent.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_parent));
        m_led = addButton();
        m_led->setHint(QStringLiteral("Lüfungsstufen"));
        m_led->setShowHint(true);
        pointTo(&m_parent, QPoint(200, 100));
    }
    void TearDown() override {
        pointTo(&m_parent, QPoint(200, 100));
        EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
    }

    void moveOnto(QPoint pos = QPoint(12, 12)) { pointTo(m_led, pos); }
    static bool waitForTip() {
        return QTest::qWaitFor([] { return QToolTip::isVisible(); }, HintTip::kShowDelayMs * 4);
    }
    // Long enough for a tip that would come to have come.
    static void waitLongerThanTheDelay() { QTest::qWait(HintTip::kShowDelayMs * 2); }

    LedIndicator* m_led{nullptr};
};

TEST_F(LedHintTest, shows_after_the_pointer_rests_and_hides_when_it_leaves) {
    moveOnto();
    EXPECT_FALSE(QToolTip::isVisible()) << "not before the delay";
    ASSERT_TRUE(waitForTip());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Lüfungsstufen"));
    pointTo(&m_parent, QPoint(200, 100));
    EXPECT_FALSE(QToolTip::isVisible());
}

TEST_F(LedHintTest, after_hiding_on_time_shows_again_only_once_the_pointer_left_and_came_back) {
    moveOnto();
    ASSERT_TRUE(waitForTip());
    ASSERT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, HintTip::kShowTimeMs * 2));
    moveOnto(QPoint(20, 10));
    waitLongerThanTheDelay();
    EXPECT_FALSE(QToolTip::isVisible());

    pointTo(&m_parent, QPoint(200, 100));
    moveOnto();
    EXPECT_TRUE(waitForTip());
}

TEST_F(LedHintTest, click_or_key_hides_it_at_once_and_the_next_move_brings_it_back) {
    moveOnto();
    ASSERT_TRUE(waitForTip());
    QTest::mouseClick(m_led, Qt::LeftButton, {}, QPoint(12, 12));
    EXPECT_FALSE(QToolTip::isVisible());
    waitLongerThanTheDelay();
    EXPECT_FALSE(QToolTip::isVisible()) << "not without a move";
    moveOnto(QPoint(14, 12));
    ASSERT_TRUE(waitForTip());

    QTest::keyClick(&m_parent, Qt::Key_Down);
    EXPECT_FALSE(QToolTip::isVisible());
    moveOnto(QPoint(12, 12));
    EXPECT_TRUE(waitForTip());
}

TEST_F(LedHintTest, nothing_shows_while_hints_are_off) {
    m_led->setShowHint(false);
    moveOnto();
    waitLongerThanTheDelay();
    EXPECT_FALSE(QToolTip::isVisible());
}

} // namespace
