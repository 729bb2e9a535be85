// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "window/kinds/IntervalTimer.h"

#include <QAbstractEventDispatcher>
#include <QTimerEvent>
#include <QtGlobal>
#include <algorithm>
#include <chrono>
#include <climits>
#include <exception>

namespace aeris {

IntervalTimer::IntervalTimer(QObject* parent) : QObject(parent) {}

IntervalTimer::~IntervalTimer() {
    stop();
}

void IntervalTimer::setInterval(std::uint32_t milliseconds) {
    // A running countdown must survive being given its own interval again: a caller that sets
    // the same value more often than the interval lasts would otherwise never see a tick.
    if (m_interval == milliseconds)
        return;
    m_interval = milliseconds;
    restart();
}

void IntervalTimer::setEnabled(bool enabled) {
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    restart();
}

bool IntervalTimer::isRunning() const {
    return m_timerId != 0;
}

int IntervalTimer::remainingTime() const {
    if (m_timerId == 0)
        return -1;
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(thread());
    return dispatcher ? dispatcher->remainingTime(m_timerId) : -1;
}

void IntervalTimer::setOnTimer(std::function<void()> handler) {
    m_onTimer = std::move(handler);
    restart();
}

void IntervalTimer::setStartGate(StartGate gate) {
    m_startGate = std::move(gate);
}

void IntervalTimer::stop() {
    if (m_timerId == 0)
        return;
    killTimer(m_timerId);
    m_timerId = 0;
}

void IntervalTimer::restart() {
    stop();
    if (!m_enabled || m_interval == 0 || !m_onTimer)
        return;
    if (m_startGate && !m_startGate())
        throw TimerUnavailable();
    const int id = arm();
    if (id == 0)
        throw TimerUnavailable();
    m_timerId = id;
}

int IntervalTimer::arm() {
    // Qt takes an int; longer intervals run at the longest one it can count, as they would on
    // a system whose timers have a ceiling.
    const auto interval = std::chrono::milliseconds(std::min<std::uint32_t>(m_interval, INT_MAX));
    // Precise, so that short intervals such as 15 ms are kept rather than rounded to a coarse
    // grid.
    const int id = startTimer(interval, Qt::PreciseTimer);
    if (id != 0)
        m_due = std::chrono::steady_clock::now() + interval;
    return id;
}

// Qt schedules a precise timer's next tick one interval after the time it last looked at the
// clock. When another handler kept the loop busy in the same round, that time is from before
// the busy spell, and the next tick falls due at once: a burst. A tick that comes late by more
// than half an interval therefore starts a fresh countdown, so ticks missed during a busy spell
// are dropped and the next one comes a whole interval after this one.
void IntervalTimer::rearmIfLate() {
    const auto now = std::chrono::steady_clock::now();
    const auto interval = std::chrono::milliseconds(std::min<std::uint32_t>(m_interval, INT_MAX));
    if (now - m_due <= interval / 2) {
        m_due += interval;
        return;
    }
    const int old = m_timerId;
    // Started before the old one is killed: if the system refuses, the old countdown goes on.
    const int id = arm();
    if (id == 0)
        return;
    killTimer(old);
    m_timerId = id;
}

void IntervalTimer::timerEvent(QTimerEvent* event) {
    if (m_timerId == 0 || event->timerId() != m_timerId) {
        QObject::timerEvent(event);
        return;
    }
    // The handler may replace itself (or the owner may), so call a copy that outlives it.
    const std::function<void()> handler = m_onTimer;
    if (!handler)
        return;
    rearmIfLate();
    try {
        handler();
    } catch (const std::exception& error) {
        qCritical("IntervalTimer: a tick handler threw: %s", error.what());
    } catch (...) {
        qCritical("IntervalTimer: a tick handler threw an unknown exception");
    }
}

} // namespace aeris
