// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include <QApplication>
#include <gtest/gtest.h>

// GUI tests always run on the offscreen platform unless a test run asks for another one
// explicitly (AERIS_TEST_PLATFORM=xcb under Xvfb).
int main(int argc, char** argv) {
    const QByteArray platform = qgetenv("AERIS_TEST_PLATFORM");
    qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArray("offscreen") : platform);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
