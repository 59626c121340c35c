// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QStringList>

namespace transformations {

// The six base functions that both transformation windows offer, in the order of their lists.
enum class BaseFunction
{
    X = 0,
    XSquared = 1,
    XCubed = 2,
    Reciprocal = 3,
    SquareRoot = 4,
    CubeRoot = 5
};

// The entries of the list of base functions. The square roots are written with a V and a macron.
QStringList baseFunctionEntries();

// The base function at x. 1/x is 0 at x = 0 (either sign of zero); the square root is 0 left of
// the origin; the cube root is real for every x. Not computable where the value overflows.
double baseValue(BaseFunction base, double x);

} // namespace transformations
