// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "window/Form1.h"

#include "artwork/ArtworkFiles.h"
#include "artwork/PicturePrefetch.h"
#include "window/Accessibility.h"
#include "window/ErrorReport.h"
#include "window/StandInFonts.h"
#include "window/kinds/IntervalTimer.h"
#include "window/kinds/LedIndicator.h"
#include "window/kinds/PictureBox.h"
#include "window/kinds/SystemColours.h"
#include "window/kinds/TextLabel.h"
#include "window/kinds/TrackBar.h"

#include <QEvent>
#include <QPalette>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <map>
#include <vector>

namespace aeris {

namespace {

// The area that scrolls: everything the layout places lies on it. Its minimum size is the
// extent of the visible widgets, so the scroll area shows scroll bars exactly when the
// client area is smaller than that.
constexpr QSize kScrollRange{1065, 777};

std::int64_t number(const Value& v) {
    return std::get<std::int64_t>(v);
}
int integer(const Value& v) {
    return static_cast<int>(std::get<std::int64_t>(v));
}
TColor colour(const Value& v) {
    return static_cast<TColor>(std::get<std::int64_t>(v));
}
bool flag(const Value& v) {
    return std::get<bool>(v);
}
QString text(const Value& v) {
    return QString::fromUtf8(std::get<const char*>(v));
}

void setLeft(QWidget* w, int left) {
    w->move(left, w->y());
}
void setTop(QWidget* w, int top) {
    w->move(w->x(), top);
}
void setWidth(QWidget* w, int width) {
    w->resize(width, w->height());
}
void setHeight(QWidget* w, int height) {
    w->resize(w->width(), height);
}

// Every value the layout stores for one property, in the order it stores them.
template <typename T> std::vector<T> storedValues(Prop prop) {
    std::vector<T> values;
    for (const ComponentRow& row : layoutTable()) {
        for (const Setting& setting : row.settings) {
            if (setting.prop == prop)
                values.push_back(std::get<T>(setting.value));
        }
    }
    return values;
}

QStringList picturesOfLayout() {
    QStringList paths;
    for (const char* path : storedValues<const char*>(Prop::Picture))
        paths.append(QString::fromUtf8(path));
    return paths;
}

std::vector<FontSpec> fontsOfLayout() {
    std::vector<FontSpec> fonts = storedValues<FontSpec>(Prop::Font);
    fonts.push_back(formSettings().font);
    return fonts;
}

} // namespace

TForm1::TForm1(const QString& taskBarTitle, QWidget* parent) : QWidget(parent), m_taskBarTitle(taskBarTitle) {
    // Decoding the photo and setting up the fonts are the two longest steps before the window
    // can show, and they need nothing from each other: the pictures decode on a worker thread
    // while this one sets up the fonts.
    PicturePrefetch pictures(picturesOfLayout(), devicePixelRatio());
    registerStandInFonts();
    loadStandInFonts(fontsOfLayout());
    const FormSettings& form = formSettings();
    setWindowTitle(QString::fromUtf8(form.caption));
    setWindowIconText(m_taskBarTitle);
    setWindowIcon(QIcon(QString::fromLatin1(kIconPath)));
    setFont(standInFont(form.font));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, resolveColour(form.color));
    palette.setColor(QPalette::WindowText, resolveColour(form.font.color));
    setPalette(palette);

    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setWidgetResizable(true);
    m_client = new QWidget;
    m_client->setObjectName(QStringLiteral("Form1"));
    m_client->setMinimumSize(kScrollRange);
    m_client->setAutoFillBackground(true);
    m_scroll->setWidget(m_client);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);

    build(pictures);
    try {
        m_simulation.FormCreate();
    } catch (const std::exception& e) {
        showHandlerError(nullptr, m_taskBarTitle, QString::fromUtf8(e.what()));
    }
    describeForScreenReaders(*this);
}

TForm1::~TForm1() = default;

void TForm1::build(PicturePrefetch& pictures) {
    std::map<int, TrackBar*> tabOrder;
    for (const ComponentRow& row : layoutTable()) {
        QObject* component = create(row);
        m_components[indexOf(row.name)] = component;
        for (const Setting& setting : row.settings) {
            if (setting.prop == Prop::TabOrder)
                tabOrder[integer(setting.value)] = qobject_cast<TrackBar*>(component);
            else
                apply(row, setting, pictures);
        }
        connectEvents(row);
    }
    // Only the sliders take the focus; Tab and Shift+Tab move between them in their order.
    for (auto it = tabOrder.begin(); it != tabOrder.end() && std::next(it) != tabOrder.end(); ++it)
        QWidget::setTabOrder(it->second, std::next(it)->second);
    if (!tabOrder.empty())
        tabOrder.begin()->second->setFocus(Qt::ActiveWindowFocusReason);

    for (QObject* component : m_components) {
        if (auto* label = qobject_cast<TextLabel*>(component))
            label->adjustToCaption();
    }

    // The photo lies directly on the window and is a few columns narrower than its widget.
    // Painting that strip in the window colour itself makes it opaque, so Qt never fills the
    // window beneath the whole photo first.
    picture(WidgetId::Image1)->setBackdrop(resolveColour(formSettings().color));
}

QObject* TForm1::create(const ComponentRow& row) {
    const QString name =
        QString::fromLatin1(nameOf(row.name).data(), static_cast<qsizetype>(nameOf(row.name).size()));
    QObject* component = nullptr;
    switch (row.kind) {
    case Kind::Picture:
        component = new PictureBox(m_client);
        break;
    case Kind::Led:
        component = new LedIndicator(m_client);
        break;
    case Kind::Label: {
        // A label without a font or colour of its own takes the window's.
        auto* label = new TextLabel(m_client);
        label->setColor(formSettings().color);
        label->setLabelFont(standInFont(formSettings().font));
        label->setFontColor(formSettings().font.color);
        component = label;
        break;
    }
    case Kind::Slider:
        component = new TrackBar(m_client);
        break;
    case Kind::Timer:
        component = new IntervalTimer(this);
        break;
    }
    component->setObjectName(name);
    if (auto* widget = qobject_cast<QWidget*>(component)) {
        widget->raise();
        widget->show();
    }
    return component;
}

void TForm1::apply(const ComponentRow& row, const Setting& s, PicturePrefetch& pictures) {
    QObject* component = m_components[indexOf(row.name)];
    auto* widget = qobject_cast<QWidget*>(component);
    switch (s.prop) {
    case Prop::Left:
        return setLeft(widget, integer(s.value));
    case Prop::Top:
        return setTop(widget, integer(s.value));
    case Prop::Width:
        return setWidth(widget, integer(s.value));
    case Prop::Height:
        return setHeight(widget, integer(s.value));
    default:
        break;
    }

    switch (row.kind) {
    case Kind::Picture: {
        auto* picture = static_cast<PictureBox*>(component);
        if (s.prop == Prop::Picture)
            picture->setPicture(pictures.take(text(s.value)));
        else if (s.prop == Prop::Visible)
            picture->setShown(flag(s.value));
        return;
    }
    case Kind::Label: {
        auto* label = static_cast<TextLabel*>(component);
        switch (s.prop) {
        case Prop::AutoSize:
            return label->setAutoSize(flag(s.value));
        case Prop::Caption:
            return label->setCaption(text(s.value));
        case Prop::Color:
            return label->setColor(colour(s.value));
        case Prop::Font: {
            const FontSpec font = std::get<FontSpec>(s.value);
            label->setLabelFont(standInFont(font));
            return label->setFontColor(font.color);
        }
        default: // ParentColor and ParentFont follow from a stored colour or font
            return;
        }
    }
    case Kind::Led: {
        auto* led = static_cast<LedIndicator*>(component);
        switch (s.prop) {
        case Prop::Cursor:
            return led->setCursor(static_cast<Qt::CursorShape>(number(s.value)));
        case Prop::Hint:
            return led->setHint(text(s.value));
        case Prop::ShowHint:
            return led->setShowHint(flag(s.value));
        case Prop::LedColorOn:
            return led->setColorOn(colour(s.value));
        case Prop::LedColorOff:
            return led->setColorOff(colour(s.value));
        case Prop::LedWidth:
            return led->setLampWidth(integer(s.value));
        case Prop::LedHeight:
            return led->setLampHeight(integer(s.value));
        case Prop::Spacing:
            return led->setSpacing(integer(s.value));
        case Prop::Checked:
            return led->setChecked(flag(s.value));
        case Prop::StatusInt:
            return led->setStatusInt(static_cast<std::int32_t>(number(s.value)));
        case Prop::StatusBit:
            return led->setStatusBit(integer(s.value));
        case Prop::Mode:
            return led->setMode(std::get<LedMode>(s.value) == LedMode::Button
                                    ? LedIndicator::Mode::Button
                                    : LedIndicator::Mode::Indicator);
        default: // lamp on the left, no flashing, no group: the only values the layout uses
            return;
        }
    }
    case Kind::Slider: {
        auto* slider = static_cast<TrackBar*>(component);
        switch (s.prop) {
        case Prop::Max:
            return slider->setMax(integer(s.value));
        case Prop::Min:
            return slider->setMin(integer(s.value));
        case Prop::Position:
            return slider->setPosition(integer(s.value));
        default: // vertical, ticks on the right for every position, no selection
            return;
        }
    }
    case Kind::Timer:
        if (s.prop == Prop::Interval)
            static_cast<IntervalTimer*>(component)->setInterval(static_cast<std::uint32_t>(number(s.value)));
        return;
    }
}

// Each event goes to exactly one handler, one at a time through the event loop.
void TForm1::connectEvents(const ComponentRow& row) {
    QObject* component = m_components[indexOf(row.name)];
    for (const EventLink& link : row.events) {
        const Handler handler = link.handler;
        auto run = [this, handler] { deliver(handler); };
        switch (link.event) {
        case Event::OnChange:
            connect(static_cast<TrackBar*>(component), &TrackBar::changeReported, this, run);
            break;
        case Event::OnMouseDown:
            connect(static_cast<LedIndicator*>(component), &LedIndicator::mouseDown, this, run);
            break;
        case Event::OnClick:
            connect(static_cast<LedIndicator*>(component), &LedIndicator::clicked, this, run);
            break;
        case Event::OnMouseUp:
            connect(static_cast<LedIndicator*>(component), &LedIndicator::mouseUp, this, run);
            break;
        case Event::OnTimer:
            // Connecting the handler starts the countdown.
            static_cast<IntervalTimer*>(component)->setOnTimer(run);
            break;
        }
    }
}

// An error that escapes a handler ends that handler; it is shown and the program goes on. The
// box opens once the event that ran the handler has been delivered: Qt holds a timer's next tick
// back while its previous tick is still being delivered, and both timers must go on ticking while
// the box is open.
void TForm1::deliver(Handler handler) {
    try {
        (m_simulation.*handler)();
    } catch (const std::exception& e) {
        const QString message = QString::fromUtf8(e.what());
        QMetaObject::invokeMethod(
            this, [this, message] { showHandlerError(this, m_taskBarTitle, message); }, Qt::QueuedConnection);
    }
}

/*********************
 *  WIDGET OPERATIONS
 *********************/

void TForm1::setCaption(WidgetId id, std::string_view utf8Text) {
    label(id)->setCaption(QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size())));
}

void TForm1::setFontColor(WidgetId id, TColor c) {
    label(id)->setFontColor(c);
}
void TForm1::setLedColorOn(WidgetId id, TColor c) {
    led(id)->setColorOn(c);
}
void TForm1::setLedColorOff(WidgetId id, TColor c) {
    led(id)->setColorOff(c);
}
void TForm1::setChecked(WidgetId id, bool checked) {
    led(id)->setChecked(checked);
}
void TForm1::setVisible(WidgetId id, bool visible) {
    picture(id)->setShown(visible);
}
void TForm1::setInterval(WidgetId id, std::uint32_t ms) {
    timer(id)->setInterval(ms);
}
int TForm1::position(WidgetId id) {
    return slider(id)->position();
}

LedIndicator* TForm1::led(WidgetId id) const {
    return qobject_cast<LedIndicator*>(component(id));
}
TextLabel* TForm1::label(WidgetId id) const {
    return qobject_cast<TextLabel*>(component(id));
}
PictureBox* TForm1::picture(WidgetId id) const {
    return qobject_cast<PictureBox*>(component(id));
}
TrackBar* TForm1::slider(WidgetId id) const {
    return qobject_cast<TrackBar*>(component(id));
}
IntervalTimer* TForm1::timer(WidgetId id) const {
    return qobject_cast<IntervalTimer*>(component(id));
}

/*********************
 *  PLACEMENT
 *********************/

void TForm1::showAtStoredPlace() {
    const FormSettings& form = formSettings();
    // Until the window manager has framed the window its frame is unknown: start with the whole
    // stored size as the client size and take the frame off once it is known, so the window
    // never grows after it is mapped.
    move(form.left, form.top);
    resize(form.width, form.height);
    show();
}

bool TForm1::event(QEvent* e) {
    const bool handled = QWidget::event(e);
    if (!m_frameFitted &&
        (e->type() == QEvent::Move || e->type() == QEvent::Resize || e->type() == QEvent::Show))
        fitFrameToStoredSize();
    return handled;
}

void TForm1::fitFrameToStoredSize() {
    if (!isVisible() || isMaximized() || isMinimized() || isFullScreen())
        return;
    const QRect frame = frameGeometry();
    if (frame == geometry())
        return; // not framed (yet)
    m_frameFitted = true;
    const FormSettings& form = formSettings();
    const QSize frameExtra = frame.size() - size();
    const QSize client(form.width - frameExtra.width(), form.height - frameExtra.height());
    if (client != size())
        resize(client);
    if (frame.topLeft() != QPoint(form.left, form.top))
        move(form.left, form.top);
}

} // namespace aeris
