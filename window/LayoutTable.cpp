// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "window/LayoutTable.h"

#include <Qt>
#include <array>

namespace aeris {

namespace {

using enum Prop;
using enum WidgetId;

/*********************
 *  FONTS AND VALUES
 *********************/

constexpr FontSpec kWindowFont{"MS Sans Serif", -11, false, clWindowText};
constexpr FontSpec kComic27{"Comic Sans MS", -27, true, clWindowText};
constexpr FontSpec kComic21{"Comic Sans MS", -21, true, clWindowText};
constexpr FontSpec kComic29{"Comic Sans MS", -29, true, clWindowText};
constexpr FontSpec kComic19Blue{"Comic Sans MS", -19, true, clBlue};

constexpr std::int64_t kHandPoint = Qt::PointingHandCursor;

/*********************
 *  THE FORM
 *********************/

constexpr FormSettings kForm{
    .caption = "Simulation Ventaro Nubilo Aeris400",
    .left = 308,
    .top = 128,
    .width = 1075,
    .height = 812,
    .color = clBtnFace,
    .font = kWindowFont,
};

/*********************
 *  STORED SETTINGS
 *********************/

// clang-format off
// Each row lists its stored settings in the order in which they are applied.

// Every LED stores these between its lamp settings and its mode.
#define LED_TAIL(spacing, checked, statusInt)                                                   \
    {LedPosition, 0}, {Spacing, spacing}, {Checked, checked}, {Flashing, false},                \
    {Frequency, 1}, {StatusInt, statusInt}, {StatusBit, 0}, {GroupIndex, 0}

#define FAN_FRAME(left, top, path, visible)                                                     \
    {{Left, left}, {Top, top}, {Width, 50}, {Height, 50}, {Picture, path}, {Visible, visible}}

constexpr Setting kImage1[] = {{Left, 0}, {Top, -16}, {Width, 1065}, {Height, 793},
                               {Picture, ":/artwork/background.jpg"}};

constexpr Setting kAbLED1[] = {{Left, 528}, {Top, 59}, {Width, 25}, {Height, 30},
                               {LedColorOn, clRed}, {LedColorOff, clLime}, {LedWidth, 17}, {LedHeight, 17},
                               LED_TAIL(10, false, 0), {Mode, LedMode::Indicator}};
constexpr Setting kAbLED2[] = {{Left, 887}, {Top, 133}, {Width, 17}, {Height, 33},
                               {LedColorOff, clGray},
                               LED_TAIL(5, false, 0), {Mode, LedMode::Indicator}};
constexpr Setting kAbLED3[] = {{Left, 909}, {Top, 133}, {Width, 17}, {Height, 33},
                               {LedColorOff, clGray},
                               LED_TAIL(5, false, 0), {Mode, LedMode::Indicator}};
constexpr Setting kAbLED4[] = {{Left, 932}, {Top, 133}, {Width, 17}, {Height, 33},
                               {LedColorOff, clGray},
                               LED_TAIL(5, false, 0), {Mode, LedMode::Indicator}};
constexpr Setting kAbLED5[] = {{Left, 953}, {Top, 140}, {Width, 50}, {Height, 25},
                               {Cursor, kHandPoint}, {Hint, "Lüfungsstufen"}, {ShowHint, true},
                               {LedColorOn, clBlack}, {LedColorOff, cl3DDkShadow}, {LedWidth, 25}, {LedHeight, 25},
                               LED_TAIL(10, false, 0), {Mode, LedMode::Button}};

constexpr Setting kImage4[] = FAN_FRAME(264, 240, ":/artwork/fan_right_0.bmp", false);
constexpr Setting kImage5[] = FAN_FRAME(264, 240, ":/artwork/fan_right_1.bmp", false);
constexpr Setting kImage6[] = FAN_FRAME(264, 240, ":/artwork/fan_right_2.bmp", false);
constexpr Setting kImage7[] = FAN_FRAME(264, 240, ":/artwork/fan_right_3.bmp", false);
constexpr Setting kImage8[] = FAN_FRAME(264, 240, ":/artwork/fan_right_4.bmp", false);
constexpr Setting kImage9[] = FAN_FRAME(264, 240, ":/artwork/fan_right_5.bmp", true);

constexpr Setting kLabel1[] = {{Left, 864}, {Top, 448}, {Width, 81}, {Height, 13},
                               {AutoSize, false}, {Caption, "Label1"}, {Color, clBtnFace}, {ParentColor, false}};
constexpr Setting kAbLED6[] = {{Left, 940}, {Top, 374}, {Width, 17}, {Height, 33},
                               LED_TAIL(5, true, 1), {Mode, LedMode::Indicator}};
constexpr Setting kLabel2[] = {{Left, 752}, {Top, 304}, {Width, 55}, {Height, 38},
                               {Caption, "CO2"}, {Color, clWhite}, {ParentColor, false},
                               {Font, kComic27}, {ParentFont, false}};
constexpr Setting kLabel3[] = {{Left, 752}, {Top, 344}, {Width, 67}, {Height, 30},
                               {Caption, "Label3"}, {Color, clWhite}, {ParentColor, false},
                               {Font, kComic21}, {ParentFont, false}};
constexpr Setting kLabel4[] = {{Left, 752}, {Top, 376}, {Width, 55}, {Height, 40},
                               {Caption, "ppm"}, {Color, clWhite}, {ParentColor, false},
                               {Font, kComic29}, {ParentFont, false}};
constexpr Setting kAbLED7[] = {{Left, 563}, {Top, 57}, {Width, 17}, {Height, 33},
                               {LedWidth, 17}, {LedHeight, 17},
                               LED_TAIL(5, true, 1), {Mode, LedMode::Indicator}};
constexpr Setting kLabel5[] = {{Left, 952}, {Top, 728}, {Width, 44}, {Height, 13},
                               {Caption, "50% r.LF."}};
constexpr Setting kLabel6[] = {{Left, 744}, {Top, 584}, {Width, 84}, {Height, 27},
                               {Caption, "50% Rel."}, {Color, clWhite}, {ParentColor, false},
                               {Font, kComic19Blue}, {ParentFont, false}};
constexpr Setting kLabel7[] = {{Left, 744}, {Top, 616}, {Width, 111}, {Height, 27},
                               {Caption, "Luftfeuchte"}, {Color, clWhite}, {ParentColor, false},
                               {Font, kComic19Blue}, {ParentFont, false}};
constexpr Setting kAbLED8[] = {{Left, 588}, {Top, 149}, {Width, 17}, {Height, 33},
                               {LedWidth, 17}, {LedHeight, 17},
                               LED_TAIL(5, true, 1), {Mode, LedMode::Indicator}};
constexpr Setting kAbLED9[] = {{Left, 545}, {Top, 150}, {Width, 17}, {Height, 33},
                               {LedWidth, 17}, {LedHeight, 17},
                               LED_TAIL(5, true, 1), {Mode, LedMode::Indicator}};

constexpr Setting kImage3[]  = FAN_FRAME(136, 256, ":/artwork/fan_left_5.bmp", true);
constexpr Setting kImage10[] = FAN_FRAME(136, 256, ":/artwork/fan_left_4.bmp", true);
constexpr Setting kImage11[] = FAN_FRAME(136, 256, ":/artwork/fan_left_3.bmp", true);
constexpr Setting kImage12[] = FAN_FRAME(136, 256, ":/artwork/fan_left_2.bmp", true);
constexpr Setting kImage13[] = FAN_FRAME(136, 256, ":/artwork/fan_left_1.bmp", true);
constexpr Setting kImage14[] = FAN_FRAME(136, 256, ":/artwork/fan_left_0.bmp", true);

constexpr Setting kLabel8[]  = {{Left, 582}, {Top, 703}, {Width, 73}, {Height, 13},
                                {Caption, "Luftfeuchtigkeit"}, {Color, clWhite}, {ParentColor, false},
                                {Font, kWindowFont}, {ParentFont, false}};
constexpr Setting kLabel9[]  = {{Left, 612}, {Top, 718}, {Width, 44}, {Height, 13},
                                {Caption, "einstellen"}, {Color, clWhite}, {ParentColor, false},
                                {Font, kWindowFont}, {ParentFont, false}};
constexpr Setting kLabel10[] = {{Left, 664}, {Top, 360}, {Width, 21}, {Height, 13},
                                {Caption, "CO2"}, {Color, clWhite}, {ParentColor, false}};
constexpr Setting kLabel11[] = {{Left, 640}, {Top, 376}, {Width, 44}, {Height, 13},
                                {Caption, "einstellen"}, {Color, clWhite}, {ParentColor, false}};
constexpr Setting kLabel12[] = {{Left, 176}, {Top, 344}, {Width, 95}, {Height, 38},
                                {AutoSize, false}, {Caption, "low"}, {Color, clSilver}, {ParentColor, false},
                                {Font, kComic27}, {ParentFont, false}};

constexpr Setting kTrackBar1[] = {{Left, 688}, {Top, 272}, {Width, 45}, {Height, 150},
                                  {Max, 100}, {Orientation, 1}, {TickFrequency, 1}, {Position, 75},
                                  {SelEnd, 0}, {SelStart, 0}, {TabOrder, 0}, {TickMarks, 0}, {TickStyle, 0}};
constexpr Setting kTrackBar2[] = {{Left, 664}, {Top, 584}, {Width, 45}, {Height, 150},
                                  {Max, 80}, {Min, 50}, {Orientation, 1}, {TickFrequency, 1}, {Position, 80},
                                  {SelEnd, 0}, {SelStart, 0}, {TabOrder, 1}, {TickMarks, 0}, {TickStyle, 0}};

constexpr Setting kTimer1[] = {{Interval, 200}};
constexpr Setting kTimer2[] = {{Interval, 100}};

#undef LED_TAIL
#undef FAN_FRAME

/*********************
 *  EVENTS
 *********************/

constexpr EventLink kAbLED5Events[] = {{Event::OnClick, &Simulation::AbLED5Click},
                                       {Event::OnMouseDown, &Simulation::AbLED5MouseDown},
                                       {Event::OnMouseUp, &Simulation::AbLED5MouseUp}};
constexpr EventLink kTrackBar1Events[] = {{Event::OnChange, &Simulation::TrackBar1Change}};
constexpr EventLink kTrackBar2Events[] = {{Event::OnChange, &Simulation::TrackBar2Change}};
constexpr EventLink kTimer1Events[] = {{Event::OnTimer, &Simulation::Timer1Timer}};
constexpr EventLink kTimer2Events[] = {{Event::OnTimer, &Simulation::Timer2Timer}};

/*********************
 *  THE TABLE
 *********************/

constexpr std::span<const EventLink> kNone{};

constexpr std::array<ComponentRow, kWidgetCount> kLayout = {{
    {Image1, Kind::Picture, kImage1, kNone},                 // #1  background collage
    {AbLED1, Kind::Led, kAbLED1, kNone},                     // #2  board: stage lamp
    {AbLED2, Kind::Led, kAbLED2, kNone},                     // #3  switch: stage lamp 1
    {AbLED3, Kind::Led, kAbLED3, kNone},                     // #4  switch: stage lamp 2
    {AbLED4, Kind::Led, kAbLED4, kNone},                     // #5  switch: stage lamp 3
    {AbLED5, Kind::Led, kAbLED5, kAbLED5Events},             // #6  switch: push button
    {Image4, Kind::Picture, kImage4, kNone},                 // #7  right fan, frame 0
    {Image5, Kind::Picture, kImage5, kNone},                 // #8  right fan, frame 1
    {Image6, Kind::Picture, kImage6, kNone},                 // #9  right fan, frame 2
    {Image7, Kind::Picture, kImage7, kNone},                 // #10 right fan, frame 3
    {Image8, Kind::Picture, kImage8, kNone},                 // #11 right fan, frame 4
    {Image9, Kind::Picture, kImage9, kNone},                 // #12 right fan, frame 5
    {Label1, Kind::Label, kLabel1, kNone},                   // #13 sensor: small CO2 reading
    {AbLED6, Kind::Led, kAbLED6, kNone},                     // #14 sensor: CO2 lamp
    {Label2, Kind::Label, kLabel2, kNone},                   // #15 "CO2"
    {Label3, Kind::Label, kLabel3, kNone},                   // #16 large CO2 reading
    {Label4, Kind::Label, kLabel4, kNone},                   // #17 "ppm"
    {AbLED7, Kind::Led, kAbLED7, kNone},                     // #18 board: CO2 lamp
    {Label5, Kind::Label, kLabel5, kNone},                   // #19 probe: small humidity reading
    {Label6, Kind::Label, kLabel6, kNone},                   // #20 large humidity reading
    {Label7, Kind::Label, kLabel7, kNone},                   // #21 "Luftfeuchte"
    {AbLED8, Kind::Led, kAbLED8, kNone},                     // #22 board: humidity lamp
    {AbLED9, Kind::Led, kAbLED9, kNone},                     // #23 board: always lit
    {Image3, Kind::Picture, kImage3, kNone},                 // #24 left fan, frame 5
    {Image10, Kind::Picture, kImage10, kNone},               // #25 left fan, frame 4
    {Image11, Kind::Picture, kImage11, kNone},               // #26 left fan, frame 3
    {Image12, Kind::Picture, kImage12, kNone},               // #27 left fan, frame 2
    {Image13, Kind::Picture, kImage13, kNone},               // #28 left fan, frame 1
    {Image14, Kind::Picture, kImage14, kNone},               // #29 left fan, frame 0
    {Label8, Kind::Label, kLabel8, kNone},                   // #30 "Luftfeuchtigkeit"
    {Label9, Kind::Label, kLabel9, kNone},                   // #31 "einstellen"
    {Label10, Kind::Label, kLabel10, kNone},                 // #32 "CO2"
    {Label11, Kind::Label, kLabel11, kNone},                 // #33 "einstellen"
    {Label12, Kind::Label, kLabel12, kNone},                 // #34 unit: speed caption
    {TrackBar1, Kind::Slider, kTrackBar1, kTrackBar1Events}, // #35 CO2 slider
    {TrackBar2, Kind::Slider, kTrackBar2, kTrackBar2Events}, // #36 humidity slider
    {Timer1, Kind::Timer, kTimer1, kTimer1Events},           // #37 animation timer
    {Timer2, Kind::Timer, kTimer2, kTimer2Events},           // #38 controller timer
}};
// clang-format on

} // namespace

const FormSettings& formSettings() {
    return kForm;
}

std::span<const ComponentRow> layoutTable() {
    return kLayout;
}

} // namespace aeris
