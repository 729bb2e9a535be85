// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "window/kinds/TrackBar.h"

#include "window/kinds/SystemColours.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cstdint>

namespace aeris {

namespace {

constexpr int kMargin = 8;       // space between the edges and the channel's ends or the thumb
constexpr int kThumbAcross = 20; // the thumb's extent across the channel, point included
constexpr int kThumbAlong = 11;  // odd, so that one row is the thumb's centre
constexpr int kThumbHalf = kThumbAlong / 2;
constexpr int kPointDepth = kThumbHalf; // a 45° point
constexpr int kChannelWidth = 4;
constexpr int kTickGap = 3;
constexpr int kTickLength = 3;
constexpr int kEndTickLength = 5; // the ends get longer ticks, so the range reads at a glance

constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 80;
constexpr int kWheelNotch = 120;

} // namespace

TrackBar::TrackBar(QWidget* parent) : QSlider(Qt::Vertical, parent) {
    setRange(0, 10);
    setSingleStep(m_lineSize);
    setPageStep(m_pageSize);
    setTickPosition(QSlider::TicksRight);
    setTickInterval(1);
    // Minimum at the top, for anyone who asks the style or accessibility about the look.
    setInvertedAppearance(true);
    // Tab and a click both focus it; the wheel only works on it once it has the focus.
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TrackBar::setPosition(int position) {
    position = std::clamp(position, minimum(), maximum());
    if (value() == position)
        return;
    setValue(position);
}

void TrackBar::setMin(int min) {
    if (minimum() == min)
        return;
    setMinimum(min);
}

void TrackBar::setMax(int max) {
    if (maximum() == max)
        return;
    setMaximum(max);
}

void TrackBar::setLineSize(int positions) {
    if (m_lineSize == positions)
        return;
    m_lineSize = positions;
    setSingleStep(positions);
}

void TrackBar::setPageSize(int positions) {
    if (m_pageSize == positions)
        return;
    m_pageSize = positions;
    setPageStep(positions);
}

int TrackBar::trackTop() const {
    return kMargin + kThumbHalf;
}

int TrackBar::trackBottom() const {
    return std::max(trackTop(), height() - 1 - kMargin - kThumbHalf);
}

int TrackBar::yForPosition(int position) const {
    const std::int64_t range = std::int64_t(maximum()) - minimum();
    if (range <= 0)
        return trackTop();
    const std::int64_t span = trackBottom() - trackTop();
    const std::int64_t offset = std::int64_t(std::clamp(position, minimum(), maximum())) - minimum();
    return trackTop() + int((offset * span + range / 2) / range);
}

int TrackBar::positionAtY(int y) const {
    const std::int64_t range = std::int64_t(maximum()) - minimum();
    const std::int64_t span = trackBottom() - trackTop();
    if (range <= 0 || span <= 0)
        return minimum();
    const std::int64_t offset = std::clamp<std::int64_t>(y - trackTop(), 0, span);
    return int(minimum() + (offset * range + span / 2) / span);
}

QRect TrackBar::thumbRect() const {
    return QRect(kMargin, yForPosition(value()) - kThumbHalf, kThumbAcross, kThumbAlong);
}

QRect TrackBar::channelRect() const {
    const int bodyCentre = kMargin + (kThumbAcross - kPointDepth) / 2;
    return QRect(bodyCentre - kChannelWidth / 2, kMargin, kChannelWidth, std::max(1, height() - 2 * kMargin));
}

void TrackBar::step(int target) {
    // Moving and reporting are one step: the listener reads the position it is told about.
    setPosition(target);
    emit changeReported();
}

bool TrackBar::pointerBeyondThumb() const {
    const QRect thumb = thumbRect();
    if (m_pageDirection > 0)
        return m_pointerY > thumb.bottom();
    if (m_pageDirection < 0)
        return m_pointerY < thumb.top();
    return false;
}

void TrackBar::keyPressEvent(QKeyEvent* event) {
    int target = 0;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        target = value() - m_lineSize;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        target = value() + m_lineSize;
        break;
    case Qt::Key_PageUp:
        target = value() - m_pageSize;
        break;
    case Qt::Key_PageDown:
        target = value() + m_pageSize;
        break;
    case Qt::Key_Home:
        target = minimum();
        break;
    case Qt::Key_End:
        target = maximum();
        break;
    default:
        event->ignore();
        return;
    }
    event->accept();
    if (std::find(m_heldKeys.begin(), m_heldKeys.end(), event->key()) == m_heldKeys.end())
        m_heldKeys.push_back(event->key());
    step(target);
}

void TrackBar::keyReleaseEvent(QKeyEvent* event) {
    const auto held = std::find(m_heldKeys.begin(), m_heldKeys.end(), event->key());
    if (held == m_heldKeys.end()) {
        event->ignore();
        return;
    }
    event->accept();
    // A held key repeats as release/press pairs; only the real release ends the action.
    if (event->isAutoRepeat())
        return;
    m_heldKeys.erase(held);
    emit changeReported();
}

void TrackBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_mouseAction != MouseAction::None) {
        event->ignore();
        return;
    }
    event->accept();
    const QPoint at = event->position().toPoint();
    m_pointerY = at.y();
    const QRect thumb = thumbRect();
    if (thumb.contains(at)) {
        m_mouseAction = MouseAction::Drag;
        m_dragOffset = at.y() - yForPosition(value());
        setSliderDown(true);
        step(value());
        return;
    }
    // Beside the thumb: page towards the pointer now, and on while the button stays down.
    m_mouseAction = MouseAction::Page;
    m_pageDirection = at.y() > thumb.bottom() ? 1 : at.y() < thumb.top() ? -1 : 0;
    step(value() + m_pageDirection * m_pageSize);
    m_pageRepeat.start(kFirstRepeatMs, this);
}

void TrackBar::mouseMoveEvent(QMouseEvent* event) {
    if (m_mouseAction == MouseAction::None) {
        event->ignore();
        return;
    }
    event->accept();
    m_pointerY = event->position().toPoint().y();
    if (m_mouseAction != MouseAction::Drag)
        return;
    // The thumb passes every position on its way, each one a step of its own.
    const int target = positionAtY(m_pointerY - m_dragOffset);
    const int direction = target > value() ? 1 : -1;
    while (value() != target)
        step(value() + direction);
}

void TrackBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_mouseAction == MouseAction::None) {
        event->ignore();
        return;
    }
    event->accept();
    endMouseAction();
    emit changeReported();
}

void TrackBar::endMouseAction() {
    m_pageRepeat.stop();
    m_mouseAction = MouseAction::None;
    m_pageDirection = 0;
    setSliderDown(false);
}

// A message box that pops up while the button is held takes the focus and may swallow the
// release. Without this the channel would go on paging behind the box. Every position was
// reported at its step already, so the action ends without a report of its own.
void TrackBar::focusOutEvent(QFocusEvent* event) {
    endMouseAction();
    QSlider::focusOutEvent(event);
}

void TrackBar::hideEvent(QHideEvent* event) {
    endMouseAction();
    QSlider::hideEvent(event);
}

void TrackBar::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_pageRepeat.timerId()) {
        QSlider::timerEvent(event);
        return;
    }
    if (m_mouseAction != MouseAction::Page) {
        m_pageRepeat.stop();
        return;
    }
    m_pageRepeat.start(kRepeatMs, this);
    // Once the thumb has reached the pointer it waits there; it follows again if the pointer
    // moves on in the same direction while the button is still down.
    if (pointerBeyondThumb())
        step(value() + m_pageDirection * m_pageSize);
}

void TrackBar::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    event->accept();
    // Fine-grained wheels send fractions of a notch; they add up to whole lines.
    m_wheelRemainder += event->angleDelta().y();
    while (m_wheelRemainder >= kWheelNotch) {
        m_wheelRemainder -= kWheelNotch;
        step(value() - m_lineSize);
    }
    while (m_wheelRemainder <= -kWheelNotch) {
        m_wheelRemainder += kWheelNotch;
        step(value() + m_lineSize);
    }
}

void TrackBar::paintEvent(QPaintEvent*) {
    const QColor face = resolveColour(clBtnFace);
    const QColor highlight = resolveColour(clBtnHighlight);
    const QColor shadow = resolveColour(clBtnShadow);
    const QColor darkShadow = resolveColour(cl3DDkShadow);
    const QColor text = resolveColour(clWindowText);

    QPainter painter(this);
    painter.fillRect(rect(), face);

    // Sunken channel: shadow over dark shadow on the top and left, highlight over face on the
    // bottom and right.
    const QRect channel = channelRect();
    painter.fillRect(channel, face);
    painter.fillRect(channel.left(), channel.top(), 1, channel.height(), shadow);
    painter.fillRect(channel.left(), channel.top(), channel.width(), 1, shadow);
    painter.fillRect(channel.left() + 1, channel.top() + 1, 1, channel.height() - 2, darkShadow);
    painter.fillRect(channel.left() + 1, channel.top() + 1, channel.width() - 2, 1, darkShadow);
    painter.fillRect(channel.right(), channel.top(), 1, channel.height(), highlight);
    painter.fillRect(channel.left(), channel.bottom(), channel.width(), 1, highlight);

    const QRect thumb = thumbRect();
    const int tickLeft = thumb.right() + 1 + kTickGap;
    for (int position = minimum(); position <= maximum(); ++position) {
        const bool end = position == minimum() || position == maximum();
        painter.fillRect(tickLeft, yForPosition(position), end ? kEndTickLength : kTickLength, 1, text);
    }

    // The thumb: a raised box whose right side points at the ticks.
    const int left = thumb.left();
    const int top = thumb.top();
    const int bodyRight = thumb.right() - kPointDepth;
    const int bottom = thumb.bottom();
    painter.fillRect(left, top, bodyRight - left + 1, kThumbAlong, face);
    for (int k = 1; k < kPointDepth; ++k)
        painter.fillRect(bodyRight + k, top + k, 1, kThumbAlong - 2 * k, face);
    painter.fillRect(left, top, bodyRight - left + 1, 1, highlight);
    painter.fillRect(left, top, 1, kThumbAlong, highlight);
    painter.fillRect(left + 1, bottom - 1, bodyRight - left, 1, shadow);
    painter.fillRect(left, bottom, bodyRight - left + 1, 1, darkShadow);
    for (int k = 1; k <= kPointDepth; ++k) {
        painter.fillRect(bodyRight + k, top + k, 1, 1, highlight);
        painter.fillRect(bodyRight + k - 1, bottom - k, 1, 1, shadow);
        painter.fillRect(bodyRight + k, bottom - k, 1, 1, darkShadow);
    }

    if (hasFocus()) {
        QPen dotted(text, 1, Qt::CustomDashLine);
        dotted.setDashPattern({1.0, 1.0});
        painter.setPen(dotted);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace aeris
