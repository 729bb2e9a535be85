// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QEvent>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QTimer>

class QWidget;

namespace aeris {

// The delayed tool-tip of one widget. It shows its text once the pointer has rested on the
// widget for a moment and hides it again after a while, when the pointer leaves, or at any key,
// mouse button or wheel turn. Having hidden itself on time, it waits for the pointer to leave
// and come back; hidden by input, it waits only for the pointer's next move over the widget.
class HintTip : public QObject {
    Q_OBJECT
public:
    static constexpr int kShowDelayMs = 500;
    static constexpr int kShowTimeMs = 2500;

    explicit HintTip(QWidget* target);
    ~HintTip() override;

    QString text() const { return m_text; }
    void setText(const QString& text);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // True while this tip is on screen.
    bool isShowing() const { return m_state == State::Showing; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class State {
        Outside,   // the pointer is not on the widget
        Waiting,   // the pointer is on it, the show delay runs and restarts at every move
        Showing,   // the tip is on screen
        Expired,   // the tip hid itself on time; it waits for the pointer to leave
        Dismissed, // input hid or cancelled the tip; the next move over the widget waits anew
    };

    // Watches the whole application for the input that hides the tip. A filter of its own keeps
    // the widget's events, which the application filter sees too, from being handled twice.
    class InputWatch : public QObject {
    public:
        explicit InputWatch(HintTip* tip) : m_tip(tip) {}
        bool eventFilter(QObject* watched, QEvent* event) override;

    private:
        HintTip* m_tip;
    };

    void applicationEvent(QEvent::Type type);
    void pointerMoved(const QPoint& localPos, const QPoint& globalPos);
    void showTip();
    void hideTip(State next);
    void watchApplication(bool watch);

    QWidget* m_target;
    QString m_text;
    bool m_enabled{false};
    bool m_watchingApplication{false};
    State m_state{State::Outside};
    QPoint m_globalPointer;
    QTimer m_showTimer;
    QTimer m_expireTimer;
    InputWatch m_inputWatch{this};
};

} // namespace aeris
