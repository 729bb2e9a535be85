// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

namespace aeris {

// The pictures built into the program, as Qt resource paths. Link aeris_artwork to have them.
inline constexpr char kBackgroundPath[] = ":/artwork/background.jpg";
inline constexpr char kIconPath[] = ":/artwork/aeris400.ico";

// Six frames per fan make one quarter turn of the rotor.
inline constexpr int kFanFrameCount = 6;

// The resource path of a fan frame: ":/artwork/fan_right_<k>.bmp" or ":/artwork/fan_left_<k>.bmp".
// Frame k of the right fan is turned clockwise from frame 0, that of the left fan counter-clockwise.
// An index outside 0..5 gives an empty string.
QString fanFramePath(bool rightFan, int frameIndex);

// The built-in rendering of a picture to use on a screen with the given device pixel ratio: the
// path itself up to a ratio of 1, above that its "@2x" rendering (".../background@2x.jpg") where the
// program has one. A path without a larger rendering is given back as it is.
QString picturePathForRatio(const QString& path, qreal devicePixelRatio);

// Decodes the rendering that picturePathForRatio picks, with its ratio set. Safe on any thread.
QImage decodePicture(const QString& path, qreal devicePixelRatio);

// Loads the rendering that picturePathForRatio picks. A larger rendering carries its own ratio, so
// the pixmap always keeps the logical size of the picture at one pixel per layout unit and every
// widget placed over it stays on its item. At a ratio of 1 this is QPixmap(path), pixel for pixel.
QPixmap loadPicture(const QString& path, qreal devicePixelRatio);

} // namespace aeris
