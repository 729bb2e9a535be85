// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "JfifFile.h"

#include <QFile>
#include <QFontDatabase>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace aeris::artgen {

QImage renderSvgOnWhite(const QString& svgPath, const QString& fontPath, QSize size, QString* error) {
    if (QFontDatabase::addApplicationFont(fontPath) < 0) {
        *error = QStringLiteral("cannot load font %1").arg(fontPath);
        return {};
    }
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid()) {
        *error = QStringLiteral("cannot read SVG %1").arg(svgPath);
        return {};
    }
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

QByteArray jfifFile(const QImage& source, int dotsPerInch) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);

    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    // The library's default error handler prints the message and exits with a failure status,
    // which fails the build step: the right outcome for a generator.
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);

    unsigned char* buffer = nullptr;
    unsigned long bufferSize = 0;
    jpeg_mem_dest(&cinfo, &buffer, &bufferSize);

    cinfo.image_width = static_cast<JDIMENSION>(image.width());
    cinfo.image_height = static_cast<JDIMENSION>(image.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);

    // Every setting that shapes the file is spelled out rather than left to the library's
    // defaults, which differ between library versions and builds.
    jpeg_set_colorspace(&cinfo, JCS_YCbCr);
    jpeg_set_quality(&cinfo, 75, TRUE);
    cinfo.comp_info[0].h_samp_factor = 2;
    cinfo.comp_info[0].v_samp_factor = 2;
    cinfo.comp_info[0].quant_tbl_no = 0;
    cinfo.comp_info[0].dc_tbl_no = 0;
    cinfo.comp_info[0].ac_tbl_no = 0;
    for (int c = 1; c < 3; ++c) {
        cinfo.comp_info[c].h_samp_factor = 1;
        cinfo.comp_info[c].v_samp_factor = 1;
        cinfo.comp_info[c].quant_tbl_no = 1;
        cinfo.comp_info[c].dc_tbl_no = 1;
        cinfo.comp_info[c].ac_tbl_no = 1;
    }
    cinfo.optimize_coding = FALSE; // keep the example Huffman tables
    cinfo.arith_code = FALSE;
    cinfo.restart_interval = 0;
    cinfo.restart_in_rows = 0;
    cinfo.dct_method = JDCT_ISLOW;
    cinfo.smoothing_factor = 0;
    cinfo.write_JFIF_header = TRUE;
    cinfo.JFIF_major_version = 1;
    cinfo.JFIF_minor_version = 1;
    cinfo.density_unit = 1; // dots per inch
    cinfo.X_density = static_cast<UINT16>(dotsPerInch);
    cinfo.Y_density = static_cast<UINT16>(dotsPerInch);
    cinfo.write_Adobe_marker = FALSE;

    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);

    QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(bufferSize));
    std::free(buffer);
    return bytes;
}

} // namespace aeris::artgen
