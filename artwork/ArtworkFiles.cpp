// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "ArtworkFiles.h"

#include <QFileInfo>

namespace aeris {

QString fanFramePath(bool rightFan, int frameIndex) {
    if (frameIndex < 0 || frameIndex >= kFanFrameCount) {
        return {};
    }
    return QStringLiteral(":/artwork/fan_%1_%2.bmp")
        .arg(rightFan ? QStringLiteral("right") : QStringLiteral("left"))
        .arg(frameIndex);
}

namespace {

// The ratio of the one larger rendering that the generator makes of each picture.
constexpr int kHighRatio = 2;

} // namespace

QString picturePathForRatio(const QString& path, qreal devicePixelRatio) {
    if (devicePixelRatio <= 1.0) {
        return path;
    }
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (dot <= slash + 1) {
        return path;
    }
    const QString larger = path.left(dot) + QStringLiteral("@%1x").arg(kHighRatio) + path.mid(dot);
    return QFileInfo::exists(larger) ? larger : path;
}

QImage decodePicture(const QString& path, qreal devicePixelRatio) {
    const QString chosen = picturePathForRatio(path, devicePixelRatio);
    QImage image(chosen);
    if (chosen != path) {
        image.setDevicePixelRatio(kHighRatio);
    }
    return image;
}

QPixmap loadPicture(const QString& path, qreal devicePixelRatio) {
    return QPixmap::fromImage(decodePicture(path, devicePixelRatio));
}

} // namespace aeris
