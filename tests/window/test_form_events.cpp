// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "window/Form1.h"
#include "window/kinds/IntervalTimer.h"
#include "window/kinds/LedIndicator.h"
#include "window/kinds/PictureBox.h"
#include "window/kinds/TextLabel.h"
#include "window/kinds/TrackBar.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace aeris;
using enum WidgetId;

namespace {

class FormEvents : public ::testing::Test {
protected:
    void SetUp() override {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    QPoint lampCentre(WidgetId id) { return form.led(id)->lampRect().center(); }

    TForm1 form{QStringLiteral("aeris400")};
};

TEST_F(FormEvents, ClicksOnTheStageButtonStepTheStageThroughTheRealWidgets) {
    struct Step {
        TColor boardLamp;
        bool lamps[3];
        int level;
    };
    const Step steps[] = {
        {clOrange, {true, true, false}, 2},
        {clRed, {true, true, true}, 3},
        {clLime, {true, false, false}, 1},
    };
    for (const Step& step : steps) {
        QTest::mouseClick(form.led(AbLED5), Qt::LeftButton, {}, lampCentre(AbLED5));
        EXPECT_EQ(form.led(AbLED1)->colorOff(), step.boardLamp);
        EXPECT_EQ(form.led(AbLED2)->isChecked(), step.lamps[0]);
        EXPECT_EQ(form.led(AbLED3)->isChecked(), step.lamps[1]);
        EXPECT_EQ(form.led(AbLED4)->isChecked(), step.lamps[2]);
        EXPECT_EQ(form.simulation().state().StageLevel, step.level);
        EXPECT_FALSE(form.led(AbLED5)->isChecked()); // the button is up again
    }
}

TEST_F(FormEvents, RightButtonDarkensTheStageButtonWithoutSteppingTheStage) {
    LedIndicator* button = form.led(AbLED5);
    QTest::mousePress(button, Qt::RightButton, {}, lampCentre(AbLED5));
    EXPECT_TRUE(button->isChecked());
    QTest::mouseRelease(button, Qt::RightButton, {}, lampCentre(AbLED5));
    EXPECT_FALSE(button->isChecked());
    EXPECT_EQ(form.simulation().state().StageLevel, 0);
}

TEST_F(FormEvents, SliderKeysUpdateTheReadingsAndTheControllerFollows) {
    TrackBar* co2 = form.slider(TrackBar1);
    QTest::keyClick(co2, Qt::Key_Down);
    EXPECT_EQ(co2->position(), 76);
    EXPECT_EQ(form.label(Label1)->caption(), QStringLiteral("860 ppm CO2"));
    EXPECT_EQ(form.label(Label3)->caption(), QStringLiteral("860"));
    EXPECT_EQ(form.simulation().state().Co2Level, 1);

    QTest::keyClick(co2, Qt::Key_Home);
    EXPECT_EQ(form.label(Label3)->caption(), QStringLiteral("2000"));
    EXPECT_EQ(form.led(AbLED6)->colorOn(), clRed);
    EXPECT_EQ(form.label(Label2)->fontColor(), clRed);
    // The next controller tick sets the fastest pace and its caption.
    QTRY_COMPARE(form.label(Label12)->caption(), QStringLiteral("high"));
    EXPECT_EQ(form.timer(Timer1)->interval(), 15u);

    TrackBar* humidity = form.slider(TrackBar2);
    QTest::keyClick(humidity, Qt::Key_Home);
    EXPECT_EQ(form.label(Label6)->caption(), QStringLiteral("80% Rel."));
    EXPECT_EQ(form.label(Label5)->caption(), QStringLiteral("80% r.LF."));
    EXPECT_EQ(form.led(AbLED8)->colorOn(), clRed);
}

TEST_F(FormEvents, TheFansTurnWithTheAnimationTimer) {
    // At start all six left frames are shown; the first tick leaves exactly one per fan.
    QTRY_VERIFY(form.simulation().state().FrameIndex != 0);
    auto shownCount = [this](std::initializer_list<WidgetId> ids) {
        int n = 0;
        for (WidgetId id : ids)
            n += form.picture(id)->isShown() ? 1 : 0;
        return n;
    };
    EXPECT_EQ(shownCount({Image4, Image5, Image6, Image7, Image8, Image9}), 1);
    EXPECT_EQ(shownCount({Image3, Image10, Image11, Image12, Image13, Image14}), 1);
}

// The system refuses to restart the animation timer: the error is shown in a box titled with the
// program title, the speed caption waits for the next controller tick, the fans stand, and the
// program goes on after OK.
TEST_F(FormEvents, ARefusedTimerStartIsReportedAndTheProgramGoesOn) {
    QTest::keyClick(form.slider(TrackBar1), Qt::Key_End); // 500 ppm: level 1
    QTRY_COMPARE(form.timer(Timer1)->interval(), 150u);

    form.timer(Timer1)->setStartGate([] { return false; });
    QString title, text, captionWhileShown;
    int boxes = 0;
    QTimer poll;
    poll.setInterval(0); // look at the box before the next controller tick
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        ++boxes;
        title = box->windowTitle();
        text = box->text();
        captionWhileShown = form.label(Label12)->caption();
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        box->button(QMessageBox::Ok)->click();
    });
    poll.start();
    QTest::keyClick(form.slider(TrackBar1), Qt::Key_Home); // 2000 ppm: level 3
    QTRY_COMPARE(boxes, 1);
    EXPECT_EQ(title, QStringLiteral("aeris400"));
    EXPECT_EQ(text, QStringLiteral("Nicht genügend Timer verfügbar."));
    EXPECT_EQ(captionWhileShown, QStringLiteral("low"));

    // The next tick sets the same interval, which does nothing, and then the caption.
    QTRY_COMPARE(form.label(Label12)->caption(), QStringLiteral("high"));
    EXPECT_EQ(form.timer(Timer1)->interval(), 15u);
    EXPECT_FALSE(form.timer(Timer1)->isRunning());
    const int frame = form.simulation().state().FrameIndex;
    QTest::qWait(300);
    EXPECT_EQ(form.simulation().state().FrameIndex, frame);
    EXPECT_EQ(boxes, 1);

    // A level with another interval starts the fans again.
    form.timer(Timer1)->setStartGate({});
    QTest::keyClick(form.slider(TrackBar1), Qt::Key_End);
    QTRY_COMPARE(form.timer(Timer1)->interval(), 150u);
    EXPECT_TRUE(form.timer(Timer1)->isRunning());
    QTRY_VERIFY(form.simulation().state().FrameIndex != frame);
}

} // namespace
