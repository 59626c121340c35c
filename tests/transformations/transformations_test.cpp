// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/transformations/basefunctions.h"
#include "modules/transformations/fbgraph.h"
#include "modules/transformations/fcgraph.h"

#include "core/checkedarithmetic.h"
#include "testsupport.h"

#include <cmath>

using namespace transformations;

// The drawings of both windows are the standard sampling of these values (canvas_tests), with the
// steps and the square root's pen of the four-parameter window pinned by the fc-plot scenario;
// failures and the scale 1E17 by fb-errors, fc-plot, fb-print and fc-print; the list entries by
// fb-opening and fc-opening.

namespace {

// A row's value: the number itself, or notComputable where the value must not be finite.
void expectValue(double actual, double expected)
{
    if (std::isnan(expected)) {
        EXPECT_FALSE(std::isfinite(actual)) << actual;
    } else {
        EXPECT_EQ(actual, expected);
    }
}

TEST(BaseFunctions, GiveTheirValue)
{
    struct Row
    {
        const char *name;
        BaseFunction base;
        double x;
        double value;
    };
    // clang-format off
    const Row rows[] = {
        {"square", BaseFunction::XSquared, -3, 9},
        {"cube", BaseFunction::XCubed, -2, -8},
        {"reciprocal", BaseFunction::Reciprocal, -4, -0.25},
        {"reciprocal at minus zero", BaseFunction::Reciprocal, -0.0, 0},
        {"square root", BaseFunction::SquareRoot, 6.25, 2.5},
        {"square root of -1", BaseFunction::SquareRoot, -1, 0},
        {"cube root of 8", BaseFunction::CubeRoot, 8, 2},
        {"cube root of -8", BaseFunction::CubeRoot, -8, -2},
        {"cube overflows", BaseFunction::XCubed, 1e103, notComputable},
        {"reciprocal overflows", BaseFunction::Reciprocal, 1e-320, notComputable},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        expectValue(baseValue(row.base, row.x), row.value);
    }
}

TEST(OneParameterTransformations, GiveThePlottedValue)
{
    using fb::Transformation;
    struct Row
    {
        const char *name;
        BaseFunction base;
        Transformation transformation;
        double k;
        double x;
        double value;
    };
    // clang-format off
    const Row rows[] = {
        {"square plus k", BaseFunction::XSquared, Transformation::PlusK, 2, 3, 11},
        {"square shifted", BaseFunction::XSquared, Transformation::ShiftX, 2, 3, 25},
        {"square times k", BaseFunction::XSquared, Transformation::TimesK, 2, 3, 18},
        {"square scaled", BaseFunction::XSquared, Transformation::ScaleX, 2, 3, 36},
        // Left of 0 the square root is -k under f(x)+k, so the curve runs along the axis.
        {"square root on the axis under plus k", BaseFunction::SquareRoot, Transformation::PlusK, 2, -3, 0},
        {"square root on the axis under shift", BaseFunction::SquareRoot, Transformation::ShiftX, 2, -3, 0},
        {"a power overflows", BaseFunction::XCubed, Transformation::ScaleX, 1e200, 1, notComputable},
        {"an overflow hidden by the reciprocal", BaseFunction::Reciprocal, Transformation::ScaleX, 1e300, 1e10, notComputable},
        {"the shift overflows", BaseFunction::Reciprocal, Transformation::ShiftX, 1.7e308, 1.7e308, notComputable},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        expectValue(fb::y({row.base, row.transformation, row.k}, row.x), row.value);
    }
}

TEST(FourParameterTransformations, GiveThePlottedValue)
{
    using fc::Transformation;
    struct Row
    {
        const char *name;
        BaseFunction base;
        Transformation transformation;
        fc::Parameters parameters; // k, a, b, c
        double x;
        double value;
    };
    // clang-format off
    const Row rows[] = {
        {"the base ignores the parameters", BaseFunction::XSquared, Transformation::F, {2, 1, 1, 3}, -3, 9},
        {"times k", BaseFunction::XSquared, Transformation::TimesK, {2, 1, 1, 3}, -3, 18},
        {"shifted by a", BaseFunction::XSquared, Transformation::Shifted, {2, 1, 1, 3}, -3, 32},
        {"shifted and scaled", BaseFunction::XSquared, Transformation::ShiftedScaled, {2, 1, 1, 3}, -3, 288},
        {"full form", BaseFunction::XSquared, Transformation::Full, {2, 1, 1, 3}, -3, 289},
        {"square root in full form is 0, not b", BaseFunction::SquareRoot, Transformation::Full, {1, 2, 1, 1}, 1, 0},
        {"other functions keep b", BaseFunction::X, Transformation::Full, {1, 2, 1, 1}, 1, 0},
        {"a power overflows", BaseFunction::XCubed, Transformation::ShiftedScaled, {1, 0, 0, 1e200}, 1, notComputable},
        {"an overflow hidden by the reciprocal", BaseFunction::Reciprocal, Transformation::ShiftedScaled, {1, 0, 0, 1e300}, 1e10, notComputable},
        {"an overflow hidden by the square root rule", BaseFunction::SquareRoot, Transformation::Full, {1, 0, 0, -1e300}, 1e10, notComputable},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        expectValue(fc::y({row.base, row.transformation, row.parameters}, row.x), row.value);
    }
}

} // namespace
