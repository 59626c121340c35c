// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "core/numberreading.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

namespace {

// Walks a text and skips blanks, tabs and line feeds wherever they stand.
class Cursor
{
public:
    explicit Cursor(QStringView text) : m_text(text) {}

    // The next character that is not a blank, or 0 at the end of the text.
    char16_t peek()
    {
        while (m_position < m_text.size() && isBlank(m_text[m_position].unicode()))
            ++m_position;
        return m_position < m_text.size() ? m_text[m_position].unicode() : u'\0';
    }

    // Moves past the character that peek() returned.
    void advance() { ++m_position; }

private:
    static bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n'; }

    QStringView m_text;
    qsizetype m_position = 0;
};

bool isDecimalDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool isHexDigit(char16_t c)
{
    return isDecimalDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool isOctalDigit(char16_t c)
{
    return c >= u'0' && c <= u'7';
}

// A number too large for a double reads as the largest finite double with its sign, so that
// everything that reads a text box can rely on a finite value.
constexpr double largest = std::numeric_limits<double>::max();

// Tells an overflow from an underflow when from_chars finds a number out of range: the power of
// ten of the first significant digit decides. The mantissa has no sign; it is not all zeros, as
// zero is never out of range.
bool exceedsRange(std::string_view mantissa, std::string_view exponent)
{
    const auto point = std::min(mantissa.find('.'), mantissa.size());
    const auto first = mantissa.find_first_of("123456789");
    const long long leadingPower =
        first < point ? static_cast<long long>(point - first - 1)
                      : static_cast<long long>(point) - static_cast<long long>(first);

    // An exponent of any length counts as no larger than a billion, which keeps the sum exact.
    constexpr long long bound = 1'000'000'000;
    long long power = 0;
    if (!exponent.empty()) {
        const bool negative = exponent.front() == '-';
        if (exponent.front() == '-' || exponent.front() == '+')
            exponent.remove_prefix(1);
        const auto result =
            std::from_chars(exponent.data(), exponent.data() + exponent.size(), power);
        if (result.ec == std::errc::result_out_of_range || power > bound)
            power = bound;
        if (negative)
            power = -power;
    }
    return leadingPower + power > 0;
}

// Reads the digits after "&H" or "&O" as a non-negative whole number.
double readWholeNumber(Cursor &cursor, int bitsPerDigit)
{
    const auto isDigit = bitsPerDigit == 4 ? isHexDigit : isOctalDigit;
    std::string digits;
    for (char16_t c = cursor.peek(); isDigit(c); c = cursor.peek()) {
        digits += static_cast<char>(c);
        cursor.advance();
    }

    // Octal digits are regrouped into hexadecimal ones: from_chars then rounds correctly however
    // many digits there are. Leading zero bits pad the bits to whole hexadecimal digits.
    std::string hex;
    if (bitsPerDigit == 4) {
        hex = std::move(digits);
    } else {
        int pending = static_cast<int>((4 - digits.size() * 3 % 4) % 4);
        unsigned bits = 0;
        for (const char digit : digits) {
            bits = bits << 3 | static_cast<unsigned>(digit - '0');
            pending += 3;
            while (pending >= 4) {
                pending -= 4;
                hex += "0123456789abcdef"[(bits >> pending) & 0xf];
            }
        }
    }
    if (hex.empty())
        return 0.0;

    double value = 0.0;
    const auto result =
        std::from_chars(hex.data(), hex.data() + hex.size(), value, std::chars_format::hex);
    return result.ec == std::errc::result_out_of_range ? largest : value;
}

} // namespace

double readNumber(QStringView text, const QLocale &locale)
{
    const bool commaIsPoint = locale.decimalPoint() == QLatin1String(",");
    Cursor cursor(text);
    char16_t c = cursor.peek();

    if (c == u'&') {
        cursor.advance();
        c = cursor.peek();
        cursor.advance();
        if (c == u'H' || c == u'h')
            return readWholeNumber(cursor, 4);
        if (c == u'O' || c == u'o')
            return readWholeNumber(cursor, 3);
        return 0.0;
    }

    const bool negative = c == u'-';
    if (c == u'-' || c == u'+')
        cursor.advance();

    std::string mantissa;
    bool hasDigits = false;
    bool hasPoint = false;
    for (c = cursor.peek();; c = cursor.peek()) {
        if (isDecimalDigit(c))
            hasDigits = true;
        else if ((c == u'.' || (commaIsPoint && c == u',')) && !hasPoint)
            hasPoint = true;
        else
            break;
        mantissa += c == u',' ? '.' : static_cast<char>(c);
        cursor.advance();
    }
    if (!hasDigits)
        return 0.0;

    // The exponent belongs to the number only when digits follow its letter and sign.
    std::string exponent;
    if (c == u'E' || c == u'e' || c == u'D' || c == u'd') {
        cursor.advance();
        c = cursor.peek();
        if (c == u'-' || c == u'+') {
            exponent += static_cast<char>(c);
            cursor.advance();
        }
        bool hasExponentDigits = false;
        for (c = cursor.peek(); isDecimalDigit(c); c = cursor.peek()) {
            exponent += static_cast<char>(c);
            hasExponentDigits = true;
            cursor.advance();
        }
        if (!hasExponentDigits)
            exponent.clear();
    }

    const std::string number = mantissa + (exponent.empty() ? "" : "e" + exponent);
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = exceedsRange(mantissa, exponent) ? largest : 0.0;
    return negative ? -value : value;
}
