// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT

// How much the window paints for its timers' ticks, counted from the paint events that reach
// the real widgets: the sum of the areas Qt asks them to paint.

#include "simulation/WidgetId.h"
#include "window/Form1.h"
#include "window/kinds/IntervalTimer.h"
#include "window/kinds/LedIndicator.h"
#include "window/kinds/PictureBox.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollArea>
#include <QTest>
#include <QTimerEvent>
#include <gtest/gtest.h>
#include <map>

using namespace aeris;

namespace {

class PaintMeter : public QObject {
public:
    PaintMeter() { qApp->installEventFilter(this); }
    ~PaintMeter() override { qApp->removeEventFilter(this); }
    long long pixels{0};
    std::map<QObject*, QRegion> regions;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && object->isWidgetType()) {
            const QRegion& region = static_cast<QPaintEvent*>(event)->region();
            for (const QRect& r : region)
                pixels += static_cast<long long>(r.width()) * r.height();
            regions[object] += region;
        }
        return false;
    }
};

class RepaintArea : public ::testing::Test {
protected:
    void SetUp() override {
        m_form.showAtStoredPlace();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_form));
        QCoreApplication::sendPostedEvents();
    }

    // A tick as the event loop delivers it, then the repaint the loop does before the next one.
    void tick(WidgetId timer) {
        QObject* t = m_form.component(timer);
        const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(t);
        ASSERT_FALSE(timers.isEmpty());
        QTimerEvent event(timers.first().timerId);
        QCoreApplication::sendEvent(t, &event);
        QCoreApplication::sendPostedEvents();
    }

    void clickStageButton() {
        QWidget* button = m_form.led(WidgetId::AbLED5);
        const QPointF at(10, 10);
        QMouseEvent press(QEvent::MouseButtonPress, at, button->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(button, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, button->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(button, &release);
        QCoreApplication::sendPostedEvents();
    }

    TForm1 m_form{QStringLiteral("Aeris400")};
};

// From the second tick on each fan hides one frame and shows the next: two 50 x 50 squares and
// nothing else, not the photo beneath, nor the window, nor the hidden frames stacked above.
TEST_F(RepaintArea, every_animation_tick_paints_exactly_the_two_fan_squares) {
    tick(WidgetId::Timer1);
    for (int i = 0; i < 12; ++i) {
        PaintMeter meter;
        tick(WidgetId::Timer1);
        EXPECT_EQ(meter.pixels, 5000) << "tick " << i + 2;
        EXPECT_EQ(meter.regions.size(), 2u) << "tick " << i + 2;
        for (const auto& [widget, region] : meter.regions)
            EXPECT_TRUE(qobject_cast<PictureBox*>(widget) && static_cast<PictureBox*>(widget)->isShown());
    }
}

TEST_F(RepaintArea, controller_tick_at_an_unchanged_level_paints_nothing) {
    for (int clicks = 0; clicks < 3; ++clicks) {
        clickStageButton();
        tick(WidgetId::Timer2); // the level changes: a new caption may paint
        PaintMeter meter;
        for (int i = 0; i < 5; ++i)
            tick(WidgetId::Timer2);
        EXPECT_EQ(meter.pixels, 0) << "after " << clicks + 1 << " clicks";
    }
}

// The photo is a few columns narrower than its widget; it fills that strip itself, so a repaint
// of the photo never has the window paint beneath it first.
TEST_F(RepaintArea, repainting_the_photo_paints_nothing_beneath_it) {
    PictureBox* photo = m_form.picture(WidgetId::Image1);
    PaintMeter meter;
    photo->update();
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(meter.regions.count(m_form.clientArea()));
    EXPECT_FALSE(meter.regions.count(m_form.scrollArea()->viewport()));
    EXPECT_EQ(meter.regions[photo].boundingRect().right(), photo->width() - 1);

    const QImage strip = m_form.clientArea()->grab(QRect(1059, 100, 6, 1)).toImage();
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(strip.pixelColor(x, 0), m_form.clientArea()->palette().color(QPalette::Window)) << x;
}

} // namespace
