// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "modules/quadratic/quadratic.h"

#include <QString>

namespace quadratic {

// The parabola of prescription k in words, for the canvas's description: its prescription with
// the coefficients filled in, its zeros and its vertex, "y = 1x² − 2x − 3; zeros −1 and 3; vertex
// (1, −4)". With a = 0 it is the line its prescription leaves, without a vertex.
QString graphInWords(Prescription k, const QuadraticCoefficients &coefficients);

} // namespace quadratic
