// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "ArtworkFiles.h"

namespace aeris {

QString fanFramePath(bool rightFan, int frameIndex) {
    if (frameIndex < 0 || frameIndex >= kFanFrameCount) {
        return {};
    }
    return QStringLiteral(":/artwork/fan_%1_%2.bmp")
        .arg(rightFan ? QStringLiteral("right") : QStringLiteral("left"))
        .arg(frameIndex);
}

} // namespace aeris
