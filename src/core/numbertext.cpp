// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "core/numbertext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace {

// Splits the text of a finite value written by to_chars in exponent form ("-1.25e+03") into its
// digits without the point ("125") and its power of ten (3).
void splitScientific(std::string_view text, std::string &digits, int &exponent)
{
    const auto e = text.find('e');
    for (const char c : text.substr(0, e)) {
        if (c != '.')
            digits += c;
    }
    std::string_view power = text.substr(e + 1);
    if (power.front() == '+')
        power.remove_prefix(1);
    std::from_chars(power.data(), power.data() + power.size(), exponent);
}

// Adds one to a whole number written in decimal digits.
void increment(std::string &digits)
{
    auto it = digits.rbegin();
    for (; it != digits.rend() && *it == '9'; ++it)
        *it = '0';
    if (it == digits.rend())
        digits.insert(digits.begin(), '1');
    else
        ++*it;
}

} // namespace

std::optional<QString> numberText(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // Whole numbers of up to fifteen digits, the most common numbers by far, are written
    // directly: the same text, several times faster.
    if (std::abs(value) < 1e15 && value == std::trunc(value)) {
        char digits[16];
        const auto end =
            std::to_chars(digits, digits + sizeof digits, static_cast<long long>(std::abs(value)))
                .ptr;
        QString out = value < 0 ? QStringLiteral("-") : QStringLiteral(" ");
        out += QLatin1StringView(digits, end - digits);
        return out;
    }
    // Fifteen significant digits in the general format switch to the exponent form when the
    // decimal exponent is below -4 or at least 15, just as %.15G does, but without its locale.
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string_view text(buffer, result.ptr - buffer);
    if (text.front() == '-')
        text.remove_prefix(1);

    const auto e = text.find('e');
    std::string_view mantissa = text.substr(0, e);
    if (mantissa.starts_with("0."))
        mantissa.remove_prefix(1);

    // The sign comes from the value, so -0, which to_chars writes as "-0", is written like 0.
    QString out = value < 0 ? QStringLiteral("-") : QStringLiteral(" ");
    out += QLatin1StringView(mantissa.data(), mantissa.size());
    if (e != std::string_view::npos) {
        const std::string_view digits = text.substr(e + 2);
        out += u'E';
        out += QLatin1Char(text[e + 1]);
        if (digits.size() < 2)
            out += u'0';
        out += QLatin1StringView(digits.data(), digits.size());
    }
    return out;
}

QString wholeNumberText(int value)
{
    return QString::number(value);
}

QString formatPattern(double value, QStringView pattern, const QLocale &locale)
{
    if (!std::isfinite(value))
        return QString::number(value);

    const qsizetype point = pattern.indexOf(u'.');
    const qsizetype decimals = point < 0 ? 0 : pattern.size() - point - 1;

    // The shortest digits that read back as the value are rounded, not its binary expansion:
    // the double nearest 1.005 lies slightly below it, yet shows as 1.01 with two decimals.
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    std::string_view text(buffer, result.ptr - buffer);
    const bool negative = text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    std::string digits;
    int exponent = 0;
    splitScientific(text, digits, exponent);

    // The value times 10^decimals, rounded half away from zero to a whole number. Of the digits,
    // those before the point and the decimals are kept; the first digit dropped rounds.
    const qsizetype kept = exponent + 1 + decimals;
    const auto digitCount = static_cast<qsizetype>(digits.size());
    std::string scaled;
    if (kept > 0) {
        scaled = digits.substr(0, std::min(kept, digitCount));
        scaled.append(std::max<qsizetype>(kept - digitCount, 0), '0');
    }
    if (kept >= 0 && kept < digitCount && digits[kept] >= '5')
        increment(scaled);
    if (static_cast<qsizetype>(scaled.size()) <= decimals)
        scaled.insert(0, decimals + 1 - scaled.size(), '0');

    const qsizetype wholeDigits = static_cast<qsizetype>(scaled.size()) - decimals;
    QString out;
    if (negative && scaled.find_first_not_of('0') != std::string::npos)
        out += u'-';
    out += QLatin1StringView(scaled.data(), wholeDigits);
    if (decimals > 0) {
        out += locale.decimalPoint();
        out += QLatin1StringView(scaled.data() + wholeDigits, decimals);
    }
    return out;
}

double roundThreeDecimals(double t)
{
    return std::floor(t * 1000 + 0.5) / 1000;
}
