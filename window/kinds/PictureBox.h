// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QWidget>

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

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateOpacity();

    QPixmap m_picture;
    bool m_shown{true};
};

} // namespace aeris
