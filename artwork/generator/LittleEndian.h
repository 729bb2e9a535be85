// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <cstdint>

namespace aeris::artgen {

// Appends the little-endian header fields of the BMP and ICO files, byte by byte, so the
// output does not depend on the build machine's byte order or struct padding.
class LittleEndianWriter {
public:
    void u8(std::uint8_t value) { m_bytes.append(static_cast<char>(value)); }
    void u16(std::uint16_t value) {
        u8(static_cast<std::uint8_t>(value & 0xFF));
        u8(static_cast<std::uint8_t>(value >> 8));
    }
    void u32(std::uint32_t value) {
        u16(static_cast<std::uint16_t>(value & 0xFFFF));
        u16(static_cast<std::uint16_t>(value >> 16));
    }
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }

    const QByteArray& bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

} // namespace aeris::artgen
