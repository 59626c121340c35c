// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/functions/functionsdescription.h"

#include "canvas/graphdescription.h"
#include "modules/functions/cubicresults.h"

using namespace Qt::StringLiterals;

namespace families {

namespace {

// "a·f(b(x − c)) + d" for the sine and the tangent; "a·f(bx) + d" for c = 0.
QString periodicInWords(const QString &function, const Coefficients &coefficients)
{
    const auto [a, b, c, d] = coefficients;
    const QString argument = c == 0 ? u"x"_s : u'(' + shiftInWords(c) + u')';
    return u"%1%2(%3%4)"_s.arg(numberInWords(a), function, numberInWords(b), argument) +
           addedInWords(d);
}

} // namespace

QString graphInWords(Family k, const Coefficients &coefficients)
{
    const auto [a, b, c, d] = coefficients;
    QString function;
    switch (k) {
    case Family::Linear:
        function = sumInWords({{a, u"x"_s}, {b, {}}});
        break;
    case Family::Quadratic:
        function = sumInWords({{a, u"x²"_s}, {b, u"x"_s}, {c, {}}});
        break;
    case Family::Cubic:
        function = sumInWords({{a, u"x³"_s}, {b, u"x²"_s}, {c, u"x"_s}, {d, {}}});
        break;
    case Family::Sine:
        function = periodicInWords(u"sin"_s, coefficients);
        break;
    case Family::Tangent:
        function = periodicInWords(u"tan"_s, coefficients);
        break;
    case Family::Quotient:
        function = u"(%1)/(%2)"_s.arg(sumInWords({{a, u"x"_s}, {b, {}}}),
                                      sumInWords({{c, u"x"_s}, {d, {}}}));
        break;
    case Family::Rational:
        function = u"%1(%2)(%3)/(x²%4)"_s.arg(numberInWords(a), shiftInWords(b), shiftInWords(c),
                                              addedInWords(d * d));
        break;
    }
    return u"y = "_s + function;
}

} // namespace families

namespace cubic {

QString graphInWords(const Coefficients &polynomial, bool factorised)
{
    const auto [a, b, c, d] = polynomial;
    const QString curves = u"y = %1; y' = %2; y'' = %3"_s.arg(
        sumInWords({{a, u"x³"_s}, {b, u"x²"_s}, {c, u"x"_s}, {d, {}}}),
        sumInWords({{3 * a, u"x²"_s}, {2 * b, u"x"_s}, {c, {}}}),
        sumInWords({{6 * a, u"x"_s}, {2 * b, {}}}));
    if (!factorised)
        return curves;
    const std::optional<ResultTexts> texts = factorisedTexts(polynomial);
    if (!texts)
        return curves;
    QString words = curves;
    const std::pair<QString, QString> results[] = {
        {u"factorised"_s, texts->polynomial},
        {u"roots"_s, texts->roots},
        {u"extrema"_s, texts->extrema},
        {u"point of inflection, tangent"_s, texts->inflection}};
    for (const auto &[name, text] : results) {
        if (!oneLineInWords(text).isEmpty())
            words += u"; %1: %2"_s.arg(name, oneLineInWords(text));
    }
    return words;
}

} // namespace cubic
