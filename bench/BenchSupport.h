// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

// Shared by the benchmark programs: a paint meter that sums what the real widgets are asked to
// paint, and the few steps that drive a real TForm1 the way its own timers and the user would.

#include "simulation/WidgetId.h"
#include "window/Form1.h"
#include "window/kinds/IntervalTimer.h"
#include "window/kinds/LedIndicator.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTimerEvent>
#include <map>
#include <string>

namespace aeris::bench {

// Sums the areas of every paint event that reaches a widget. Qt sends a widget a paint event
// only for the part of the dirty region it has to paint, so the sum over all widgets is the
// number of pixels the window painted, counting a pixel twice where two widgets paint it.
class PaintMeter : public QObject {
public:
    PaintMeter() { qApp->installEventFilter(this); }
    ~PaintMeter() override { qApp->removeEventFilter(this); }

    void reset() {
        pixels = 0;
        events = 0;
        byWidget.clear();
    }

    long long pixels{0};
    long long events{0};
    std::map<std::string, long long> byWidget; // objectName or class name -> pixels

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && object->isWidgetType()) {
            long long area = 0;
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
                area += static_cast<long long>(r.width()) * r.height();
            pixels += area;
            ++events;
            const QString name = object->objectName().isEmpty()
                                     ? QString::fromLatin1(object->metaObject()->className())
                                     : object->objectName();
            byWidget[name.toStdString()] += area;
        }
        return false;
    }
};

// The id under which the event dispatcher runs an IntervalTimer's countdown, or 0.
inline int timerIdOf(QObject* timer) {
    const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(timer);
    return timers.isEmpty() ? 0 : timers.first().timerId;
}

// One tick of a timer, delivered the way the event dispatcher delivers it, followed by the
// repaint that the event loop would do before the next tick. No other timer gets to run.
inline void tick(TForm1& form, WidgetId timer) {
    QObject* t = form.component(timer);
    QTimerEvent event(timerIdOf(t));
    QCoreApplication::sendEvent(t, &event);
    QCoreApplication::sendPostedEvents();
}

// A left click on the wall switch's button: one step of the ventilation stage.
inline void clickStageButton(TForm1& form) {
    QWidget* button = form.led(WidgetId::AbLED5);
    const QPointF at(button->width() / 2.0, button->height() / 2.0);
    const QPointF global = button->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &release);
}

// Starting from stage 0, the n-th click gives stage levels 2, 3, 1, 2, ...; the controller's
// next tick turns the level into the animation pace: 1 "low" 150 ms, 2 "medium" 35 ms,
// 3 "high" 15 ms.
inline int clicksFor(std::uint32_t intervalMs) {
    switch (intervalMs) {
    case 150:
        return 3;
    case 35:
        return 1;
    case 15:
        return 2;
    default:
        return 0; // 200 ms: the layout's pace before any input
    }
}

// Runs the event loop until the window has been painted once and no work is waiting.
inline void settle(int ms = 300) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace aeris::bench
