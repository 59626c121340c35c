// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/transformations/basefunctions.h"

#include "core/checkedarithmetic.h"

#include <QCoreApplication>

#include <cmath>

namespace transformations {

QStringList baseFunctionEntries()
{
    return {QCoreApplication::translate("transformations", "x"),
            QCoreApplication::translate("transformations", "x²"),
            QCoreApplication::translate("transformations", "x³"),
            QCoreApplication::translate("transformations", "1/x"),
            //: The square root, written as a V with a macron over x.
            QCoreApplication::translate("transformations", "V¯x"),
            //: The cube root, written as a V with a macron over x and a small 3 before it.
            QCoreApplication::translate("transformations", "³V¯x")};
}

double baseValue(BaseFunction base, double x)
{
    constexpr double oneThird = 1.0 / 3;
    switch (base) {
    case BaseFunction::X:
        return x;
    case BaseFunction::XSquared:
        return x * x;
    case BaseFunction::XCubed:
        return x * x * x;
    case BaseFunction::Reciprocal:
        // -0.0 == 0 as well, so the zero that x·0 gives for a negative x is caught too.
        return x == 0 ? 0 : 1 / x;
    case BaseFunction::SquareRoot:
        return x < 0 ? 0 : std::sqrt(x);
    case BaseFunction::CubeRoot:
        return x < 0 ? -std::pow(-x, oneThird) : std::pow(x, oneThird);
    }
    return notComputable;
}

} // namespace transformations
