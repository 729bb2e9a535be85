// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include "simulation/Simulation.h"
#include "simulation/WidgetOps.h"
#include "window/LayoutTable.h"

#include <QString>
#include <QWidget>
#include <array>

class QScrollArea;

namespace aeris {

class IntervalTimer;
class LedIndicator;
class PictureBox;
class PicturePrefetch;
class TextLabel;
class TrackBar;

// The one window. It builds itself from the layout table, runs FormCreate, carries out the
// simulation's widget operations on its widgets and delivers their events to the handlers.
class TForm1 : public QWidget, public WidgetOps {
    Q_OBJECT
public:
    // taskBarTitle names the program where the window caption does not: in error boxes and
    // as the icon title of the window.
    explicit TForm1(const QString& taskBarTitle, QWidget* parent = nullptr);
    ~TForm1() override;

    void setCaption(WidgetId label, std::string_view utf8Text) override;
    void setFontColor(WidgetId label, TColor colour) override;
    void setLedColorOn(WidgetId led, TColor colour) override;
    void setLedColorOff(WidgetId led, TColor colour) override;
    void setChecked(WidgetId led, bool checked) override;
    void setVisible(WidgetId picture, bool visible) override;
    using QWidget::setVisible;
    void setInterval(WidgetId timer, std::uint32_t milliseconds) override;
    int position(WidgetId slider) override;

    // Shows the window with its outer frame at the stored place and size.
    void showAtStoredPlace();

    const QString& taskBarTitle() const { return m_taskBarTitle; }
    const Simulation& simulation() const { return m_simulation; }
    QWidget* clientArea() const { return m_client; }
    QScrollArea* scrollArea() const { return m_scroll; }
    QObject* component(WidgetId id) const { return m_components[indexOf(id)]; }
    LedIndicator* led(WidgetId id) const;
    TextLabel* label(WidgetId id) const;
    PictureBox* picture(WidgetId id) const;
    TrackBar* slider(WidgetId id) const;
    IntervalTimer* timer(WidgetId id) const;

protected:
    bool event(QEvent* event) override;

private:
    void build(PicturePrefetch& pictures);
    QObject* create(const ComponentRow& row);
    void apply(const ComponentRow& row, const Setting& setting, PicturePrefetch& pictures);
    void connectEvents(const ComponentRow& row);
    void deliver(Handler handler);
    void fitFrameToStoredSize();

    QString m_taskBarTitle;
    Simulation m_simulation{*this};
    QScrollArea* m_scroll{nullptr};
    QWidget* m_client{nullptr};
    std::array<QObject*, kWidgetCount> m_components{};
    bool m_frameFitted{false};
};

} // namespace aeris
