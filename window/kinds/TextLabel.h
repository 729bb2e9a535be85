// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include "simulation/Colour.h"

#include <QFont>
#include <QWidget>

namespace aeris {

// One line of text drawn from the top-left corner on a filled rectangle, cut at its edges.
// An auto-sized label takes the size of its text whenever the text or the font changes,
// keeping its top-left corner.
class TextLabel : public QWidget {
    Q_OBJECT
public:
    explicit TextLabel(QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& text);
    TColor color() const { return m_color; }
    void setColor(TColor background);
    TColor fontColor() const { return m_fontColor; }
    void setFontColor(TColor colour);
    QFont labelFont() const { return m_font; }
    void setLabelFont(const QFont& font);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);

    // Takes the size of the caption now, if auto-sized.
    void adjustToCaption();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize captionSize() const;

    QString m_caption;
    TColor m_color{clBtnFace};
    TColor m_fontColor{clWindowText};
    QFont m_font;
    bool m_autoSize{true};
};

} // namespace aeris
