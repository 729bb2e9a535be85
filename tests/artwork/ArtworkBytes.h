// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>

namespace aeris::test {

// The bytes of an embedded picture, or an empty array when it is missing.
inline QByteArray resourceBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline std::uint32_t byteAt(const QByteArray& bytes, qsizetype offset) {
    return static_cast<std::uint8_t>(bytes.at(offset));
}
inline std::uint32_t le16(const QByteArray& bytes, qsizetype offset) {
    return byteAt(bytes, offset) | byteAt(bytes, offset + 1) << 8;
}
inline std::uint32_t le32(const QByteArray& bytes, qsizetype offset) {
    return le16(bytes, offset) | le16(bytes, offset + 2) << 16;
}
inline std::uint32_t be16(const QByteArray& bytes, qsizetype offset) {
    return byteAt(bytes, offset) << 8 | byteAt(bytes, offset + 1);
}

} // namespace aeris::test
