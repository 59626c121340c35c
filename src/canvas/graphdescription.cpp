// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/graphdescription.h"

#include "core/numbertext.h"

#include <QStringList>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QChar minusSign = u'\u2212';

// " + 2x" or " − 2x": a term after the first, with its sign apart.
QString followingTerm(double coefficient, const QString &factor)
{
    return (coefficient < 0 ? u" − "_s : u" + "_s) + numberInWords(std::abs(coefficient)) + factor;
}

} // namespace

QString graphInWords(const std::vector<DrawingInWords> &drawings)
{
    if (drawings.empty())
        return u"nothing drawn"_s;
    QString words;
    const DrawingInWords *previous = nullptr;
    for (const DrawingInWords &drawing : drawings) {
        if (!previous) {
            if (!drawing.frame.isEmpty())
                words += drawing.frame + u": "_s;
        } else if (drawing.frame != previous->frame) {
            words +=
                drawing.frame.isEmpty() ? u". Then "_s : u". Then "_s + drawing.frame + u": "_s;
        } else {
            words += u". "_s;
        }
        words += drawing.content;
        previous = &drawing;
    }
    return words;
}

QString frameInWords(double scale, bool grid)
{
    return u"scale %1, grid %2"_s.arg(numberInWords(scale), grid ? u"on"_s : u"off"_s);
}

QString numberInWords(double value)
{
    if (!std::isfinite(value))
        return u"not computable"_s;
    // Beyond the range where thousandths can be counted, the number is already whole.
    const double thousandths = roundThreeDecimals(value);
    const double rounded = std::isfinite(thousandths) ? thousandths : value;
    const QString text = QString::number(std::abs(rounded), 'g', 15);
    return rounded < 0 ? minusSign + text : text;
}

QString pointInWords(double x, double y)
{
    return u"(%1, %2)"_s.arg(numberInWords(x), numberInWords(y));
}

QString sumInWords(std::initializer_list<Term> terms)
{
    QString words;
    for (const Term &term : terms) {
        if (words.isEmpty())
            words = numberInWords(term.coefficient) + term.factor;
        else if (term.coefficient != 0)
            words += followingTerm(term.coefficient, term.factor);
    }
    return words;
}

QString oneLineInWords(const QString &text)
{
    QStringList lines;
    for (const QString &line : text.split(u"\r\n"_s, Qt::SkipEmptyParts))
        lines.append(line.simplified());
    return lines.join(u", "_s);
}

QString addedInWords(double value)
{
    return value == 0 ? QString() : followingTerm(value, QString());
}

QString shiftInWords(double p)
{
    return u"x"_s + addedInWords(-p);
}
