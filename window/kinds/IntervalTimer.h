// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <chrono>
#include <cstdint>
#include <functional>
#include <stdexcept>

namespace aeris {

// Raised when the system refuses to start a timer.
class TimerUnavailable : public std::runtime_error {
public:
    TimerUnavailable() : std::runtime_error("Nicht genügend Timer verfügbar") {}
};

// A timer that runs while it is enabled, has a non-zero interval and a handler. Ticks come only
// through the event loop and never pile up. A new interval restarts the countdown from that
// moment; the interval it already has leaves the countdown alone.
class IntervalTimer : public QObject {
    Q_OBJECT
public:
    explicit IntervalTimer(QObject* parent = nullptr);
    ~IntervalTimer() override;

    std::uint32_t interval() const { return m_interval; }
    // Throws TimerUnavailable when the restart is refused; the timer then stays stopped with
    // the new interval.
    void setInterval(std::uint32_t milliseconds);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled); // may throw TimerUnavailable, as setInterval
    bool isRunning() const;
    // Milliseconds until the next tick falls due, or -1 while stopped.
    int remainingTime() const;

    // Connecting the handler starts the countdown. The handler must not throw: the owner wraps
    // it so that its errors are reported where the tick is delivered. An exception that still
    // escapes is logged and dropped here, because it must not unwind through the event loop.
    void setOnTimer(std::function<void()> handler);

    // Seam for tests: asked before every start; returning false refuses it, as a system
    // without free timers would.
    using StartGate = std::function<bool()>;
    void setStartGate(StartGate gate);

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void stop();
    void restart(); // may throw TimerUnavailable
    int arm();      // starts a countdown of the interval; 0 when refused
    void rearmIfLate();

    std::uint32_t m_interval{1000};
    bool m_enabled{true};
    int m_timerId{0};
    std::chrono::steady_clock::time_point m_due; // when the running countdown's next tick is due
    std::function<void()> m_onTimer;
    StartGate m_startGate;
};

} // namespace aeris
