// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/conics/figuretext.h"

#include "core/checkedarithmetic.h"
#include "core/numbertext.h"

#include <QCoreApplication>

#include <cmath>

namespace conics {

QString signedCoefficientText(double u)
{
    return u >= 0 ? u'+' + checkedNumberText(u) : checkedNumberText(u);
}

QString checkedNumberText(double value)
{
    return numberText(value).value_or(QString());
}

QString pointText(double x, double y)
{
    return u'(' + checkedNumberText(x) + u',' + checkedNumberText(y) + u')';
}

std::optional<QString> roundedPointText(double x, double y)
{
    const double xRounded = roundThreeDecimals(x);
    const double yRounded = roundThreeDecimals(y);
    if (!computable(xRounded, yRounded))
        return std::nullopt;
    return pointText(xRounded, yRounded);
}

QString linePrescription(const Line &line)
{
    //: The line ux + vy + w = 0, each coefficient with its sign.
    return QCoreApplication::translate("conics", "%1x%2y%3=0")
        .arg(signedCoefficientText(line.u), signedCoefficientText(line.v),
             signedCoefficientText(line.w));
}

double roundedIntercept(double w, double denominator)
{
    return std::floor((-w * 1000) / denominator + 0.5) / 1000;
}

std::optional<QString> lineAgainstLine(const Line &first, const Line &second, bool rounded)
{
    const double D = first.u * second.v - second.u * first.v;
    const double Dx = second.w * first.v - first.w * second.v;
    const double Dy = first.w * second.u - second.w * first.u;
    if (!computable(D, Dx, Dy))
        return std::nullopt;
    if (D != 0) {
        const double x = Dx / D;
        const double y = Dy / D;
        if (rounded)
            return roundedPointText(x, y);
        if (!computable(x, y))
            return std::nullopt;
        return pointText(x, y);
    }
    if (Dx != 0 || Dy != 0)
        return QCoreApplication::translate("conics", "No intersection");
    //: The two lines are one and the same.
    return QCoreApplication::translate("conics", "Lines coincides");
}

} // namespace conics
