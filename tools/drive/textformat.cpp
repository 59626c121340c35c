// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "textformat.h"

#include <array>
#include <charconv>

namespace {

// Fixed notation without a precision gives the shortest round-trip digits (std::to_chars).
template <typename Number> QString shortestDecimal(Number value)
{
    if (value == 0)
        value = 0;                // drops the sign of -0
    std::array<char, 400> buffer; // room for every finite double in fixed notation
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

// How a quoted word writes a character that it cannot hold as it is; nullptr for any other.
const char *escapeOf(char16_t c)
{
    switch (c) {
    case u'"':
        return "\\\"";
    case u'\\':
        return "\\\\";
    case u'\r':
        return "\\r";
    case u'\n':
        return "\\n";
    case u'\t':
        return "\\t";
    default:
        return nullptr;
    }
}

} // namespace

QString formatNumber(double value)
{
    return shortestDecimal(value);
}

QString formatNumber(float value)
{
    return shortestDecimal(value);
}

QString quoted(const QString &text)
{
    QString result = QStringLiteral("\"");
    for (const QChar c : text) {
        if (const char *escape = escapeOf(c.unicode()))
            result += QLatin1StringView(escape);
        else
            result += c;
    }
    return result + u'"';
}

QString quotedBytes(const QByteArray &bytes)
{
    QString result = QStringLiteral("\"");
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (const char *escape = escapeOf(value))
            result += QLatin1StringView(escape);
        else if (value >= 32 && value <= 126)
            result += QLatin1Char(byte);
        else
            result += QStringLiteral("\\x%1").arg(value, 2, 16, QLatin1Char('0'));
    }
    return result + u'"';
}
