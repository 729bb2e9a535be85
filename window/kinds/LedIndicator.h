// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include "simulation/Colour.h"

#include <QWidget>
#include <cstdint>

namespace aeris {

class HintTip;

// A round lamp, flush with the left edge and centred vertically, that is lit in its on-colour
// while checked. It paints no background. In button mode a left press lights it and the
// release puts it out again. It never takes the keyboard focus.
class LedIndicator : public QWidget {
    Q_OBJECT
public:
    enum class Mode { Indicator, Button };

    explicit LedIndicator(QWidget* parent = nullptr);

    TColor colorOn() const { return m_colorOn; }
    void setColorOn(TColor colour);
    TColor colorOff() const { return m_colorOff; }
    void setColorOff(TColor colour);
    int lampWidth() const { return m_lampWidth; }
    void setLampWidth(int pixels); // 4..80
    int lampHeight() const { return m_lampHeight; }
    void setLampHeight(int pixels); // 4..80
    int spacing() const { return m_spacing; }
    void setSpacing(int pixels);

    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);
    // Checked mirrors bit statusBit() of statusInt(), both ways.
    std::int32_t statusInt() const { return m_statusInt; }
    void setStatusInt(std::int32_t status);
    int statusBit() const { return m_statusBit; }
    void setStatusBit(int bit);

    Mode mode() const { return m_mode; }
    void setMode(Mode mode);

    // The tool-tip text, shown only while showHint() is true.
    QString hint() const;
    void setHint(const QString& text);
    bool showHint() const;
    void setShowHint(bool show);

    // The lamp's bounding square in widget coordinates.
    QRect lampRect() const;

signals:
    void mouseDown(); // any button pressed on it
    void clicked();   // a single left press released over it
    void mouseUp();   // a button release that reaches it

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void press(QMouseEvent* event, bool doubleClick);
    void setCheckedBy(std::int32_t status);

    TColor m_colorOn{clLime};
    TColor m_colorOff{clBtnFace};
    int m_lampWidth{13};
    int m_lampHeight{13};
    int m_spacing{5};
    bool m_checked{false};
    std::int32_t m_statusInt{0};
    int m_statusBit{0};
    Mode m_mode{Mode::Indicator};
    bool m_leftDown{false};        // the left button went down on this LED and is still held
    bool m_leftDoubleClick{false}; // ... and its last press was the second of a double click
    HintTip* m_hintTip;
};

} // namespace aeris
