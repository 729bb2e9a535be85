// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QBasicTimer>
#include <QSlider>
#include <vector>

namespace aeris {

// A vertical slider with its minimum at the top and a tick for every position on the right.
// It reports (changeReported) at every step of a user action, whether the position moved or
// not, and once more when the key or mouse button that drove the action is released. Nothing
// else reports: not setting the range or position from code, not focus, resize or repaint.
class TrackBar : public QSlider {
    Q_OBJECT
public:
    explicit TrackBar(QWidget* parent = nullptr);

    int position() const { return value(); }
    void setPosition(int position); // clamped, silent
    void setMin(int min);           // silent
    void setMax(int max);           // silent
    int lineSize() const { return m_lineSize; }
    void setLineSize(int positions);
    int pageSize() const { return m_pageSize; }
    void setPageSize(int positions);

    // Geometry in widget coordinates, for painting and for pointing at the slider.
    QRect thumbRect() const;
    QRect channelRect() const;
    int yForPosition(int position) const; // the centre row of the thumb at that position

signals:
    // Position is already current when this is emitted.
    void changeReported();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    enum class MouseAction { None, Drag, Page };

    int trackTop() const;
    int trackBottom() const;
    int positionAtY(int y) const;
    void step(int target); // one reported step of a user action
    bool pointerBeyondThumb() const;
    void endMouseAction();

    int m_lineSize{1};
    int m_pageSize{2};

    MouseAction m_mouseAction{MouseAction::None};
    int m_dragOffset{0};    // pointer row minus thumb centre row at the press
    int m_pageDirection{0}; // -1 towards Min, +1 towards Max, 0 level with the thumb
    int m_pointerY{0};
    QBasicTimer m_pageRepeat;
    std::vector<int> m_heldKeys; // keys that moved the slider and are not yet released
    int m_wheelRemainder{0};
};

} // namespace aeris
