// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
//
// What the program does while the box about a refused timer is open: it is application-modal,
// so the window takes no input, but the controller keeps ticking, the speed caption follows at
// its next tick, the fans stand, and after OK the window takes input again.
#include "window/Form1.h"
#include "window/kinds/IntervalTimer.h"
#include "window/kinds/TextLabel.h"
#include "window/kinds/TrackBar.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

using namespace aeris;
using enum WidgetId;

namespace {

// Counts the events of one type that reach an object: a timer's ticks, a widget's paints.
class EventCounter : public QObject {
public:
    EventCounter(QObject* watched, QEvent::Type type) : m_type(type) { watched->installEventFilter(this); }
    int ticks{0};

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == m_type)
            ++ticks;
        return false;
    }

private:
    QEvent::Type m_type;
};

TEST(RefusedTimer, TheErrorBoxBlocksInputWhileTheControllerAndRepaintsGoOn) {
    TForm1 form(QStringLiteral("aeris400"));
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    TrackBar* co2 = form.slider(TrackBar1);
    QTest::keyClick(form.windowHandle(), Qt::Key_End); // 500 ppm: level 1, "low"
    QTRY_COMPARE(form.timer(Timer1)->interval(), 150u);

    EventCounter controller(form.timer(Timer2), QEvent::Timer);
    EventCounter captionPaints(form.label(Label12), QEvent::Paint);
    form.timer(Timer1)->setStartGate([] { return false; });

    struct Seen {
        Qt::WindowModality modality{Qt::NonModal};
        QString captionAtOpen, captionBeforeOk;
        int ticksAtOpen{0}, ticksBeforeOk{0};
        int frameAtOpen{-1}, frameBeforeOk{-1};
        int positionAfterKey{-1};
        int paintsAtOpen{0}, paintsBeforeOk{0};
        int boxes{0};
    } seen;
    QPointer<QMessageBox> open;
    QElapsedTimer openFor;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (box != open) {
            // Just opened, inside the controller tick that was refused.
            open = box;
            ++seen.boxes;
            openFor.start();
            seen.modality = box->windowModality();
            seen.captionAtOpen = form.label(Label12)->caption();
            seen.ticksAtOpen = controller.ticks;
            seen.frameAtOpen = form.simulation().state().FrameIndex;
            seen.paintsAtOpen = captionPaints.ticks;
            // A user presses a key at the window: the box keeps it from the slider.
            QTest::keyClick(form.windowHandle(), Qt::Key_End);
            seen.positionAfterKey = co2->position();
            return;
        }
        if (openFor.elapsed() < 450)
            return;
        seen.captionBeforeOk = form.label(Label12)->caption();
        seen.ticksBeforeOk = controller.ticks;
        seen.frameBeforeOk = form.simulation().state().FrameIndex;
        seen.paintsBeforeOk = captionPaints.ticks;
        box->button(QMessageBox::Ok)->click();
    });
    poll.start();

    // 2000 ppm: level 3, whose new interval the system refuses at the next controller tick.
    QTest::keyClick(form.windowHandle(), Qt::Key_Home);
    QTRY_COMPARE_WITH_TIMEOUT(seen.ticksBeforeOk > 0, true, 5000);
    poll.stop();

    EXPECT_EQ(seen.boxes, 1);
    EXPECT_EQ(seen.modality, Qt::ApplicationModal);
    EXPECT_EQ(seen.captionAtOpen, QStringLiteral("low")); // the refused tick ended before the caption
    EXPECT_EQ(seen.positionAfterKey, 0) << "a key reached the slider while the box was open";
    // The controller went on ticking behind the box and set the caption at its next tick; the
    // fans stood, since the animation timer stays stopped with the refused interval.
    EXPECT_GE(seen.ticksBeforeOk - seen.ticksAtOpen, 2);
    EXPECT_EQ(seen.captionBeforeOk, QStringLiteral("high"));
    EXPECT_GT(seen.paintsBeforeOk, seen.paintsAtOpen) << "the new caption was not painted behind the box";
    EXPECT_EQ(seen.frameBeforeOk, seen.frameAtOpen);
    EXPECT_FALSE(form.timer(Timer1)->isRunning());

    // After OK the window takes input again.
    form.timer(Timer1)->setStartGate({});
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(form.windowHandle(), Qt::Key_End);
    EXPECT_EQ(co2->position(), 100);
    QTRY_COMPARE(form.timer(Timer1)->interval(), 150u);
    EXPECT_TRUE(form.timer(Timer1)->isRunning());
}

} // namespace
