// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "window/StandInFonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QString>
#include <cstring>

namespace aeris {

namespace {
constexpr const char* kSansResource = ":/fonts/LiberationSans-Regular.ttf";
constexpr const char* kComicResource = ":/fonts/ComicNeue-Bold.otf";
constexpr const char* kSansFamily = "Liberation Sans";
constexpr const char* kComicFamily = "Comic Neue";
} // namespace

void registerStandInFonts() {
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    for (const char* resource : {kSansResource, kComicResource}) {
        if (QFontDatabase::addApplicationFont(QString::fromLatin1(resource)) < 0)
            qWarning("Built-in font %s could not be registered", resource);
    }
}

QFont standInFont(const FontSpec& stored) {
    const bool comic = std::strcmp(stored.family, "Comic Sans MS") == 0;
    QFont font(QString::fromLatin1(comic ? kComicFamily : kSansFamily));
    // A negative height asks for the character height without the internal leading, which is
    // what a pixel size means to Qt; a positive one includes the leading, so take a little off.
    const int pixels = stored.height < 0 ? -stored.height : stored.height * 4 / 5;
    font.setPixelSize(pixels > 0 ? pixels : 1);
    font.setBold(stored.bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void loadStandInFonts(std::span<const FontSpec> fonts) {
    for (const FontSpec& font : fonts)
        static_cast<void>(QFontMetrics(standInFont(font)).height());
}

} // namespace aeris
