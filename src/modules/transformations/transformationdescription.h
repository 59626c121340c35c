// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "modules/transformations/fbgraph.h"
#include "modules/transformations/fcgraph.h"

#include <QString>

// The transformed graphs in words, for the canvas's description: the chosen base function under
// the chosen transformation, with the parameters filled in.
namespace transformations {

// The base function of an argument written out: "x²", "(x + 2)²", "√(2x)", "1/x".
QString baseFunctionInWords(BaseFunction base, const QString &argument);

namespace fb {
// "y = x² + 2", "y = (x + 2)²", "y = 2x²", "y = (2x)²".
QString graphInWords(const Graph &graph);
} // namespace fb

namespace fc {
// "y = x²" up to "y = 2(3(x − 1))² + 4".
QString graphInWords(const Graph &graph);
} // namespace fc

} // namespace transformations
