// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QChar>

// The characters of the bytes 0x80 to 0x9F in Windows-1252. The five bytes that the code page
// leaves undefined keep their value, as Windows reads them.
inline constexpr char16_t windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The character of a byte in Windows-1252.
inline QChar windows1252Character(char byte)
{
    const auto value = static_cast<unsigned char>(byte);
    return QChar(value >= 0x80 && value < 0xA0 ? windows1252High[value - 0x80] : char16_t(value));
}

// Whether Windows-1252 has a byte for the character.
inline bool isWindows1252(QChar character)
{
    const char16_t c = character.unicode();
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return true;
    for (const char16_t high : windows1252High) {
        if (c == high)
            return true;
    }
    return false;
}
