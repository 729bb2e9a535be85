// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "window/Form1.h"
#include "window/kinds/LedIndicator.h"
#include "window/kinds/TextLabel.h"
#include "window/kinds/TrackBar.h"

#include <QAccessible>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using aeris::WidgetId;

class Accessibility : public ::testing::Test {
protected:
    QAccessibleInterface* of(WidgetId id) const {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(form.component(id));
        EXPECT_NE(iface, nullptr) << aeris::nameOf(id);
        return iface;
    }
    QString value(WidgetId id) const { return of(id)->text(QAccessible::Value); }

    aeris::TForm1 form{QStringLiteral("aeris400")};
};

TEST_F(Accessibility, ControlsAndReadingsHaveDistinctNamesDescriptionsAndFittingRoles) {
    struct Case {
        WidgetId id;
        QAccessible::Role role;
        bool focusable;
    };
    const Case cases[] = {
        {WidgetId::TrackBar1, QAccessible::Slider, true},
        {WidgetId::TrackBar2, QAccessible::Slider, true},
        {WidgetId::AbLED5, QAccessible::Button, false},
        {WidgetId::Label1, QAccessible::StaticText, false},
        {WidgetId::Label3, QAccessible::StaticText, false},
        {WidgetId::Label5, QAccessible::StaticText, false},
        {WidgetId::Label6, QAccessible::StaticText, false},
        {WidgetId::Label12, QAccessible::StaticText, false},
    };
    QSet<QString> names;
    for (const Case& c : cases) {
        QAccessibleInterface* iface = of(c.id);
        ASSERT_NE(iface, nullptr);
        const std::string what(aeris::nameOf(c.id));
        EXPECT_EQ(iface->role(), c.role) << what;
        EXPECT_EQ(iface->state().focusable, c.focusable) << what;
        const QString name = iface->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << what;
        EXPECT_FALSE(names.contains(name)) << what << " repeats the name " << name.toStdString();
        names.insert(name);
        EXPECT_FALSE(iface->text(QAccessible::Description).isEmpty()) << what;
    }
}

TEST_F(Accessibility, SliderValuesFollowTheirPositionsAndRanges) {
    for (WidgetId id : {WidgetId::TrackBar1, WidgetId::TrackBar2}) {
        QAccessibleValueInterface* v = of(id)->valueInterface();
        ASSERT_NE(v, nullptr) << aeris::nameOf(id);
        const aeris::TrackBar* slider = form.slider(id);
        EXPECT_EQ(v->currentValue().toInt(), slider->position());
        EXPECT_EQ(v->minimumValue().toInt(), slider->minimum());
        EXPECT_EQ(v->maximumValue().toInt(), slider->maximum());
    }
    QTest::keyClick(form.slider(WidgetId::TrackBar1), Qt::Key_Down);
    EXPECT_EQ(of(WidgetId::TrackBar1)->valueInterface()->currentValue().toInt(), 76);
}

TEST_F(Accessibility, ReadingsSayTheirCaptionsAsTheyChange) {
    const WidgetId readings[] = {WidgetId::Label1, WidgetId::Label3, WidgetId::Label5, WidgetId::Label6,
                                 WidgetId::Label12};
    for (WidgetId id : readings)
        EXPECT_EQ(value(id), form.label(id)->caption()) << aeris::nameOf(id);

    QTest::keyClick(form.slider(WidgetId::TrackBar1), Qt::Key_Down); // 2000 - 15 * 76
    QTest::keyClick(form.slider(WidgetId::TrackBar2), Qt::Key_Up);   // 130 - 79
    EXPECT_EQ(value(WidgetId::Label1), QStringLiteral("860 ppm CO2"));
    EXPECT_EQ(value(WidgetId::Label3), QStringLiteral("860"));
    EXPECT_EQ(value(WidgetId::Label5), QStringLiteral("51% r.LF."));
    EXPECT_EQ(value(WidgetId::Label6), QStringLiteral("51% Rel."));
}

TEST_F(Accessibility, PressingTheStageButtonStepsTheStageLikeAClick) {
    QAccessibleInterface* button = of(WidgetId::AbLED5);
    ASSERT_NE(button->actionInterface(), nullptr);
    ASSERT_TRUE(button->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    const QString before = button->text(QAccessible::Value);

    const int stage = form.simulation().state().StageIndex;
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form.simulation().state().StageIndex, (stage + 1) % 3);
    EXPECT_FALSE(form.led(WidgetId::AbLED5)->isChecked()) << "the button stays down";
    EXPECT_FALSE(button->state().pressed);

    int lit = 0;
    for (WidgetId lamp : {WidgetId::AbLED2, WidgetId::AbLED3, WidgetId::AbLED4})
        lit += form.led(lamp)->isChecked() ? 1 : 0;
    EXPECT_EQ(button->text(QAccessible::Value), QStringLiteral("stage %1 of 3").arg(lit));
    EXPECT_NE(button->text(QAccessible::Value), before);
}

} // namespace
