// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "window/Accessibility.h"

#include "window/Form1.h"
#include "window/kinds/LedIndicator.h"
#include "window/kinds/TextLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <functional>

namespace aeris {

namespace {

// Names are English; the values are what the window shows, so the readings stay in German.
struct Description {
    WidgetId id;
    const char* name;
    const char* description;
};

constexpr Description kDescriptions[] = {
    {WidgetId::TrackBar1, "CO2 concentration",
     "Sets the simulated CO2 concentration: 2000 ppm at the top (position 0) down to 500 ppm at the "
     "bottom (position 100), 15 ppm per step."},
    {WidgetId::TrackBar2, "Relative humidity",
     "Sets the simulated relative humidity: 80 percent at the top (position 50) down to 50 percent at "
     "the bottom (position 80), 1 percent per step."},
    {WidgetId::AbLED5, "Ventilation stage",
     "Button of the wall switch: each press steps to the next of three ventilation stages."},
    {WidgetId::Label1, "CO2 at the sensor", "Small reading on the sensor: the simulated CO2 concentration."},
    {WidgetId::Label3, "CO2 in ppm",
     "Large reading of the simulated CO2 concentration; its colour shows the demand: green low, orange "
     "medium, red high."},
    {WidgetId::Label5, "Humidity at the probe",
     "Small reading at the probe: the simulated relative humidity."},
    {WidgetId::Label6, "Humidity reading",
     "Large reading of the simulated relative humidity; its colour shows the demand: green low, orange "
     "medium, red high."},
    {WidgetId::Label12, "Fan speed",
     "The pace at which the controller turns the fans, set by the highest demand: low, medium or high."},
};

// A widget's value for a screen reader when the widget itself does not know it; kept as a child
// so that it goes away with the widget.
class ValueText : public QObject {
public:
    ValueText(QObject* owner, std::function<QString()> text) : QObject(owner), m_text(std::move(text)) {}
    QString operator()() const { return m_text(); }

private:
    std::function<QString()> m_text;
};

const ValueText* valueTextOf(const QObject* object) {
    for (const QObject* child : object->children()) {
        if (const auto* value = dynamic_cast<const ValueText*>(child))
            return value;
    }
    return nullptr;
}

// A reading: static text whose value is its caption, read anew at every question.
class LabelInterface : public QAccessibleWidget {
public:
    explicit LabelInterface(TextLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const QString caption = static_cast<const TextLabel*>(object())->caption();
        if (t == QAccessible::Value)
            return caption;
        const QString text = QAccessibleWidget::text(t);
        return t == QAccessible::Name && text.isEmpty() ? caption : text;
    }
};

// An LED is a push button in button mode, otherwise a lamp. Pressing it from a screen reader is a
// left click at its centre, so the same handlers run as for the mouse.
class LedInterface : public QAccessibleWidget {
public:
    explicit LedInterface(LedIndicator* led) : QAccessibleWidget(led) {}

    QAccessible::Role role() const override {
        return isButton() ? QAccessible::Button : QAccessible::Indicator;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = isButton() && led()->isChecked();
        return s;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            const ValueText* value = valueTextOf(object());
            return value ? (*value)() : QString();
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        return isButton() ? QStringList{pressAction()} : QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (!isButton() || action != pressAction())
            return QAccessibleWidget::doAction(action);
        const QPointF centre = QRectF(led()->rect()).center();
        const QPointF global = led()->mapToGlobal(centre);
        QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(led(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(led(), &release);
    }

private:
    LedIndicator* led() const { return static_cast<LedIndicator*>(object()); }
    bool isButton() const { return led()->mode() == LedIndicator::Mode::Button; }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
    if (className == QLatin1String(TextLabel::staticMetaObject.className()))
        return new LabelInterface(static_cast<TextLabel*>(object));
    if (className == QLatin1String(LedIndicator::staticMetaObject.className()))
        return new LedInterface(static_cast<LedIndicator*>(object));
    return nullptr;
}

// An interface that a screen reader asked for while the window was being built came from Qt's
// plain widget factory; it is dropped so that the next question gets ours.
void dropForeignInterface(QObject* object) {
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    if (iface && !dynamic_cast<LabelInterface*>(iface) && !dynamic_cast<LedInterface*>(iface))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

// The stage is the number of lit lamps on the pictured wall switch.
QString stageText(const QList<QPointer<LedIndicator>>& lamps) {
    qsizetype lit = 0;
    for (const QPointer<LedIndicator>& lamp : lamps)
        lit += lamp && lamp->isChecked() ? 1 : 0;
    return lit == 0 ? QStringLiteral("no stage chosen yet") : QStringLiteral("stage %1 of 3").arg(lit);
}

} // namespace

void describeForScreenReaders(TForm1& form) {
    static const bool factoryInstalled = (QAccessible::installFactory(&interfaceFor), true);
    Q_UNUSED(factoryInstalled);

    for (const Description& d : kDescriptions) {
        auto* widget = qobject_cast<QWidget*>(form.component(d.id));
        dropForeignInterface(widget);
        widget->setAccessibleName(QString::fromUtf8(d.name));
        widget->setAccessibleDescription(QString::fromUtf8(d.description));
    }

    const QList<QPointer<LedIndicator>> lamps{form.led(WidgetId::AbLED2), form.led(WidgetId::AbLED3),
                                              form.led(WidgetId::AbLED4)};
    new ValueText(form.led(WidgetId::AbLED5), [lamps] { return stageText(lamps); });
}

} // namespace aeris
