// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/graphdescription.h"

#include "core/numbertext.h"

#include <QCoreApplication>
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

// Each drawing is added to the words before it through one translated sentence, so that the whole
// description comes from the translation.
QString graphInWords(const std::vector<DrawingInWords> &drawings)
{
    if (drawings.empty())
        return QCoreApplication::translate("GraphDescription", "nothing drawn");
    QString words;
    const DrawingInWords *previous = nullptr;
    for (const DrawingInWords &drawing : drawings) {
        if (!previous) {
            //: The first drawing: %1 is its frame ("scale 8, grid on"), %2 what it shows.
            words = drawing.frame.isEmpty()
                        ? drawing.content
                        : QCoreApplication::translate("GraphDescription", "%1: %2")
                              .arg(drawing.frame, drawing.content);
        } else if (drawing.frame.isEmpty() && drawing.frame != previous->frame) {
            //: %1 is the description so far, %2 what the next drawing shows, without a frame.
            words = QCoreApplication::translate("GraphDescription", "%1. Then %2")
                        .arg(words, drawing.content);
        } else if (drawing.frame != previous->frame) {
            //: %1 is the description so far, %2 the next drawing's frame ("scale 4, grid off"),
            //: %3 what it shows.
            words = QCoreApplication::translate("GraphDescription", "%1. Then %2: %3")
                        .arg(words, drawing.frame, drawing.content);
        } else {
            //: %1 is the description so far, %2 what the next drawing in the same frame shows.
            words = QCoreApplication::translate("GraphDescription", "%1. %2")
                        .arg(words, drawing.content);
        }
        previous = &drawing;
    }
    return words;
}

QString frameInWords(double scale, bool grid)
{
    //: The frame of a graph: %1 is the scale, %2 "on" or "off".
    return QCoreApplication::translate("GraphDescription", "scale %1, grid %2")
        .arg(numberInWords(scale), grid ? QCoreApplication::translate("GraphDescription", "on")
                                        : QCoreApplication::translate("GraphDescription", "off"));
}

QString numberInWords(double value)
{
    if (!std::isfinite(value))
        return QCoreApplication::translate("GraphDescription", "not computable");
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
