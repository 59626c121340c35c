// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/transformations/basefunctions.h"

#include "core/checkedarithmetic.h"

#include <cmath>

namespace transformations {

QStringList baseFunctionEntries()
{
    return {QStringLiteral("x"),   QStringLiteral("x²"),       QStringLiteral("x³"),
            QStringLiteral("1/x"), QStringLiteral("V\u00afx"), QStringLiteral("³V\u00afx")};
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
