// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT

// Builds the program's pictures from their editable sources: the background drawing, the fan
// rotor geometry and the icon grid. The build runs it; its output is the same byte for byte on
// every run, so the embedded pictures change only when a source does.
//
// Beside each picture drawn one picture pixel per screen pixel it writes a rendering at twice the
// size ("@2x" before the extension) for screens that scale the window by more than 1. Those are
// drawn again from the same sources, so they carry detail that an enlarged small picture lacks.

#include "FanFrames.h"
#include "IconFile.h"
#include "JfifFile.h"
#include "artwork/FanRotor.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

namespace {

using namespace aeris::artgen;

bool writeFile(const QDir& dir, const QString& name, const QByteArray& bytes) {
    QSaveFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "aeris_artgen: cannot write %s: %s\n", qPrintable(file.fileName()),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}

int fail(const QString& message) {
    std::fprintf(stderr, "aeris_artgen: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    // Nothing is shown: the offscreen platform gives fonts and painting without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Builds background.jpg, the fan frames and aeris400.ico, with their @2x renderings."));
    parser.addHelpOption();
    const QCommandLineOption svgOption(QStringLiteral("svg"), QStringLiteral("Background drawing."),
                                       QStringLiteral("file"));
    const QCommandLineOption fontOption(QStringLiteral("font"), QStringLiteral("Font file for the captions."),
                                        QStringLiteral("file"));
    const QCommandLineOption iconOption(QStringLiteral("icon"), QStringLiteral("Icon text grid."),
                                        QStringLiteral("file"));
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Output folder."),
                                       QStringLiteral("dir"));
    parser.addOptions({svgOption, fontOption, iconOption, outOption});
    parser.process(app);
    for (const QCommandLineOption& option : {svgOption, fontOption, iconOption, outOption}) {
        if (!parser.isSet(option)) {
            return fail(QStringLiteral("--%1 is required").arg(option.names().constFirst()));
        }
    }

    QFile iconSource(parser.value(iconOption));
    if (!iconSource.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return fail(QStringLiteral("cannot read %1").arg(iconSource.fileName()));
    }
    QString error;
    const auto grid = parseIconGrid(QString::fromUtf8(iconSource.readAll()), &error);
    if (!grid) {
        return fail(QStringLiteral("%1: %2").arg(iconSource.fileName(), error));
    }
    constexpr QSize kBackgroundSize(1059, 813);
    const QImage background =
        renderSvgOnWhite(parser.value(svgOption), parser.value(fontOption), kBackgroundSize, &error);
    if (background.isNull()) {
        return fail(error);
    }
    const QImage background2x =
        renderSvgOnWhite(parser.value(svgOption), parser.value(fontOption), kBackgroundSize * 2, &error);
    if (background2x.isNull()) {
        return fail(error);
    }
    const QDir out(parser.value(outOption));
    if (!QDir().mkpath(out.path())) {
        return fail(QStringLiteral("cannot create %1").arg(out.path()));
    }

    if (!writeFile(out, QStringLiteral("background.jpg"), jfifFile(background)) ||
        !writeFile(out, QStringLiteral("background@2x.jpg"), jfifFile(background2x, 2 * 96))) {
        return 1;
    }

    for (int k = 0; k < 6; ++k) {
        for (const int scale : {1, 2}) {
            const QString suffix =
                scale == 1 ? QStringLiteral(".bmp") : QStringLiteral("@%1x.bmp").arg(scale);
            const MonoFrame right = drawRightFanFrame(aeris::rotor::kFrameAngles[k], scale);
            if (!writeFile(out, QStringLiteral("fan_right_%1").arg(k) + suffix, bmpFile(right)) ||
                !writeFile(out, QStringLiteral("fan_left_%1").arg(k) + suffix, bmpFile(mirrored(right)))) {
                return 1;
            }
        }
    }

    return writeFile(out, QStringLiteral("aeris400.ico"), icoFile(*grid)) ? 0 : 1;
}
