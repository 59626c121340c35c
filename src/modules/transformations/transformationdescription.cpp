// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/transformations/transformationdescription.h"

#include "canvas/graphdescription.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace transformations {

namespace {

// k times a function, written as the program writes a coefficient before its term: "2x²", "−1√x",
// and "2(1/x)", where the function starts with a digit of its own.
QString timesInWords(double k, const QString &function)
{
    const bool startsWithDigit = !function.isEmpty() && function[0].isDigit();
    return numberInWords(k) + (startsWithDigit ? u'(' + function + u')' : function);
}

} // namespace

QString baseFunctionInWords(BaseFunction base, const QString &argument)
{
    const QString inner = argument == u"x"_s ? argument : u'(' + argument + u')';
    switch (base) {
    case BaseFunction::X:
        return argument;
    case BaseFunction::XSquared:
        return inner + u'²';
    case BaseFunction::XCubed:
        return inner + u'³';
    case BaseFunction::Reciprocal:
        return u"1/"_s + inner;
    case BaseFunction::SquareRoot:
        return u'√' + inner;
    case BaseFunction::CubeRoot:
        return u'∛' + inner;
    }
    return {};
}

QString fb::graphInWords(const Graph &graph)
{
    const double k = graph.k;
    QString function;
    switch (graph.transformation) {
    case Transformation::PlusK:
        function = baseFunctionInWords(graph.base, u"x"_s) + addedInWords(k);
        break;
    case Transformation::ShiftX:
        function = baseFunctionInWords(graph.base, shiftInWords(-k));
        break;
    case Transformation::TimesK:
        function = timesInWords(k, baseFunctionInWords(graph.base, u"x"_s));
        break;
    case Transformation::ScaleX:
        function = baseFunctionInWords(graph.base, numberInWords(k) + u'x');
        break;
    }
    return QCoreApplication::translate("GraphDescription", "y = %1").arg(function);
}

QString fc::graphInWords(const Graph &graph)
{
    const auto [k, a, b, c] = graph.parameters;
    QString function;
    switch (graph.transformation) {
    case Transformation::F:
        function = baseFunctionInWords(graph.base, u"x"_s);
        break;
    case Transformation::TimesK:
        function = timesInWords(k, baseFunctionInWords(graph.base, u"x"_s));
        break;
    case Transformation::Shifted:
        function = timesInWords(k, baseFunctionInWords(graph.base, shiftInWords(a)));
        break;
    case Transformation::ShiftedScaled:
    case Transformation::Full: {
        const QString scaled = numberInWords(c) + u'(' + shiftInWords(a) + u')';
        function = timesInWords(k, baseFunctionInWords(graph.base, scaled));
        if (graph.transformation == Transformation::Full)
            function += addedInWords(b);
        break;
    }
    }
    return QCoreApplication::translate("GraphDescription", "y = %1").arg(function);
}

} // namespace transformations
