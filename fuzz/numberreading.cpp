// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

// Fuzzes readNumber, which reads every number typed into a box. Whatever the text, the result is
// finite and the blanks, tabs and line feeds in it change nothing; a decimal number at its start
// reads as the correctly rounded double (glibc's strtod in the C locale, which the fuzzer never
// leaves), an "&H" or "&O" number as its correctly rounded value, a number beyond the range of a
// double as the largest finite one with its sign, and a text with no number as 0.

#include "core/numberreading.h"
#include "fuzzcheck.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

namespace {

using namespace Qt::StringLiterals;

constexpr double largest = std::numeric_limits<double>::max();

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The text without its blanks, tabs and line feeds, as ASCII up to its first other character,
// which is kept as a DEL: a character that no number holds.
std::string withoutBlanks(QStringView text)
{
    std::string ascii;
    for (const QChar c : text) {
        if (isBlank(c))
            continue;
        if (c.unicode() >= 0x7f) {
            ascii += '\x7f';
            break;
        }
        ascii += static_cast<char>(c.unicode());
    }
    return ascii;
}

// strtod's reading, with an overflow made the largest finite double of its sign.
double finiteStrtod(const std::string &number)
{
    const double value = std::strtod(number.c_str(), nullptr);
    return std::isinf(value) ? std::copysign(largest, value) : value;
}

// The value of the decimal number at the start of a text without blanks: a sign, digits with at
// most one point, and an exponent letter (E or D) with a sign and digits; 0 when no digit comes
// before the exponent.
double expectedDecimal(std::string_view text)
{
    std::string number;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number += text[i++];
    bool hasDigits = false;
    bool hasPoint = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i]))
            hasDigits = true;
        else if (text[i] == '.' && !hasPoint)
            hasPoint = true;
        else
            break;
        number += text[i];
    }
    if (!hasDigits)
        return 0.0;
    if (i < text.size() && std::string_view("eEdD").find(text[i]) != std::string_view::npos) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            exponent += text[j++];
        const std::size_t digitsStart = j;
        for (; j < text.size() && isDigit(text[j]); ++j)
            exponent += text[j];
        if (j > digitsStart)
            number += exponent;
    }
    return finiteStrtod(number);
}

int hexDigitValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The value of the hexadecimal (bitsPerDigit 4) or octal (3) digits at the start of a text:
// the digits are written out as bits, the bits regrouped as hexadecimal digits, and strtod
// reads those as a hexadecimal floating-point number.
double expectedWhole(std::string_view text, int bitsPerDigit)
{
    std::string bits;
    for (const char c : text) {
        const int digit = hexDigitValue(c);
        if (digit < 0 || digit >= (1 << bitsPerDigit))
            break;
        for (int bit = bitsPerDigit - 1; bit >= 0; --bit)
            bits += (digit >> bit & 1) ? '1' : '0';
    }
    if (bits.empty())
        return 0.0;
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    std::string hex = "0x";
    for (std::size_t i = 0; i < bits.size(); i += 4)
        hex += "0123456789abcdef"[std::stoi(bits.substr(i, 4), nullptr, 2)];
    return finiteStrtod(hex);
}

double expectedValue(std::string_view text)
{
    if (text.starts_with('&')) {
        if (text.size() < 2)
            return 0.0;
        switch (text[1]) {
        case 'H':
        case 'h':
            return expectedWhole(text.substr(2), 4);
        case 'O':
        case 'o':
            return expectedWhole(text.substr(2), 3);
        default:
            return 0.0;
        }
    }
    return expectedDecimal(text);
}

bool sameDouble(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const double value = readNumber(text);
    const auto detail = [&] {
        return u"text %1 reads as %2"_s.arg(visible(text)).arg(value, 0, 'g', 17);
    };
    require(std::isfinite(value), "a text reads as a finite number", detail);

    const std::string compact = withoutBlanks(text);
    const double withoutBlanksValue = readNumber(QString::fromLatin1(compact));
    require(
        sameDouble(value, withoutBlanksValue), "blanks, tabs and line feeds change nothing",
        [&] { return detail() + u", without blanks %1"_s.arg(withoutBlanksValue, 0, 'g', 17); });

    const double expected = expectedValue(compact);
    require(sameDouble(value, expected), "a number reads as its correctly rounded value",
            [&] { return detail() + u", expected %1"_s.arg(expected, 0, 'g', 17); });
    return 0;
}
