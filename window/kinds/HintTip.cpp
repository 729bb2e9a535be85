// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "window/kinds/HintTip.h"

#include "window/kinds/SystemColours.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>

namespace aeris {

namespace {

// QToolTip::hideText() lets the tip linger for a short fade delay. A key or a click must take
// it away at once, so the tip's own window, which Qt names "qtooltip_label", is hidden too.
void hideToolTipNow() {
    QToolTip::hideText();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->objectName() == QLatin1String("qtooltip_label") && window->isVisible())
            window->hide();
    }
}

// Tool-tips use the desktop's tip colours of the window's own scheme, not the platform theme.
void useTipColours() {
    QPalette palette = QToolTip::palette();
    const QColor base = resolveColour(clInfoBk);
    const QColor text = resolveColour(clWindowText);
    if (palette.color(QPalette::ToolTipBase) == base && palette.color(QPalette::ToolTipText) == text)
        return;
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Window, base);
    palette.setColor(QPalette::WindowText, text);
    QToolTip::setPalette(palette);
}

bool isInputThatHidesTips(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

} // namespace

HintTip::HintTip(QWidget* target) : QObject(target), m_target(target) {
    m_showTimer.setSingleShot(true);
    m_showTimer.setInterval(kShowDelayMs);
    connect(&m_showTimer, &QTimer::timeout, this, &HintTip::showTip);
    m_expireTimer.setSingleShot(true);
    m_expireTimer.setInterval(kShowTimeMs);
    connect(&m_expireTimer, &QTimer::timeout, this, [this] { hideTip(State::Expired); });
}

HintTip::~HintTip() {
    if (m_state == State::Showing)
        hideToolTipNow();
    watchApplication(false);
}

void HintTip::setText(const QString& text) {
    if (m_text == text)
        return;
    m_text = text;
    if (m_state == State::Showing)
        showTip();
}

void HintTip::setEnabled(bool enabled) {
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    if (enabled) {
        // Moves without a button held reach the widget only while it tracks the mouse.
        m_target->setMouseTracking(true);
        m_target->installEventFilter(this);
        if (m_target->underMouse()) {
            m_state = State::Dismissed;
            watchApplication(true);
        }
    } else {
        hideTip(State::Outside);
        m_target->removeEventFilter(this);
        m_target->setMouseTracking(false);
    }
}

// Qt sends the widget another Enter, and a move to where the pointer already is, whenever a
// window over it (the tip's own, for one) comes or goes. Neither is the pointer moving.
bool HintTip::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_target)
        return false;
    switch (event->type()) {
    case QEvent::Enter:
        if (m_state == State::Outside) {
            const auto* enter = static_cast<QEnterEvent*>(event);
            pointerMoved(enter->position().toPoint(), enter->globalPosition().toPoint());
        }
        break;
    case QEvent::MouseMove: {
        const auto* move = static_cast<QMouseEvent*>(event);
        const QPoint globalPos = move->globalPosition().toPoint();
        if (m_state == State::Outside || globalPos != m_globalPointer)
            pointerMoved(move->position().toPoint(), globalPos);
        break;
    }
    case QEvent::Leave:
    case QEvent::Hide:
        hideTip(State::Outside);
        break;
    case QEvent::EnabledChange:
        if (!m_target->isEnabled())
            hideTip(State::Outside);
        break;
    default:
        break;
    }
    return false;
}

bool HintTip::InputWatch::eventFilter(QObject* /*watched*/, QEvent* event) {
    m_tip->applicationEvent(event->type());
    return false;
}

void HintTip::applicationEvent(QEvent::Type type) {
    if (type == QEvent::ApplicationStateChange && m_state == State::Showing &&
        QGuiApplication::applicationState() != Qt::ApplicationActive)
        hideTip(State::Dismissed);
    if (isInputThatHidesTips(type) && (m_state == State::Waiting || m_state == State::Showing))
        hideTip(State::Dismissed);
}

void HintTip::pointerMoved(const QPoint& localPos, const QPoint& globalPos) {
    m_globalPointer = globalPos;
    // While a button is held the widget keeps getting moves after the pointer has left it.
    if (!m_target->rect().contains(localPos)) {
        if (m_state == State::Waiting || m_state == State::Showing)
            hideTip(State::Dismissed);
        return;
    }
    if (m_state == State::Outside || m_state == State::Dismissed || m_state == State::Waiting) {
        m_state = State::Waiting;
        watchApplication(true);
        m_showTimer.start();
    }
}

void HintTip::showTip() {
    if (m_text.isEmpty() || QGuiApplication::applicationState() != Qt::ApplicationActive) {
        // Not now; the next move over the widget tries again.
        m_state = State::Dismissed;
        return;
    }
    useTipColours();
    QToolTip::showText(m_globalPointer, m_text, m_target, QRect(), kShowTimeMs);
    m_state = State::Showing;
    m_expireTimer.start();
}

void HintTip::hideTip(State next) {
    m_showTimer.stop();
    m_expireTimer.stop();
    if (m_state == State::Showing)
        hideToolTipNow();
    m_state = next;
    watchApplication(next != State::Outside);
}

// Keys and buttons anywhere in the program hide the tip, so the whole application is watched,
// but only while the pointer is on the widget.
void HintTip::watchApplication(bool watch) {
    if (m_watchingApplication == watch || QCoreApplication::instance() == nullptr)
        return;
    m_watchingApplication = watch;
    if (watch)
        QCoreApplication::instance()->installEventFilter(&m_inputWatch);
    else
        QCoreApplication::instance()->removeEventFilter(&m_inputWatch);
}

} // namespace aeris
