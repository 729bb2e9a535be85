// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "window/kinds/TextLabel.h"

#include "window/kinds/SystemColours.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QPainter>

namespace aeris {

namespace {

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextExpandTabs;

} // namespace

TextLabel::TextLabel(QWidget* parent) : QWidget(parent) {
    // The label fills every pixel of its rectangle, so nothing beneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void TextLabel::setCaption(const QString& text) {
    if (m_caption == text)
        return;
    m_caption = text;
    adjustToCaption();
    update();
    // A screen reader that follows a reading hears its new text; costs nothing when none is active.
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent changed(this, m_caption);
        QAccessible::updateAccessibility(&changed);
    }
}

void TextLabel::setColor(TColor background) {
    if (m_color == background)
        return;
    m_color = background;
    update();
}

void TextLabel::setFontColor(TColor colour) {
    if (m_fontColor == colour)
        return;
    m_fontColor = colour;
    update();
}

void TextLabel::setLabelFont(const QFont& font) {
    if (m_font == font)
        return;
    m_font = font;
    adjustToCaption();
    update();
}

void TextLabel::setAutoSize(bool on) {
    if (m_autoSize == on)
        return;
    m_autoSize = on;
    adjustToCaption();
}

// Only the size changes, never the top-left corner. Qt repaints the strip that a shrinking
// label gives up from what lies beneath.
void TextLabel::adjustToCaption() {
    if (!m_autoSize)
        return;
    const QSize size = captionSize();
    if (size != this->size())
        resize(size);
}

QSize TextLabel::captionSize() const {
    const QFontMetrics metrics(m_font);
    if (m_caption.contains(QLatin1Char('\t')))
        return QSize(metrics.size(kTextFlags, m_caption).width(), metrics.height());
    return QSize(metrics.horizontalAdvance(m_caption), metrics.height());
}

void TextLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), resolveColour(m_color));
    painter.setFont(m_font);
    painter.setPen(resolveColour(m_fontColor));
    // One line from the top-left corner; what runs past the edges is cut, not elided.
    painter.drawText(rect(), kTextFlags, m_caption);
}

} // namespace aeris
