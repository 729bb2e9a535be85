// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "window/kinds/PictureBox.h"

#include <QPaintEvent>
#include <QPainter>

namespace aeris {

namespace {
std::uint64_t g_picturesCreated = 0;
} // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), m_creation(++g_picturesCreated) {
    setFocusPolicy(Qt::NoFocus);
    updateOpacity();
}

void PictureBox::setPicture(const QPixmap& picture) {
    if (m_picture.cacheKey() == picture.cacheKey())
        return;
    m_picture = picture;
    updateOpacity();
    update();
}

void PictureBox::setShown(bool shown) {
    if (m_shown == shown)
        return;
    m_shown = shown;
    updateOpacity();
    // A picture that is not shown lets the mouse reach whatever lies beneath it.
    setAttribute(Qt::WA_TransparentForMouseEvents, !shown);
    // Nor does it take paint events: a fan's hidden frames lie above the shown one, and each
    // would otherwise be sent its 50 x 50 on every tick only to draw nothing.
    if (!shown) {
        update();
        setUpdatesEnabled(false);
        uncoverPictureBeneath();
        return;
    }
    riseAboveHiddenPictures();
    if (updatesEnabled())
        update();
    else
        setUpdatesEnabled(true); // which asks for the repaint itself
}

// A picture that becomes shown rises over the hidden pictures that lie over it, up to the first
// shown picture that was created after it. What anyone can see keeps the creation order, since
// it passes only pictures that paint nothing or shown ones that belong beneath it. Hidden
// pictures above a shown one would otherwise make Qt repaint its square from the window down
// through every level of widgets, where an opaque widget with nothing over it is repainted on
// its own. Called while updates are still disabled, so the move itself repaints nothing.
void PictureBox::riseAboveHiddenPictures() {
    QWidget* parent = parentWidget();
    if (parent == nullptr)
        return;
    const QObjectList& siblings = parent->children();
    const QRect place = geometry();
    bool passesAny = false;
    for (qsizetype i = siblings.indexOf(this) + 1; i < siblings.size(); ++i) {
        auto* sibling = qobject_cast<QWidget*>(siblings.at(i));
        if (sibling == nullptr || sibling->isHidden() || !sibling->geometry().intersects(place))
            continue;
        auto* picture = qobject_cast<PictureBox*>(sibling);
        if (picture == nullptr)
            return; // another kind of widget over it: leave the order alone
        if (picture->isShown() && picture->m_creation > m_creation) {
            if (passesAny)
                stackUnder(picture);
            return;
        }
        passesAny = true;
    }
    if (passesAny)
        raise();
}

// A shown picture of the same rectangle directly beneath has to repaint all of this one's area,
// so it may as well rise above the hidden pictures now over it and be repainted on its own (a
// fan whose new frame was shown while the old one on top was still shown). Its updates are
// off while it moves, so the move itself repaints nothing.
void PictureBox::uncoverPictureBeneath() {
    QWidget* parent = parentWidget();
    if (parent == nullptr)
        return;
    const QObjectList& siblings = parent->children();
    const QRect place = geometry();
    const qsizetype mine = siblings.indexOf(this);
    // Usually the next frame has already risen over this one and covers it.
    for (qsizetype i = mine + 1; i < siblings.size(); ++i) {
        auto* picture = qobject_cast<PictureBox*>(siblings.at(i));
        if (picture != nullptr && picture->isShown() && picture->geometry() == place &&
            picture->testAttribute(Qt::WA_OpaquePaintEvent) && !picture->isHidden())
            return;
    }
    for (qsizetype i = mine - 1; i >= 0; --i) {
        auto* sibling = qobject_cast<QWidget*>(siblings.at(i));
        if (sibling == nullptr || sibling->isHidden() || !sibling->geometry().intersects(place))
            continue;
        auto* picture = qobject_cast<PictureBox*>(sibling);
        if (picture != nullptr && !picture->isShown())
            continue;
        if (picture != nullptr && picture->geometry() == place &&
            picture->testAttribute(Qt::WA_OpaquePaintEvent) && picture->updatesEnabled()) {
            picture->setUpdatesEnabled(false);
            picture->riseAboveHiddenPictures();
            picture->setUpdatesEnabled(true);
        }
        return;
    }
}

void PictureBox::setBackdrop(const QColor& colour) {
    if (m_backdrop == colour)
        return;
    m_backdrop = colour;
    updateOpacity();
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    if (!m_shown || m_picture.isNull())
        return;
    QPainter painter(this);
    // Drawn at its logical size, so a high-resolution picture covers the same area.
    painter.drawPixmap(QPointF(0, 0), m_picture);
    if (m_backdrop.isValid()) {
        const QRegion uncovered =
            QRegion(rect()) - QRect(QPoint(0, 0), m_picture.deviceIndependentSize().toSize());
        for (const QRect& strip : uncovered & event->region())
            painter.fillRect(strip, m_backdrop);
    }
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateOpacity();
}

// Where the picture covers the whole rectangle Qt need not paint what lies beneath first. That
// matters for the animation, which shows and hides pictures stacked over a large background.
void PictureBox::updateOpacity() {
    const QSizeF covered = m_picture.deviceIndependentSize();
    const bool covers =
        m_shown && !m_picture.isNull() && !m_picture.hasAlphaChannel() &&
        ((covered.width() >= width() && covered.height() >= height()) || m_backdrop.isValid());
    setAttribute(Qt::WA_OpaquePaintEvent, covers);
}

} // namespace aeris
