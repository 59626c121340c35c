// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/functions/functionsdescription.h"

#include "canvas/graphdescription.h"
#include "modules/functions/cubicresults.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace families {

namespace {

// "a·f(b(x − c)) + d" for the sine and the tangent; "a·f(bx) + d" for c = 0. The pattern puts
// a, b, the argument and the added d in place.
QString periodicInWords(const char *pattern, const Coefficients &coefficients)
{
    const auto [a, b, c, d] = coefficients;
    const QString argument = c == 0 ? u"x"_s : u'(' + shiftInWords(c) + u')';
    return QCoreApplication::translate("GraphDescription", pattern)
        .arg(numberInWords(a), numberInWords(b), argument, addedInWords(d));
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
        //: a·sin(b·x) + d: %1 is a, %2 b, %3 the argument x or (x − c), %4 the added d.
        function =
            periodicInWords(QT_TRANSLATE_NOOP("GraphDescription", "%1sin(%2%3)%4"), coefficients);
        break;
    case Family::Tangent:
        //: a·tan(b·x) + d: %1 is a, %2 b, %3 the argument x or (x − c), %4 the added d.
        function =
            periodicInWords(QT_TRANSLATE_NOOP("GraphDescription", "%1tan(%2%3)%4"), coefficients);
        break;
    case Family::Quotient:
        function = u"(%1)/(%2)"_s.arg(sumInWords({{a, u"x"_s}, {b, {}}}),
                                      sumInWords({{c, u"x"_s}, {d, {}}}));
        break;
    case Family::Rational:
        //: a(x − b)(x − c)/(x² + d²): %1 is a, %2 and %3 the shifts, %4 the added d².
        function =
            QCoreApplication::translate("GraphDescription", "%1(%2)(%3)/(x²%4)")
                .arg(numberInWords(a), shiftInWords(b), shiftInWords(c), addedInWords(d * d));
        break;
    }
    return QCoreApplication::translate("GraphDescription", "y = %1").arg(function);
}

} // namespace families

namespace cubic {

QString graphInWords(const Coefficients &polynomial, bool factorised)
{
    const auto [a, b, c, d] = polynomial;
    //: The polynomial, its first and its second derivative.
    const QString curves =
        QCoreApplication::translate("GraphDescription", "y = %1; y' = %2; y'' = %3")
            .arg(sumInWords({{a, u"x³"_s}, {b, u"x²"_s}, {c, u"x"_s}, {d, {}}}),
                 sumInWords({{3 * a, u"x²"_s}, {2 * b, u"x"_s}, {c, {}}}),
                 sumInWords({{6 * a, u"x"_s}, {2 * b, {}}}));
    if (!factorised)
        return curves;
    const std::optional<ResultTexts> texts = factorisedTexts(polynomial);
    if (!texts)
        return curves;
    QString words = curves;
    // Each result after its name, %1 its text as the window writes it on one line.
    const std::pair<const char *, QString> results[] = {
        {QT_TRANSLATE_NOOP("GraphDescription", "factorised: %1"), texts->polynomial},
        {QT_TRANSLATE_NOOP("GraphDescription", "roots: %1"), texts->roots},
        {QT_TRANSLATE_NOOP("GraphDescription", "extrema: %1"), texts->extrema},
        {QT_TRANSLATE_NOOP("GraphDescription", "point of inflection, tangent: %1"),
         texts->inflection}};
    for (const auto &[pattern, text] : results) {
        if (!oneLineInWords(text).isEmpty())
            words +=
                u"; "_s +
                QCoreApplication::translate("GraphDescription", pattern).arg(oneLineInWords(text));
    }
    return words;
}

} // namespace cubic
