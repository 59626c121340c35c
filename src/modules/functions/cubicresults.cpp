// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/functions/cubicresults.h"

#include "core/numbertext.h"
#include "modules/functions/cubictext.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace cubic {

namespace {

// What a result without roots, extrema or point of inflection shows.
QString none()
{
    //: No roots, no extrema or no point of inflection.
    return QCoreApplication::translate("cubic", "none");
}

// Every number is a root of the zero polynomial.
QString everyNumber()
{
    //: The set of the real numbers, as the roots of the zero polynomial.
    return QCoreApplication::translate("cubic", "R");
}

const QString rootSeparator = u"  "_s;
const QString lineBreak = u"\r\n"_s;

std::optional<QString> joined(std::initializer_list<std::optional<QString>> pieces,
                              const QString &separator)
{
    QString text;
    bool first = true;
    for (const std::optional<QString> &piece : pieces) {
        if (!piece)
            return std::nullopt;
        if (!first)
            text += separator;
        text += *piece;
        first = false;
    }
    return text;
}

// The roots, from the factorisation of the polynomial itself.
std::optional<QString> rootsText(const Coefficients &polynomial, const Factorisation &roots)
{
    const auto [a, b, c, d] = polynomial;
    if (a != 0) {
        if (roots.D > 0)
            return joined({numberText(roots.x1), numberText(roots.x2), numberText(roots.x3)},
                          rootSeparator);
        if (roots.D == 0)
            return joined({numberText(roots.x1), numberText(roots.x2)}, rootSeparator);
        return numberText(roots.x1);
    }
    if (b != 0) {
        if (roots.D > 0)
            return joined({numberText(roots.x2), numberText(roots.x3)}, rootSeparator);
        if (roots.D == 0)
            return numberText(roots.x2);
        return none();
    }
    if (c != 0)
        return numberText(-d / c);
    return d != 0 ? none() : everyNumber();
}

// The extrema, from the factorisation of the first derivative. A cubic whose derivative has a
// double root lists that stationary point too.
std::optional<QString> extremaText(const Coefficients &polynomial, const Factorisation &roots)
{
    const auto [a, b, c, d] = polynomial;
    if (a == 0)
        return b != 0 ? graphPointText(polynomial, -c / (2 * b)) : none();
    if (roots.D > 0)
        return joined({graphPointText(polynomial, roots.x2), graphPointText(polynomial, roots.x3)},
                      lineBreak);
    if (roots.D == 0)
        return graphPointText(polynomial, roots.x2);
    return none();
}

// The point of inflection and, on the next line, the tangent there: "y = -3x + 0".
std::optional<QString> inflectionText(const Coefficients &polynomial)
{
    const auto [a, b, c, d] = polynomial;
    if (a == 0)
        return none();
    const double xb = (-b / 3) / a;
    const double yb = y(polynomial, xb);
    const double m = firstDerivative(polynomial, xb);
    const double q = yb - m * xb;
    const std::optional<QString> slope = thousandthsText(m);
    const std::optional<QString> intercept = thousandthsText(q);
    if (!slope || !intercept)
        return std::nullopt;
    //: The tangent line y = mx + q: %1 is the slope, %2 the intercept with its sign.
    const QString tangent = QCoreApplication::translate("cubic", "y = %1x %2")
                                .arg(*slope, (q >= 0 ? u"+"_s : QString()) + *intercept);
    return joined({graphPointText(polynomial, xb), tangent}, lineBreak);
}

} // namespace

std::optional<ResultTexts> expandedTexts(const Coefficients &polynomial)
{
    const auto [a, b, c, d] = polynomial;
    const std::optional<QString> texts[] = {polynomialText(a, b, c, d),
                                            polynomialText(0, 3 * a, 2 * b, c),
                                            polynomialText(0, 0, 6 * a, 2 * b)};
    for (const std::optional<QString> &text : texts) {
        if (!text)
            return std::nullopt;
    }
    return ResultTexts{*texts[0], *texts[1], *texts[2], {}, {}, {}};
}

std::optional<ResultTexts> factorisedTexts(const Coefficients &polynomial)
{
    const auto [a, b, c, d] = polynomial;
    const Factorisation itself = factorise(a, b, c, d);
    const Factorisation first = factorise(0, 3 * a, 2 * b, c);
    const Factorisation second = factorise(0, 0, 6 * a, 2 * b);
    const std::optional<QString> rootList =
        itself.text ? rootsText(polynomial, itself) : std::nullopt;
    const std::optional<QString> extrema =
        first.text ? extremaText(polynomial, first) : std::nullopt;
    const std::optional<QString> inflection = inflectionText(polynomial);
    if (!rootList || !extrema || !second.text || !inflection)
        return std::nullopt;
    return ResultTexts{*itself.text, *first.text, *second.text, *rootList, *extrema, *inflection};
}

} // namespace cubic
