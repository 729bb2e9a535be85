// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

// Shared by the widget kind tests: readable failure messages, a window in a ground colour of
// its own to put a widget on, and a log of the paint and press events that a widget receives.

#include <QCoreApplication>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <ostream>

inline void PrintTo(const QColor& colour, std::ostream* os) {
    *os << colour.name().toStdString();
}
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}
inline void PrintTo(const QSize& s, std::ostream* os) {
    *os << s.width() << "x" << s.height();
}

namespace aeris::test {

// A colour that none of the widgets under test draws, so that what shows through is plain.
inline const QColor kGround(20, 40, 160);

// A top-level window filled with the ground colour.
class GroundWindow : public QWidget {
public:
    explicit GroundWindow(QSize size) {
        QPalette ground = palette();
        ground.setColor(QPalette::Window, kGround);
        setPalette(ground);
        setAutoFillBackground(true);
        resize(size);
    }

    bool showExposed() {
        show();
        return QTest::qWaitForWindowExposed(this);
    }

    // What the window shows now, not a fresh rendering.
    QImage screenShot() const { return screen()->grabWindow(winId()).toImage(); }
    QColor onScreen(const QWidget* widget, QPoint pos) const {
        return screenShot().pixelColor(widget->mapTo(this, pos));
    }
};

// A repaint that was asked for while painting is only delivered by the next pass.
inline void flushRepaints() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// Counts the paint events of one widget with the area they covered, and its presses.
class EventLog : public QObject {
public:
    explicit EventLog(QWidget* widget) { widget->installEventFilter(this); }
    int paints{0};
    QRegion painted;
    int presses{0};

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            painted += static_cast<QPaintEvent*>(event)->region();
        } else if (event->type() == QEvent::MouseButtonPress) {
            ++presses;
        }
        return false;
    }
};

} // namespace aeris::test
