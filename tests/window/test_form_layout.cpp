// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "window/Form1.h"
#include "window/kinds/IntervalTimer.h"
#include "window/kinds/LedIndicator.h"
#include "window/kinds/PictureBox.h"
#include "window/kinds/TextLabel.h"
#include "window/kinds/TrackBar.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace aeris;
using enum WidgetId;

namespace {

class FormLayout : public ::testing::Test {
protected:
    TForm1 form{QStringLiteral("aeris400")};
};

TEST_F(FormLayout, CreatesTheComponentsInCreationOrderWhichIsTheStackingOrder) {
    QStringList expected;
    for (std::size_t i = 0; i < kWidgetCount; ++i) {
        const auto id = static_cast<WidgetId>(i);
        ASSERT_NE(form.component(id), nullptr) << nameOf(id);
        EXPECT_EQ(form.component(id)->objectName().toStdString(), nameOf(id));
        if (id != Timer1 && id != Timer2)
            expected << form.component(id)->objectName();
    }
    QStringList stacked;
    for (QObject* child : form.clientArea()->children()) {
        if (child->isWidgetType())
            stacked << child->objectName();
    }
    EXPECT_EQ(stacked, expected);
}

TEST_F(FormLayout, PlacesEveryWidgetAtItsStoredRectangle) {
    struct Case {
        WidgetId id;
        QRect rect;
    };
    // Auto-sized labels keep only their top-left corner; they are checked further below.
    const Case cases[] = {
        {Image1, {0, -16, 1065, 793}}, {AbLED1, {528, 59, 25, 30}},      {AbLED2, {887, 133, 17, 33}},
        {AbLED3, {909, 133, 17, 33}},  {AbLED4, {932, 133, 17, 33}},     {AbLED5, {953, 140, 50, 25}},
        {Image4, {264, 240, 50, 50}},  {Image9, {264, 240, 50, 50}},     {Label1, {864, 448, 81, 13}},
        {AbLED6, {940, 374, 17, 33}},  {AbLED7, {563, 57, 17, 33}},      {AbLED8, {588, 149, 17, 33}},
        {AbLED9, {545, 150, 17, 33}},  {Image3, {136, 256, 50, 50}},     {Image14, {136, 256, 50, 50}},
        {Label12, {176, 344, 95, 38}}, {TrackBar1, {688, 272, 45, 150}}, {TrackBar2, {664, 584, 45, 150}},
    };
    for (const Case& c : cases) {
        auto* widget = qobject_cast<QWidget*>(form.component(c.id));
        EXPECT_EQ(widget->geometry(), c.rect) << nameOf(c.id);
    }
    const std::pair<WidgetId, QPoint> autoSized[] = {
        {Label2, {752, 304}},  {Label3, {752, 344}},  {Label4, {752, 376}}, {Label5, {952, 728}},
        {Label6, {744, 584}},  {Label7, {744, 616}},  {Label8, {582, 703}}, {Label9, {612, 718}},
        {Label10, {664, 360}}, {Label11, {640, 376}},
    };
    for (const auto& [id, topLeft] : autoSized) {
        TextLabel* label = form.label(id);
        EXPECT_EQ(label->pos(), topLeft) << nameOf(id);
        EXPECT_TRUE(label->autoSize()) << nameOf(id);
        const QFontMetrics metrics(label->labelFont());
        EXPECT_EQ(label->size(), QSize(metrics.horizontalAdvance(label->caption()), metrics.height()))
            << nameOf(id);
    }
}

TEST_F(FormLayout, AppliesTheStoredSettingsOfTheLampsSlidersAndTimers) {
    struct Lamp {
        WidgetId id;
        TColor on, off;
        int d;
        bool checked;
        LedIndicator::Mode mode;
    };
    const Lamp lamps[] = {
        {AbLED1, clRed, clLime, 17, false, LedIndicator::Mode::Indicator},
        {AbLED2, clLime, clGray, 13, true, LedIndicator::Mode::Indicator}, // lit by FormCreate
        {AbLED3, clLime, clGray, 13, false, LedIndicator::Mode::Indicator},
        {AbLED4, clLime, clGray, 13, false, LedIndicator::Mode::Indicator},
        {AbLED5, clBlack, cl3DDkShadow, 25, false, LedIndicator::Mode::Button},
        {AbLED6, clLime, clBtnFace, 13, true, LedIndicator::Mode::Indicator},
        {AbLED7, clLime, clBtnFace, 17, true, LedIndicator::Mode::Indicator},
        {AbLED8, clLime, clBtnFace, 17, true, LedIndicator::Mode::Indicator},
        {AbLED9, clLime, clBtnFace, 17, true, LedIndicator::Mode::Indicator},
    };
    for (const Lamp& l : lamps) {
        LedIndicator* led = form.led(l.id);
        EXPECT_EQ(led->colorOn(), l.on) << nameOf(l.id);
        EXPECT_EQ(led->colorOff(), l.off) << nameOf(l.id);
        EXPECT_EQ(led->lampRect().width(), l.d) << nameOf(l.id);
        EXPECT_EQ(led->isChecked(), l.checked) << nameOf(l.id);
        EXPECT_EQ(led->statusInt(), l.checked ? 1 : 0) << nameOf(l.id);
        EXPECT_EQ(led->mode(), l.mode) << nameOf(l.id);
        EXPECT_EQ(led->focusPolicy(), Qt::NoFocus) << nameOf(l.id);
    }
    EXPECT_EQ(form.led(AbLED5)->hint(), QStringLiteral("Lüfungsstufen"));
    EXPECT_TRUE(form.led(AbLED5)->showHint());
    EXPECT_EQ(form.led(AbLED5)->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(form.led(AbLED1)->showHint());

    EXPECT_EQ(form.slider(TrackBar1)->minimum(), 0);
    EXPECT_EQ(form.slider(TrackBar1)->maximum(), 100);
    EXPECT_EQ(form.slider(TrackBar1)->position(), 75);
    EXPECT_EQ(form.slider(TrackBar2)->minimum(), 50);
    EXPECT_EQ(form.slider(TrackBar2)->maximum(), 80);
    EXPECT_EQ(form.slider(TrackBar2)->position(), 80);

    EXPECT_EQ(form.timer(Timer1)->interval(), 200u);
    EXPECT_EQ(form.timer(Timer2)->interval(), 100u);
    EXPECT_TRUE(form.timer(Timer1)->isRunning());
    EXPECT_TRUE(form.timer(Timer2)->isRunning());
}

TEST_F(FormLayout, StartsInTheStateThatFormCreateLeaves) {
    struct Text {
        WidgetId id;
        const char* caption;
        TColor background;
        TColor colour;
    };
    const Text texts[] = {
        {Label1, "875 ppm CO2", clBtnFace, clWindowText},
        {Label2, "CO2", clWhite, clLime},
        {Label3, "875", clWhite, clLime},
        {Label4, "ppm", clWhite, clLime},
        {Label5, "50% r.LF.", clBtnFace, clWindowText},
        {Label6, "50% Rel.", clWhite, clBlue},
        {Label7, "Luftfeuchte", clWhite, clBlue},
        {Label8, "Luftfeuchtigkeit", clWhite, clWindowText},
        {Label9, "einstellen", clWhite, clWindowText},
        {Label10, "CO2", clWhite, clWindowText},
        {Label11, "einstellen", clWhite, clWindowText},
        {Label12, "low", clSilver, clWindowText},
    };
    for (const Text& t : texts) {
        EXPECT_EQ(form.label(t.id)->caption().toStdString(), t.caption) << nameOf(t.id);
        EXPECT_EQ(form.label(t.id)->color(), t.background) << nameOf(t.id);
        EXPECT_EQ(form.label(t.id)->fontColor(), t.colour) << nameOf(t.id);
    }
    // Loading raised no slider report, so every level is still 0.
    const SimulationState& s = form.simulation().state();
    EXPECT_EQ(s.Co2Ppm, 0);
    EXPECT_EQ(s.HumidityPercent, 0);
    EXPECT_EQ(s.Co2Level + s.HumidityLevel + s.StageLevel + s.DemandLevel + s.FrameIndex, 0);

    // Of the right fan only the last frame is shown; of the left fan all six, the last on top.
    for (WidgetId id : {Image4, Image5, Image6, Image7, Image8})
        EXPECT_FALSE(form.picture(id)->isShown()) << nameOf(id);
    for (WidgetId id : {Image9, Image3, Image10, Image11, Image12, Image13, Image14})
        EXPECT_TRUE(form.picture(id)->isShown()) << nameOf(id);
}

TEST_F(FormLayout, WindowCarriesItsCaptionAndTheProgramTitle) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Simulation Ventaro Nubilo Aeris400"));
    EXPECT_EQ(form.windowIconText(), QStringLiteral("aeris400"));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(FormLayout, ShowsScrollBarsExactlyWhenTheClientIsSmallerThanTheLayout) {
    struct Case {
        QSize client;
        bool horizontal, vertical;
    };
    const Case cases[] = {
        {{1067, 778}, false, false},
        {{1000, 778}, true, true}, // the horizontal bar takes height, which makes the vertical one needed
        {{1200, 700}, false, true},
        {{1400, 900}, false, false},
    };
    form.show();
    for (const Case& c : cases) {
        form.resize(c.client);
        QApplication::processEvents();
        EXPECT_EQ(form.scrollArea()->horizontalScrollBar()->isVisible(), c.horizontal) << c.client.width();
        EXPECT_EQ(form.scrollArea()->verticalScrollBar()->isVisible(), c.vertical) << c.client.height();
    }
}

TEST_F(FormLayout, OnlyTheSlidersTakeTheFocusAndTabMovesBetweenThem) {
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    TrackBar* first = form.slider(TrackBar1);
    TrackBar* second = form.slider(TrackBar2);
    EXPECT_TRUE(first->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(second->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(first->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_TRUE(second->hasFocus());
    // Tabbing raised no report.
    EXPECT_EQ(form.simulation().state().Co2Ppm, 0);
    EXPECT_EQ(form.simulation().state().HumidityPercent, 0);
}

} // namespace
