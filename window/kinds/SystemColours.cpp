// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "window/kinds/SystemColours.h"

namespace aeris {

namespace {

struct SystemColour {
    TColor colour;
    QRgb rgb;
};

// The classic light-grey desktop scheme. The layout was made against it, so the window keeps
// the same look whatever theme the desktop it runs on uses.
constexpr SystemColour kSystemColours[] = {
    {clWindowText, qRgb(0, 0, 0)},      {clBtnFace, qRgb(212, 208, 200)},
    {clBtnShadow, qRgb(128, 128, 128)}, {clBtnHighlight, qRgb(255, 255, 255)},
    {cl3DDkShadow, qRgb(64, 64, 64)},   {clInfoBk, qRgb(255, 255, 225)},
};

} // namespace

QColor resolveColour(TColor colour) {
    if (isSystemColour(colour)) {
        for (const SystemColour& entry : kSystemColours) {
            if (entry.colour == colour)
                return QColor::fromRgb(entry.rgb);
        }
        // A system colour that the window never stores: black, as the desktop gives for an
        // index it does not know.
        return QColor(Qt::black);
    }
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

} // namespace aeris
