// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT

// Turns the built-in window icon into the PNG files of the desktop icon theme:
//   aeris_iconpng <icon.ico> <size> <out.png>
// Sizes above the icon's own are nearest-neighbour enlargements, so every pixel of the
// 32 x 32 design becomes a sharp square block instead of being smeared.
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool sizeOk = false;
    const int size = args.size() == 4 ? args[2].toInt(&sizeOk) : 0;
    if (!sizeOk || size < 1) {
        std::fprintf(stderr, "usage: aeris_iconpng <icon.ico> <size> <out.png>\n");
        return 2;
    }
    QImageReader reader(args[1]);
    const QImage icon = reader.read();
    if (icon.isNull()) {
        std::fprintf(stderr, "aeris_iconpng: cannot read %s: %s\n", qPrintable(args[1]),
                     qPrintable(reader.errorString()));
        return 1;
    }
    if (icon.width() != icon.height() || size % icon.width() != 0) {
        std::fprintf(stderr, "aeris_iconpng: a %dx%d icon does not enlarge evenly to %d\n", icon.width(),
                     icon.height(), size);
        return 1;
    }
    const QImage out = icon.convertToFormat(QImage::Format_ARGB32)
                           .scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!out.save(args[3], "PNG")) {
        std::fprintf(stderr, "aeris_iconpng: cannot write %s\n", qPrintable(args[3]));
        return 1;
    }
    return 0;
}
