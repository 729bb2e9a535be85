// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
//
// Random user input against the real window: seeded sequences of key presses, drags, clicks,
// wheel turns, resizes and minimise/restore, all sent through the window system's entry point so
// that focus, grabs, double-click detection and propagation work as they do for a person, with
// the event loop running between them so that both timers tick. After every action the window
// must show a consistent state.
//
// AERIS_STRESS_SEED=<n> runs that one seed; AERIS_STRESS_ACTIONS=<n> sets the actions per seed.
// A failure prints the seed, the action number and the last actions, ready to replay.
#include "window/Form1.h"
#include "window/kinds/IntervalTimer.h"
#include "window/kinds/LedIndicator.h"
#include "window/kinds/PictureBox.h"
#include "window/kinds/TextLabel.h"
#include "window/kinds/TrackBar.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <QWheelEvent>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace aeris;
using enum WidgetId;

namespace {

// What the window must show, written out again from the rules rather than taken from the code.
struct Band {
    int low, high, level;
    TColor lamp, reading;
};
constexpr std::array<Band, 3> kCo2Bands{
    {{0, 999, 1, clLime, clLime}, {1000, 1499, 2, clOrange, clOrange}, {1500, 2000, 3, clRed, clRed}}};
constexpr std::array<Band, 3> kHumidityBands{
    {{0, 59, 1, clLime, clBlue}, {60, 69, 2, clOrange, clOrange}, {70, 100, 3, clRed, clRed}}};
constexpr std::array<TColor, 3> kStageColours{clLime, clOrange, clRed};
constexpr std::array<std::uint32_t, 4> kIntervals{200, 150, 35, 15}; // by demand level, 0 = layout
constexpr std::array<const char*, 4> kSpeedCaptions{"low", "low", "medium", "high"};
constexpr std::array<WidgetId, 6> kRightFan{Image4, Image5, Image6, Image7, Image8, Image9};
constexpr std::array<WidgetId, 6> kLeftFan{Image14, Image13, Image12, Image11, Image10, Image3};

const Band& bandOf(const std::array<Band, 3>& bands, int value) {
    for (const Band& band : bands) {
        if (value >= band.low && value <= band.high)
            return band;
    }
    ADD_FAILURE() << "value " << value << " lies in no band";
    return bands[0];
}

int envInt(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return (text && *text) ? std::atoi(text) : fallback;
}

std::string hex(TColor c) {
    std::ostringstream out;
    out << "$" << std::hex << std::uppercase << c;
    return out.str();
}

// Counts the ticks that reach the two timers and notes the levels that each controller tick
// sees, since the handler computes its maximum from exactly those.
class TickWatch : public QObject {
public:
    TickWatch(TForm1& form) : m_form(form) {
        form.timer(Timer1)->installEventFilter(this);
        form.timer(Timer2)->installEventFilter(this);
    }
    int animationTicks{0};
    int controllerTicks{0};
    int demandAtLastControllerTick{0};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Timer)
            return false;
        if (watched == m_form.timer(Timer1)) {
            ++animationTicks;
        } else {
            ++controllerTicks;
            const SimulationState& s = m_form.simulation().state();
            demandAtLastControllerTick = std::max({0, s.HumidityLevel, s.StageLevel, s.Co2Level});
        }
        return false;
    }

private:
    TForm1& m_form;
};

class StressRun {
public:
    StressRun(std::uint32_t seed, int actions) : m_seed(seed), m_actions(actions), m_random(seed) {
        QObject::connect(m_form.slider(TrackBar1), &TrackBar::changeReported, [this] { ++m_reports[0]; });
        QObject::connect(m_form.slider(TrackBar2), &TrackBar::changeReported, [this] { ++m_reports[1]; });
        // A right click on a scroll bar opens its menu, which runs a loop of its own until the user
        // dismisses it; this user does that with Escape a moment later.
        m_popupCloser.setInterval(30);
        QObject::connect(&m_popupCloser, &QTimer::timeout, [this] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                note("Escape on a popup menu");
                QTest::keyClick(popup, Qt::Key_Escape);
            }
        });
        m_popupCloser.start();
    }

    // Empty when every action left a consistent window; otherwise what went wrong and how to
    // replay it.
    std::string run() {
        m_form.showAtStoredPlace();
        m_form.activateWindow();
        if (!QTest::qWaitForWindowActive(&m_form))
            return "the window never became active";
        m_window = m_form.windowHandle();
        if (std::string problem = check(); !problem.empty())
            return report(0, "at start: " + problem);
        for (int i = 1; i <= m_actions; ++i) {
            std::string problem = act();
            if (problem.empty())
                problem = check();
            if (problem.empty()) {
                idle(chance(5) ? pick(20, 100) : pick(0, 4));
                problem = check();
            }
            if (!problem.empty())
                return report(i, problem);
        }
        if (m_ticks.animationTicks == 0 || m_ticks.controllerTicks == 0)
            return report(m_actions, "the timers never ticked");
        return {};
    }

    int animationTicks() const { return m_ticks.animationTicks; }
    int controllerTicks() const { return m_ticks.controllerTicks; }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool chance(int percent) { return pick(0, 99) < percent; }

    void note(std::string what) {
        m_log.push_back(std::move(what));
        if (m_log.size() > 25)
            m_log.pop_front();
    }

    std::string report(int action, const std::string& problem) {
        std::ostringstream out;
        out << "seed " << m_seed << ", action " << action << " of " << m_actions << ": " << problem
            << "\nlast actions:";
        for (const std::string& line : m_log)
            out << "\n  " << line;
        out << "\nreplay: AERIS_STRESS_SEED=" << m_seed << " AERIS_STRESS_ACTIONS=" << action << " "
            << QCoreApplication::applicationFilePath().toStdString();
        return out.str();
    }

    // Lets the event loop run, so timers tick and repaints happen.
    void idle(int milliseconds) {
        if (milliseconds == 0)
            QCoreApplication::processEvents();
        else
            QTest::qWait(milliseconds);
    }

    /*********************
     *  POINTING
     *********************/

    QPoint inWindow(QWidget* widget, QPoint local) const { return widget->mapTo(&m_form, local); }

    // The widget that the window system hands a press at this window point to.
    QWidget* under(QPoint windowPoint) const { return m_form.childAt(windowPoint); }

    // Scrolls, as a user would, until the point of the widget is in view; false if the window is
    // too small for that.
    bool bringIntoView(QWidget* widget, QPoint local) {
        if (under(inWindow(widget, local)) == widget)
            return true;
        m_form.scrollArea()->ensureWidgetVisible(widget, 0, 0);
        idle(0);
        return under(inWindow(widget, local)) == widget;
    }

    QPoint clampToWindow(QPoint p) const {
        return {std::clamp(p.x(), 0, m_form.width() - 1), std::clamp(p.y(), 0, m_form.height() - 1)};
    }

    Qt::MouseButton anyButton() {
        const int n = pick(0, 9);
        return n < 6 ? Qt::LeftButton : n < 8 ? Qt::RightButton : Qt::MiddleButton;
    }

    static const char* buttonName(Qt::MouseButton b) {
        return b == Qt::LeftButton ? "left" : b == Qt::RightButton ? "right" : "middle";
    }

    /*********************
     *  ACTIONS
     *********************/

    // One user action; returns a problem found while checking its direct effect.
    std::string act() {
        if (m_minimised) {
            // A minimised window takes no input: time passes until the user restores it.
            if (chance(60)) {
                idle(pick(0, 60));
                note("wait while minimised");
                return {};
            }
            note("restore");
            m_minimised = false;
            m_form.showNormal();
            m_form.activateWindow();
            if (!QTest::qWaitForWindowActive(&m_form))
                return "the window did not become active again after restoring";
            return {};
        }
        const int n = pick(0, 99);
        if (n < 30)
            return sliderKey();
        if (n < 36)
            return tab();
        if (n < 39)
            return otherKey();
        if (n < 49)
            return drag();
        if (n < 57)
            return channelClick();
        if (n < 75)
            return stageButton();
        if (n < 86)
            return clickAnywhere();
        if (n < 93)
            return wheel();
        if (n < 97)
            return resize();
        if (n < 98) {
            note("minimise");
            m_minimised = true;
            m_form.showMinimized();
            idle(0);
            return {};
        }
        return wait();
    }

    // The fans never stand still: a pause longer than two frames of the slowest pace in play
    // sees the animation tick.
    std::string wait() {
        const int ms = pick(20, 450);
        const std::uint32_t before = m_form.timer(Timer1)->interval();
        const int ticks = m_ticks.animationTicks;
        note("wait " + std::to_string(ms) + " ms");
        idle(ms);
        const auto slowest = static_cast<int>(std::max(before, m_form.timer(Timer1)->interval()));
        if (ms >= 2 * slowest + 50 && m_ticks.animationTicks == ticks)
            return "the fans stood still for " + std::to_string(ms) + " ms at " + std::to_string(slowest) +
                   " ms per frame";
        return {};
    }

    TrackBar* focusedSlider() const { return qobject_cast<TrackBar*>(m_form.focusWidget()); }
    int sliderIndex(const TrackBar* slider) const { return slider == m_form.slider(TrackBar1) ? 0 : 1; }

    // Snapshot of what the sliders and the stage are before an action, to check its effect.
    struct Before {
        int positions[2];
        int reports[2];
        int stage;
        int stageLevel;
    };
    Before before() const {
        const SimulationState& s = m_form.simulation().state();
        return {{m_form.slider(TrackBar1)->position(), m_form.slider(TrackBar2)->position()},
                {m_reports[0], m_reports[1]},
                s.StageIndex,
                s.StageLevel};
    }

    // Neither slider moved nor reported: nothing but the slider's own input makes it report.
    std::string slidersUntouched(const Before& b) const {
        for (int i = 0; i < 2; ++i) {
            const TrackBar* slider = m_form.slider(i == 0 ? TrackBar1 : TrackBar2);
            if (slider->position() != b.positions[i] || m_reports[i] != b.reports[i])
                return "TrackBar" + std::to_string(i + 1) + " moved from " + std::to_string(b.positions[i]) +
                       " to " + std::to_string(slider->position()) + " or reported (" +
                       std::to_string(m_reports[i] - b.reports[i]) + " times) without being operated";
        }
        return {};
    }

    std::string stageSteppedBy(const Before& b, int steps) const {
        const int expected = (b.stage + steps) % 3;
        const SimulationState& s = m_form.simulation().state();
        if (s.StageIndex != expected)
            return "stage index " + std::to_string(s.StageIndex) + ", expected " + std::to_string(expected) +
                   " after " + std::to_string(steps) + " step(s)";
        if (steps > 0 && s.StageLevel != expected + 1)
            return "stage level " + std::to_string(s.StageLevel) + " after a click";
        if (steps == 0 && s.StageLevel != b.stageLevel)
            return "stage level changed without a click";
        return {};
    }

    std::string sliderKey() {
        static constexpr std::array<std::pair<Qt::Key, const char*>, 8> kKeys{{{Qt::Key_Up, "Up"},
                                                                               {Qt::Key_Down, "Down"},
                                                                               {Qt::Key_Left, "Left"},
                                                                               {Qt::Key_Right, "Right"},
                                                                               {Qt::Key_PageUp, "PageUp"},
                                                                               {Qt::Key_PageDown, "PageDown"},
                                                                               {Qt::Key_Home, "Home"},
                                                                               {Qt::Key_End, "End"}}};
        const auto [key, name] = kKeys[static_cast<std::size_t>(pick(0, 7))];
        TrackBar* slider = focusedSlider();
        if (!slider)
            return "no slider has the focus";
        const Before b = before();
        const int i = sliderIndex(slider);
        const int p = b.positions[i];
        int target = p;
        switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            target = p - 1;
            break;
        case Qt::Key_Down:
        case Qt::Key_Right:
            target = p + 1;
            break;
        case Qt::Key_PageUp:
            target = p - 2;
            break;
        case Qt::Key_PageDown:
            target = p + 2;
            break;
        case Qt::Key_Home:
            target = slider->minimum();
            break;
        default:
            target = slider->maximum();
            break;
        }
        target = std::clamp(target, slider->minimum(), slider->maximum());
        const int held = chance(10) ? pick(10, 100) : 0;
        note(std::string("key ") + name + " on TrackBar" + std::to_string(i + 1) + " at " +
             std::to_string(p) + (held ? ", held " + std::to_string(held) + " ms" : ""));
        QTest::keyPress(m_window, key);
        if (held)
            idle(held);
        QTest::keyRelease(m_window, key);
        idle(0);
        if (slider->position() != target)
            return "position " + std::to_string(slider->position()) + ", expected " + std::to_string(target);
        // One report for the step and one for the release.
        if (m_reports[i] - b.reports[i] != 2)
            return std::to_string(m_reports[i] - b.reports[i]) + " reports for one key press, expected 2";
        return {};
    }

    std::string tab() {
        const bool back = chance(30);
        TrackBar* from = focusedSlider();
        note(back ? "shift+tab" : "tab");
        const Before b = before();
        QTest::keyClick(m_window, back ? Qt::Key_Backtab : Qt::Key_Tab,
                        back ? Qt::ShiftModifier : Qt::NoModifier);
        idle(0);
        TrackBar* to = focusedSlider();
        if (!from || !to || from == to)
            return "Tab did not move the focus from one slider to the other";
        return slidersUntouched(b);
    }

    std::string otherKey() {
        static constexpr std::array<Qt::Key, 5> kKeys{Qt::Key_Space, Qt::Key_A, Qt::Key_Escape,
                                                      Qt::Key_Return, Qt::Key_5};
        const Qt::Key key = kKeys[static_cast<std::size_t>(pick(0, 4))];
        note("key code " + std::to_string(key));
        const Before b = before();
        QTest::keyClick(m_window, key);
        idle(0);
        if (std::string problem = slidersUntouched(b); !problem.empty())
            return problem;
        return stageSteppedBy(b, 0);
    }

    TrackBar* anySlider() { return m_form.slider(chance(50) ? TrackBar1 : TrackBar2); }

    // Press on the thumb, move through random rows (past the ends too) and let go.
    std::string drag() {
        TrackBar* slider = anySlider();
        const int i = sliderIndex(slider);
        const QPoint thumb = slider->thumbRect().center();
        if (!bringIntoView(slider, thumb)) {
            note("drag skipped: thumb out of view");
            return {};
        }
        const Before b = before();
        const int moves = pick(1, 6);
        int endRow = thumb.y();
        note("drag TrackBar" + std::to_string(i + 1) + " from " + std::to_string(b.positions[i]) + " in " +
             std::to_string(moves) + " moves");
        QTest::mousePress(m_window, Qt::LeftButton, {}, inWindow(slider, thumb));
        int path = 0;
        int last = b.positions[i];
        for (int k = 0; k < moves; ++k) {
            endRow = pick(-40, slider->height() + 40);
            const QPoint to = clampToWindow(inWindow(slider, {thumb.x() + pick(-30, 30), endRow}));
            endRow = slider->mapFrom(&m_form, to).y();
            QTest::mouseMove(m_window, to);
            path += std::abs(slider->position() - last);
            last = slider->position();
            if (chance(30))
                idle(pick(0, 40));
        }
        QTest::mouseRelease(m_window, Qt::LeftButton, {},
                            clampToWindow(inWindow(slider, {thumb.x(), endRow})));
        idle(0);
        path += std::abs(slider->position() - last);

        // The thumb follows the pointer row and stops at the ends.
        const int top = slider->yForPosition(slider->minimum());
        const int bottom = slider->yForPosition(slider->maximum());
        const int p = slider->position();
        if (endRow <= top && p != slider->minimum())
            return "dragged past the top end but the position is " + std::to_string(p);
        if (endRow >= bottom && p != slider->maximum())
            return "dragged past the bottom end but the position is " + std::to_string(p);
        const int range = slider->maximum() - slider->minimum();
        const int halfStep = (bottom - top + range - 1) / range / 2 + 1;
        if (endRow > top && endRow < bottom && std::abs(slider->yForPosition(p) - endRow) > halfStep)
            return "the thumb stopped at row " + std::to_string(slider->yForPosition(p)) +
                   ", the pointer at " + std::to_string(endRow);
        // A report for the press, one per position passed and one for the release.
        if (m_reports[i] - b.reports[i] != 2 + path)
            return std::to_string(m_reports[i] - b.reports[i]) + " reports for a drag over " +
                   std::to_string(path) + " positions";
        if (m_form.focusWidget() != slider)
            return "a drag did not give the slider the focus";
        return {};
    }

    // A press on the channel beside the thumb pages towards the pointer, and on while held.
    std::string channelClick() {
        TrackBar* slider = anySlider();
        const int i = sliderIndex(slider);
        const QRect thumb = slider->thumbRect();
        const int x = slider->channelRect().center().x();
        const bool below = chance(50);
        const int fromY = below ? thumb.bottom() + 1 : 0;
        const int toY = below ? slider->height() - 1 : thumb.top() - 1;
        if (fromY > toY) {
            note("channel click skipped: the thumb is at that end");
            return {};
        }
        const QPoint at(x, pick(fromY, toY));
        if (!bringIntoView(slider, at)) {
            note("channel click skipped: out of view");
            return {};
        }
        const Before b = before();
        const int held = chance(12) ? pick(100, 600) : 0;
        note(std::string("channel click ") + (below ? "below" : "above") + " the thumb of TrackBar" +
             std::to_string(i + 1) + " at " + std::to_string(b.positions[i]) + ", held " +
             std::to_string(held) + " ms");
        QTest::mousePress(m_window, Qt::LeftButton, {}, inWindow(slider, at));
        if (held)
            idle(held);
        QTest::mouseRelease(m_window, Qt::LeftButton, {}, inWindow(slider, at));
        idle(0);
        const int p = slider->position();
        const int moved = p - b.positions[i];
        const bool atEnd = b.positions[i] == (below ? slider->maximum() : slider->minimum());
        if (!atEnd && (below ? moved <= 0 : moved >= 0))
            return "a channel click moved the thumb by " + std::to_string(moved) +
                   " instead of towards the pointer";
        // It pages towards the pointer and stops within a page past it.
        int pointerPosition = slider->minimum();
        for (int q = slider->minimum(); q <= slider->maximum(); ++q) {
            if (std::abs(slider->yForPosition(q) - at.y()) <
                std::abs(slider->yForPosition(pointerPosition) - at.y()))
                pointerPosition = q;
        }
        if (below ? p > pointerPosition + slider->pageStep() + 1
                  : p < pointerPosition - slider->pageStep() - 1)
            return "a channel click took the thumb to " + std::to_string(p) + ", past the pointer at " +
                   std::to_string(pointerPosition);
        if (m_reports[i] - b.reports[i] < 2)
            return "a channel click reported " + std::to_string(m_reports[i] - b.reports[i]) + " times";
        return {};
    }

    // Left, right and middle clicks, double clicks and press-drag-away on the stage button.
    std::string stageButton() {
        LedIndicator* button = m_form.led(AbLED5);
        const QPoint local(pick(0, button->width() - 1), pick(0, button->height() - 1));
        if (!bringIntoView(button, local)) {
            note("stage button out of view");
            return {};
        }
        const Qt::MouseButton which = anyButton();
        const QPoint at = inWindow(button, local);
        const Before b = before();
        const int kind = pick(0, 9);
        int steps = 0;
        bool downAfter = false;
        if (kind < 6) {
            note(std::string(buttonName(which)) + " click on AbLED5");
            QTest::mouseClick(m_window, which, {}, at);
            steps = which == Qt::LeftButton ? 1 : 0;
        } else if (kind < 8) {
            note(std::string(buttonName(which)) + " double click on AbLED5");
            QTest::mouseDClick(m_window, which, {}, at);
            steps = which == Qt::LeftButton ? 1 : 0;
        } else {
            // Pressed on the button, let go somewhere else in the window.
            const QRect buttonRect(inWindow(button, {0, 0}), button->size());
            QPoint away;
            do {
                away = QPoint(pick(0, m_form.width() - 1), pick(0, m_form.height() - 1));
            } while (buttonRect.contains(away));
            note(std::string(buttonName(which)) + " press on AbLED5, released away from it");
            QTest::mousePress(m_window, which, {}, at);
            if (!button->isChecked())
                return "the stage button does not look pressed while held";
            QTest::mouseMove(m_window, away);
            QTest::mouseRelease(m_window, which, {}, away);
            // Only the left button is captured; other releases away from it do not reach it.
            downAfter = which != Qt::LeftButton;
        }
        idle(0);
        if (button->isChecked() != downAfter)
            return std::string("the stage button is ") + (downAfter ? "up" : "still down") +
                   " after the release";
        if (std::string problem = slidersUntouched(b); !problem.empty())
            return problem;
        return stageSteppedBy(b, steps);
    }

    // Any button at any point of the window: on the background, labels, lamps, fans, scroll bars.
    std::string clickAnywhere() {
        const QPoint at(pick(0, m_form.width() - 1), pick(0, m_form.height() - 1));
        QWidget* target = under(at);
        const Qt::MouseButton which = anyButton();
        const bool twice = chance(25);
        std::string name = "nothing";
        if (target)
            name = target->objectName().isEmpty() ? target->metaObject()->className()
                                                  : target->objectName().toStdString();
        note(std::string(buttonName(which)) + (twice ? " double click" : " click") + " at (" +
             std::to_string(at.x()) + "," + std::to_string(at.y()) + ") on " + name);
        const Before b = before();
        const bool onStageButton = target == m_form.led(AbLED5);
        const bool onSlider = qobject_cast<TrackBar*>(target) != nullptr;
        if (twice)
            QTest::mouseDClick(m_window, which, {}, at);
        else
            QTest::mouseClick(m_window, which, {}, at);
        idle(0);
        if (!onSlider) {
            if (std::string problem = slidersUntouched(b); !problem.empty())
                return problem;
        }
        return stageSteppedBy(b, onStageButton && which == Qt::LeftButton ? 1 : 0);
    }

    std::string wheel() {
        // Mostly over a slider, sometimes anywhere; whole notches only, up or down.
        TrackBar* slider = anySlider();
        QPoint at;
        if (chance(75)) {
            const QPoint local(pick(0, slider->width() - 1), pick(0, slider->height() - 1));
            if (!bringIntoView(slider, local)) {
                note("wheel skipped: slider out of view");
                return {};
            }
            at = inWindow(slider, local);
        } else {
            at = QPoint(pick(0, m_form.width() - 1), pick(0, m_form.height() - 1));
        }
        const int notches = pick(1, 3) * (chance(50) ? 1 : -1);
        auto* target = qobject_cast<TrackBar*>(under(at));
        // The wheel turns only the slider that really has the focus, which needs the window to be
        // active as well; after a popup or a minimise the activation can come back a little later.
        const bool focused = target && target->hasFocus();
        const Before b = before();
        note("wheel " + std::to_string(notches) + " notch(es) at (" + std::to_string(at.x()) + "," +
             std::to_string(at.y()) + ")" +
             (target ? " over TrackBar" + std::to_string(sliderIndex(target) + 1) : ""));
        QWheelEvent event(at, m_window->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&event);
        QCoreApplication::sendEvent(m_window, &event);
        idle(0);
        if (!focused)
            return slidersUntouched(b);
        // Turning away from the user moves towards the top end, one line per notch.
        const int i = sliderIndex(target);
        const int expected = std::clamp(b.positions[i] - notches, target->minimum(), target->maximum());
        if (target->position() != expected)
            return "the wheel left the position at " + std::to_string(target->position()) + ", expected " +
                   std::to_string(expected);
        if (m_reports[i] - b.reports[i] != std::abs(notches))
            return std::to_string(m_reports[i] - b.reports[i]) + " reports for " + std::to_string(notches) +
                   " wheel notches";
        return {};
    }

    std::string resize() {
        const Before b = before();
        QSize size(pick(300, 1400), pick(200, 1000));
        if (chance(40))
            size = QSize(1075, 812);
        note("resize to " + std::to_string(size.width()) + "x" + std::to_string(size.height()));
        m_form.resize(size);
        idle(0);
        if (chance(15)) {
            note("maximise and back");
            m_form.showMaximized();
            idle(pick(0, 30));
            m_form.showNormal();
            idle(0);
        }
        return slidersUntouched(b);
    }

    /*********************
     *  INVARIANTS
     *********************/

    std::string check() {
        const SimulationState& s = m_form.simulation().state();
        std::vector<std::string> problems;
        auto expect = [&problems](bool ok, const std::string& what) {
            if (!ok)
                problems.push_back(what);
        };
        auto caption = [this](WidgetId id) { return m_form.label(id)->caption().toStdString(); };
        auto font = [this](WidgetId id) { return m_form.label(id)->fontColor(); };
        auto on = [this](WidgetId id) { return m_form.led(id)->colorOn(); };

        // Readings and colours follow the slider positions by the formulas and bands.
        const int p1 = m_form.slider(TrackBar1)->position();
        const int p2 = m_form.slider(TrackBar2)->position();
        expect(p1 >= 0 && p1 <= 100, "TrackBar1 at " + std::to_string(p1));
        expect(p2 >= 50 && p2 <= 80, "TrackBar2 at " + std::to_string(p2));
        const int ppm = 2000 - 15 * p1;
        const int humidity = 130 - p2;
        expect(caption(Label1) == std::to_string(ppm) + " ppm CO2",
               "Label1 '" + caption(Label1) + "' at " + std::to_string(p1));
        expect(caption(Label3) == std::to_string(ppm),
               "Label3 '" + caption(Label3) + "' at " + std::to_string(p1));
        expect(caption(Label6) == std::to_string(humidity) + "% Rel.", "Label6 '" + caption(Label6) + "'");
        expect(caption(Label5) == std::to_string(humidity) + "% r.LF.", "Label5 '" + caption(Label5) + "'");
        const Band& co2 = bandOf(kCo2Bands, ppm);
        for (WidgetId id : {AbLED6, AbLED7})
            expect(on(id) == co2.lamp, std::string(nameOf(id)) + " on-colour " + hex(on(id)) + " at " +
                                           std::to_string(ppm) + " ppm");
        for (WidgetId id : {Label2, Label3, Label4})
            expect(font(id) == co2.reading, std::string(nameOf(id)) + " font colour " + hex(font(id)) +
                                                " at " + std::to_string(ppm) + " ppm");
        const Band& hum = bandOf(kHumidityBands, humidity);
        expect(on(AbLED8) == hum.lamp,
               "AbLED8 on-colour " + hex(on(AbLED8)) + " at " + std::to_string(humidity) + "%");
        for (WidgetId id : {Label6, Label7})
            expect(font(id) == hum.reading, std::string(nameOf(id)) + " font colour " + hex(font(id)) +
                                                " at " + std::to_string(humidity) + "%");
        // The level of a channel is that of its band once its slider has reported, 0 before.
        expect(s.Co2Level == (m_reports[0] > 0 ? co2.level : 0), "Co2Level " + std::to_string(s.Co2Level));
        expect(s.HumidityLevel == (m_reports[1] > 0 ? hum.level : 0),
               "HumidityLevel " + std::to_string(s.HumidityLevel));

        // The lit switch lamps and the board lamp show the stage.
        expect(s.StageIndex >= 0 && s.StageIndex <= 2, "StageIndex " + std::to_string(s.StageIndex));
        const int stage = std::clamp(s.StageIndex, 0, 2);
        const WidgetId lamps[] = {AbLED2, AbLED3, AbLED4};
        for (int k = 0; k < 3; ++k)
            expect(m_form.led(lamps[k])->isChecked() == (k <= stage),
                   std::string(nameOf(lamps[k])) + " lit state wrong at stage " + std::to_string(stage + 1));
        expect(m_form.led(AbLED1)->colorOff() == kStageColours[static_cast<std::size_t>(stage)],
               "AbLED1 off-colour " + hex(m_form.led(AbLED1)->colorOff()) + " at stage " +
                   std::to_string(stage + 1));
        expect(s.StageLevel == 0 || s.StageLevel == stage + 1, "StageLevel " + std::to_string(s.StageLevel));

        // Levels never return to 0.
        const int levels[] = {s.Co2Level, s.HumidityLevel, s.StageLevel};
        for (int k = 0; k < 3; ++k) {
            expect(levels[k] >= 0 && levels[k] <= 3, "a level out of range: " + std::to_string(levels[k]));
            expect(!(m_levelSeen[k] && levels[k] == 0), "a demand level returned to 0");
            m_levelSeen[k] = m_levelSeen[k] || levels[k] != 0;
        }

        // Fans: the start stacks until the first tick, then exactly the frame of FrameIndex.
        expect(s.FrameIndex >= 0 && s.FrameIndex <= 5, "FrameIndex " + std::to_string(s.FrameIndex));
        for (const auto* fan : {&kRightFan, &kLeftFan}) {
            for (std::size_t k = 0; k < 6; ++k) {
                const WidgetId id = (*fan)[k];
                const bool shown = m_form.picture(id)->isShown();
                const bool expected = m_ticks.animationTicks == 0 ? (fan == &kLeftFan || id == Image9)
                                                                  : static_cast<int>(k) == s.FrameIndex;
                expect(shown == expected, std::string(nameOf(id)) + (shown ? " shown" : " hidden") +
                                              " at frame " + std::to_string(s.FrameIndex) + " after " +
                                              std::to_string(m_ticks.animationTicks) + " ticks");
            }
        }

        // The controller: Timer1's pace and Label12 follow the highest level of its last tick.
        const int demand = m_ticks.controllerTicks == 0 ? 0 : m_ticks.demandAtLastControllerTick;
        expect(s.DemandLevel == demand,
               "DemandLevel " + std::to_string(s.DemandLevel) + ", expected " + std::to_string(demand));
        const auto d = static_cast<std::size_t>(std::clamp(demand, 0, 3));
        expect(m_form.timer(Timer1)->interval() == kIntervals[d],
               "Timer1 interval " + std::to_string(m_form.timer(Timer1)->interval()) + " at demand " +
                   std::to_string(demand));
        expect(caption(Label12) == kSpeedCaptions[d],
               "Label12 '" + caption(Label12) + "' at demand " + std::to_string(demand));
        expect(m_form.timer(Timer1)->isRunning() && m_form.timer(Timer2)->isRunning(), "a timer stopped");

        // Only the two sliders ever hold the focus.
        if (!m_minimised)
            expect(focusedSlider() != nullptr,
                   std::string("the focus is on ") +
                       (m_form.focusWidget() ? m_form.focusWidget()->metaObject()->className() : "nothing"));

        std::string all;
        for (const std::string& p : problems)
            all += (all.empty() ? "" : "; ") + p;
        return all;
    }

    std::uint32_t m_seed;
    int m_actions;
    std::mt19937 m_random;
    TForm1 m_form{QStringLiteral("aeris400")};
    TickWatch m_ticks{m_form};
    QWindow* m_window{nullptr};
    int m_reports[2]{0, 0};
    bool m_levelSeen[3]{false, false, false};
    bool m_minimised{false};
    std::deque<std::string> m_log;
    QTimer m_popupCloser;
};

TEST(Stress, RandomUserInputKeepsTheWindowConsistent) {
    const int actions = envInt("AERIS_STRESS_ACTIONS", 1000);
    std::vector<std::uint32_t> seeds{1, 2, 3};
    if (const int seed = envInt("AERIS_STRESS_SEED", -1); seed >= 0)
        seeds = {static_cast<std::uint32_t>(seed)};
    for (std::uint32_t seed : seeds) {
        QElapsedTimer clock;
        clock.start();
        StressRun run(seed, actions);
        const std::string failure = run.run();
        std::printf("seed %u: %d actions, %d animation and %d controller ticks, %lld ms%s\n", seed, actions,
                    run.animationTicks(), run.controllerTicks(), static_cast<long long>(clock.elapsed()),
                    failure.empty() ? "" : ", FAILED");
        std::fflush(stdout);
        EXPECT_TRUE(failure.empty()) << failure;
    }
}

} // namespace
