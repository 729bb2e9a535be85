// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "window/kinds/LedIndicator.h"

#include "window/kinds/HintTip.h"
#include "window/kinds/SystemColours.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace aeris {

namespace {

constexpr int kMinLampSize = 4;
constexpr int kMaxLampSize = 80;
constexpr int kStatusBits = 32;

std::int32_t withBit(std::int32_t status, int bit, bool set) {
    const auto mask = std::uint32_t{1} << bit;
    const auto word = static_cast<std::uint32_t>(status);
    return static_cast<std::int32_t>(set ? (word | mask) : (word & ~mask));
}

bool bitOf(std::int32_t status, int bit) {
    return (static_cast<std::uint32_t>(status) >> bit) & 1U;
}

} // namespace

LedIndicator::LedIndicator(QWidget* parent) : QWidget(parent), m_hintTip(new HintTip(this)) {
    setFocusPolicy(Qt::NoFocus);
}

void LedIndicator::setColorOn(TColor colour) {
    if (m_colorOn == colour)
        return;
    m_colorOn = colour;
    update();
}

void LedIndicator::setColorOff(TColor colour) {
    if (m_colorOff == colour)
        return;
    m_colorOff = colour;
    update();
}

void LedIndicator::setLampWidth(int pixels) {
    pixels = std::clamp(pixels, kMinLampSize, kMaxLampSize);
    if (m_lampWidth == pixels)
        return;
    m_lampWidth = pixels;
    update();
}

void LedIndicator::setLampHeight(int pixels) {
    pixels = std::clamp(pixels, kMinLampSize, kMaxLampSize);
    if (m_lampHeight == pixels)
        return;
    m_lampHeight = pixels;
    update();
}

// The caption beside the lamp is always empty, so the spacing only needs to be kept.
void LedIndicator::setSpacing(int pixels) {
    m_spacing = pixels;
}

void LedIndicator::setChecked(bool checked) {
    if (m_checked == checked)
        return;
    setCheckedBy(withBit(m_statusInt, m_statusBit, checked));
}

void LedIndicator::setStatusInt(std::int32_t status) {
    if (m_statusInt == status)
        return;
    setCheckedBy(status);
}

void LedIndicator::setStatusBit(int bit) {
    bit = std::clamp(bit, 0, kStatusBits - 1);
    if (m_statusBit == bit)
        return;
    m_statusBit = bit;
    setCheckedBy(m_statusInt);
}

// Stores a new status word and follows it with the lamp. The lamp is redrawn at once rather than
// with the next repaint: a button press must light it before the press handlers run, and a
// release must put it out after the release handlers have run.
void LedIndicator::setCheckedBy(std::int32_t status) {
    m_statusInt = status;
    const bool checked = bitOf(status, m_statusBit);
    if (m_checked == checked)
        return;
    m_checked = checked;
    if (isVisible())
        repaint(lampRect());
}

// A push button starts released.
void LedIndicator::setMode(Mode mode) {
    if (m_mode == mode)
        return;
    m_mode = mode;
    if (mode == Mode::Button)
        setStatusInt(0);
}

QString LedIndicator::hint() const {
    return m_hintTip->text();
}

void LedIndicator::setHint(const QString& text) {
    m_hintTip->setText(text);
}

bool LedIndicator::showHint() const {
    return m_hintTip->isEnabled();
}

void LedIndicator::setShowHint(bool show) {
    m_hintTip->setEnabled(show);
}

QRect LedIndicator::lampRect() const {
    const int diameter = std::max(m_lampWidth, m_lampHeight);
    return QRect(0, height() / 2 - diameter / 2, diameter, diameter);
}

// Only the lamp is drawn; around it whatever lies beneath shows through.
void LedIndicator::paintEvent(QPaintEvent* /*event*/) {
    const QRect lamp = lampRect();
    const int diameter = lamp.width();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    // Half a pixel in, so that the smoothed outline stays inside the lamp's square.
    painter.setPen(QPen(resolveColour(clBtnShadow), 1));
    painter.setBrush(resolveColour(m_checked ? m_colorOn : m_colorOff));
    painter.drawEllipse(QRectF(lamp).adjusted(0.5, 0.5, -0.5, -0.5));

    // The glint: a quarter arc from the top of the lamp to its left side, on a smaller circle.
    const int glintWidth = diameter / 8;
    if (glintWidth > 0) {
        const qreal inset = diameter / 5 + glintWidth / 2.0;
        QPen glint(resolveColour(clBtnHighlight), glintWidth);
        glint.setCapStyle(Qt::FlatCap);
        painter.setPen(glint);
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(lamp).adjusted(inset, inset, -inset, -inset), 90 * 16, 90 * 16);
    }
}

void LedIndicator::mousePressEvent(QMouseEvent* event) {
    press(event, false);
}

// The second press of a double click acts as a press, but its release is no click.
void LedIndicator::mouseDoubleClickEvent(QMouseEvent* event) {
    press(event, true);
}

void LedIndicator::press(QMouseEvent* event, bool doubleClick) {
    event->accept();
    if (event->button() == Qt::LeftButton) {
        // Qt's implicit grab keeps the mouse with this LED until the button is released.
        m_leftDown = true;
        m_leftDoubleClick = doubleClick;
        if (m_mode == Mode::Button)
            setChecked(true);
    }
    emit mouseDown();
}

void LedIndicator::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool over = rect().contains(event->position().toPoint());
    if (event->button() != Qt::LeftButton) {
        // Other buttons are not captured: a release away from the LED does not belong to it.
        if (over)
            emit mouseUp();
        return;
    }
    if (!m_leftDown)
        return;
    m_leftDown = false;
    if (!m_leftDoubleClick && over)
        emit clicked();
    emit mouseUp();
    if (m_mode == Mode::Button)
        setChecked(false);
}

} // namespace aeris
