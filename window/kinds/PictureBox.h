// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <cstdint>

namespace aeris {

// Draws its picture at the picture's own size from its top-left corner, clipped and opaque.
// Where the picture is smaller than the widget, what lies beneath shows. A picture that is not
// shown paints nothing and lets the mouse through; it stays a Qt-visible child, because
// toggling Qt visibility costs X round trips on every animation tick.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    const QPixmap& picture() const { return m_picture; }
    void setPicture(const QPixmap& picture);

    bool isShown() const { return m_shown; }
    void setShown(bool shown);

    // The colour of what lies beneath, for a picture that lies directly on a plain background.
    // Where the picture does not reach, the widget then paints that colour itself, so Qt need
    // not paint the background under it first. Invalid (the default): it leaves that part alone.
    QColor backdrop() const { return m_backdrop; }
    void setBackdrop(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateOpacity();
    void riseAboveHiddenPictures();
    void uncoverPictureBeneath();

    QPixmap m_picture;
    QColor m_backdrop;
    bool m_shown{true};
    std::uint64_t m_creation; // pictures that can be seen keep the order in which they were made
};

} // namespace aeris
