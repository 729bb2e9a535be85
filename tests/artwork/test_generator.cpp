// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "ArtworkBytes.h"
#include "artwork/ArtworkFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using aeris::test::resourceBytes;

namespace {

QStringList embeddedPaths() {
    QStringList paths{aeris::kBackgroundPath, aeris::kIconPath};
    for (int k = 0; k < aeris::kFanFrameCount; ++k) {
        paths << aeris::fanFramePath(true, k) << aeris::fanFramePath(false, k);
    }
    return paths;
}

struct GeneratorRun {
    int exitCode = -1;
    QString errors;
};

GeneratorRun runGenerator(const QString& outDir,
                          const QString& iconPath = AERIS_ARTWORK_SOURCE_DIR "/icon.txt",
                          const QString& fontPath = AERIS_ARTWORK_FONT) {
    QProcess process;
    process.start(AERIS_ARTGEN_PATH, {"--svg", AERIS_ARTWORK_SOURCE_DIR "/background.svg", "--font", fontPath,
                                      "--icon", iconPath, "--out", outDir});
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        return {};
    }
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(ArtworkGenerator, two_runs_give_the_embedded_files_byte_for_byte) {
    QTemporaryDir first, second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    ASSERT_EQ(runGenerator(first.path()).exitCode, 0);
    ASSERT_EQ(runGenerator(second.path()).exitCode, 0);
    for (const QString& embedded : embeddedPaths()) {
        const QString name = QFileInfo(embedded).fileName();
        SCOPED_TRACE(name.toStdString());
        const QByteArray made = fileBytes(QDir(first.path()).filePath(name));
        ASSERT_FALSE(made.isEmpty());
        EXPECT_EQ(made, fileBytes(QDir(second.path()).filePath(name)));
        EXPECT_EQ(made, resourceBytes(embedded));
    }
}

TEST(ArtworkGenerator, fails_with_a_reason_and_writes_nothing_on_a_broken_icon_grid_or_a_missing_font) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString row(32, '.');
    struct Case {
        const char* what;
        QString grid;
        const char* reason;
    };
    const Case cases[] = {
        {"31 rows", (row + '\n').repeated(31), "31 rows"},
        {"33 rows", (row + '\n').repeated(33), "line 33"},
        {"short row", (row + '\n').repeated(5) + row.left(31) + '\n' + (row + '\n').repeated(26), "line 6"},
        {"unknown letter", (row + '\n').repeated(2) + "..x" + row.left(29) + '\n' + (row + '\n').repeated(29),
         "line 3, column 3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = QDir(dir.path()).filePath("icon.txt");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.grid.toUtf8());
        file.close();
        const GeneratorRun run = runGenerator(QDir(dir.path()).filePath("out"), path);
        EXPECT_NE(run.exitCode, 0);
        EXPECT_TRUE(run.errors.contains(c.reason)) << run.errors.toStdString();
        EXPECT_FALSE(QDir(dir.path()).exists("out")) << "nothing is written from broken sources";
    }

    const GeneratorRun noFont =
        runGenerator(QDir(dir.path()).filePath("out"), AERIS_ARTWORK_SOURCE_DIR "/icon.txt",
                     QDir(dir.path()).filePath("missing.otf"));
    EXPECT_NE(noFont.exitCode, 0);
    EXPECT_TRUE(noFont.errors.contains("missing.otf")) << noFont.errors.toStdString();
    EXPECT_FALSE(QDir(dir.path()).exists("out"));
}
