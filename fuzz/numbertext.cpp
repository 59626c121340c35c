// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

// Fuzzes the texts that show numbers: numberText, formatPattern and wholeNumberText. No text is
// ever "inf", "nan" or a negative zero. The number text of a finite double has its sign or a
// blank, at most 15 significant digits and no 0 before the point, reads back as the value
// rounded to 15 significant digits, and is written again unchanged from what it reads as. A
// formatted value has exactly the pattern's decimals and the locale's separator; it is the value
// rounded half away from zero, where a tie is judged on the shortest digits of the value
// (1.005 shows as 1.01), so it differs from printf's rounding of the binary value only at such
// a tie or where the double's spacing is wider than the last decimal.

#include "core/numbertext.h"
#include "core/numberreading.h"
#include "fuzzcheck.h"

#include <QLocale>
#include <QString>

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

using namespace Qt::StringLiterals;

constexpr double largest = std::numeric_limits<double>::max();

QString shortest(double value)
{
    return QString::number(value, 'g', 17);
}

// The value rounded to 15 significant digits, as the nearest double (or the largest finite one
// when the rounding leaves the range of a double).
double roundedTo15Digits(double value)
{
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    const double rounded = std::strtod(buffer, nullptr);
    return std::isinf(rounded) ? std::copysign(largest, rounded) : rounded;
}

bool isAllDigits(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Whether a text holds a digit other than 0.
bool hasNonZeroDigit(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c >= u'1' && c <= u'9'; });
}

bool hasNoInfinityOrNaN(const QString &text)
{
    return !text.contains(u"inf"_s, Qt::CaseInsensitive) &&
           !text.contains(u"nan"_s, Qt::CaseInsensitive);
}

void checkNumberText(double value)
{
    const std::optional<QString> text = numberText(value);
    if (!std::isfinite(value)) {
        require(!text, "an infinity or NaN has no number text", [&] { return visible(*text); });
        return;
    }
    const auto detail = [&] {
        return u"%1 has number text %2"_s.arg(shortest(value), visible(text.value_or(u"(none)"_s)));
    };
    require(text.has_value(), "a finite value has a number text", detail);
    require(text->size() >= 2 && text->front() == (value < 0 ? u'-' : u' '),
            "a number text starts with its sign or a blank", detail);

    const QString body = text->sliced(1);
    const qsizetype exponent = body.indexOf(u'E');
    const QString mantissa = exponent < 0 ? body : body.first(exponent);
    int significantDigits = 0;
    bool leadingZeros = true;
    for (const QChar c : mantissa) {
        require(isAllDigits(QStringView(&c, 1)) || c == u'.',
                "the digits of a number text are digits and a point", detail);
        leadingZeros = leadingZeros && (c == u'0' || c == u'.');
        if (!leadingZeros && c != u'.')
            ++significantDigits;
    }
    require(significantDigits <= 15, "a number text has at most 15 significant digits", detail);
    require(body == u"0"_s || !body.startsWith(u'0'), "no 0 stands before the point", detail);
    if (exponent >= 0) {
        const QString power = body.sliced(exponent + 1);
        require(power.size() >= 3 && (power[0] == u'+' || power[0] == u'-') &&
                    isAllDigits(power.sliced(1)),
                "an exponent is E, a sign and at least two digits", detail);
    }

    const double readBack = readNumber(*text);
    const double expected = roundedTo15Digits(value);
    require(readBack == expected, "a number text reads back as the value to 15 digits", [&] {
        return detail() +
               u" which reads as %1, not %2"_s.arg(shortest(readBack), shortest(expected));
    });
    require(readBack != 0 || *text == u" 0"_s, "zero is written \" 0\"", detail);
    const std::optional<QString> again = numberText(readBack);
    require(again == text, "a number text is written again as it reads", [&] {
        return detail() + u", its reading has %1"_s.arg(visible(again.value_or(QString())));
    });
}

// The shortest digits of the value and where its point stands, as to_chars writes them in
// scientific notation: 1.005 gives "1005" and 0.
struct ShortestDigits
{
    std::string digits;
    int exponent = 0;

    // How many decimals the shortest digits have after the point.
    int decimals() const { return std::max(0, static_cast<int>(digits.size()) - 1 - exponent); }
};

ShortestDigits shortestDigits(double value)
{
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::abs(value),
                                   std::chars_format::scientific)
                         .ptr;
    ShortestDigits result;
    const char *c = buffer;
    for (; c != end && *c != 'e'; ++c) {
        if (*c != '.')
            result.digits += *c;
    }
    const char *exponent = c + 1;
    if (*exponent == '+')
        ++exponent;
    std::from_chars(exponent, end, result.exponent);
    return result;
}

// The distance from the value to the next double away from it, up or down, whichever is wider.
double spacing(double value)
{
    const double magnitude = std::abs(value);
    return std::max(magnitude - std::nextafter(magnitude, 0.0),
                    std::nextafter(magnitude, largest) - magnitude);
}

// printf's rounding of the binary value, with the locale's separator and without the sign of a
// zero.
QString printfRounding(double value, int decimals, const QString &separator)
{
    std::string buffer(400, '\0');
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
    QString text = QString::fromLatin1(buffer.data(), length);
    if (text.startsWith(u'-') && !hasNonZeroDigit(text))
        text.remove(0, 1);
    return text.replace(u'.', separator);
}

void checkFormatPattern(double value, int decimals, const QLocale &locale)
{
    if (!std::isfinite(value))
        return;
    QString pattern = u"###0"_s;
    if (decimals > 0)
        pattern += u'.' + QString(decimals, u'0');
    const QString text = formatPattern(value, pattern, locale);
    const auto detail = [&] {
        return u"%1 with %2 in %3 gives %4"_s.arg(shortest(value), pattern, locale.name(),
                                                  visible(text));
    };
    require(hasNoInfinityOrNaN(text), "a formatted value is no infinity or NaN", detail);

    const QString separator = locale.decimalPoint();
    const QStringView unsignedText = QStringView(text).sliced(text.startsWith(u'-') ? 1 : 0);
    const qsizetype wholeDigits =
        unsignedText.size() - (decimals > 0 ? separator.size() + decimals : 0);
    require(wholeDigits > 0 && isAllDigits(unsignedText.first(wholeDigits)) &&
                (decimals == 0 || (unsignedText.sliced(wholeDigits).startsWith(separator) &&
                                   isAllDigits(unsignedText.last(decimals)))),
            "a formatted value has digits, the separator and the pattern's decimals", detail);
    require(!text.startsWith(u'-') || hasNonZeroDigit(text),
            "a value that shows as zero has no minus sign", detail);

    const QString printed = printfRounding(value, decimals, separator);
    if (text == printed)
        return;
    QString plain = text;
    const double shown = readNumber(plain.replace(separator, u"."_s));
    const ShortestDigits digits = shortestDigits(value);
    const bool tie = digits.decimals() == decimals + 1 && digits.digits.back() == '5';
    const double unit = std::pow(10.0, -decimals);
    const bool wideSpacing = spacing(value) > unit / 4;
    require(tie || wideSpacing, "a formatted value differs from printf only at a tie",
            [&] { return detail() + u", printf gives %1"_s.arg(printed); });
    if (tie) {
        QString plainPrinted = printed;
        const double printedValue = readNumber(plainPrinted.replace(separator, u"."_s));
        require(std::abs(shown) > std::abs(printedValue), "a tie rounds away from zero",
                [&] { return detail() + u", printf gives %1"_s.arg(printed); });
    } else {
        require(std::abs(shown - value) <= unit / 2 + spacing(value),
                "a formatted value lies within half a unit of its last decimal",
                [&] { return detail() + u", printf gives %1"_s.arg(printed); });
    }
}

void checkWholeNumberText(int value)
{
    const QString text = wholeNumberText(value);
    require(readNumber(text) == value && !text.startsWith(u"-0"_s),
            "a whole number text reads back as its number",
            [&] { return u"%1 gives %2"_s.arg(value).arg(visible(text)); });
}

const QLocale &localeNumbered(int index)
{
    // A point, a comma and a separator outside ASCII.
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::Dutch, QLocale::Netherlands),
                                      QLocale(QLocale::Arabic, QLocale::Egypt)};
    return locales[index];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int decimals = input.ConsumeIntegralInRange(0, 20);
    const QLocale &locale = localeNumbered(input.ConsumeIntegralInRange(0, 2));
    checkWholeNumberText(input.ConsumeIntegral<int>());

    // A value from any bit pattern reaches every exponent; one read from a text reaches the
    // decimal values that people type, ties such as 1.005 among them.
    double value = 0;
    if (input.ConsumeBool()) {
        value = std::bit_cast<double>(input.ConsumeIntegral<std::uint64_t>());
    } else {
        const std::string typed = input.ConsumeRemainingBytesAsString();
        value = readNumber(QString::fromLatin1(typed));
    }
    checkNumberText(value);
    checkFormatPattern(value, decimals, locale);
    return 0;
}
