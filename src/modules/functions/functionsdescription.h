// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "modules/functions/cubic.h"
#include "modules/functions/families.h"

#include <QString>

// The graphs of the function windows in words, for the canvas's description.

namespace families {
// The family's prescription with the coefficients filled in: "y = 1sin(2(x − 1)) + 3".
QString graphInWords(Family k, const Coefficients &coefficients);
} // namespace families

namespace cubic {
// The three curves, "y = 1x³ − 1x; y' = 3x² − 1; y'' = 6x", and in the factorised view the
// results as the window writes them: "; factorised: ...; roots: ...; extrema: ...; point of
// inflection, tangent: ...". A result that is empty is left out.
QString graphInWords(const Coefficients &polynomial, bool factorised);
} // namespace cubic
