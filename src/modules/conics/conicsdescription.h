// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "modules/conics/figurestore.h"

#include <QString>

// The stored figures in words, for the canvas's description: each as the window's list of figures
// describes it, then their intersections as the window writes them, "f1: + 1x- 1y+ 0=0, Int X: 0
// Int Y: 0; f2: ...; intersection: ...". Worked out on a copy of the store: describing changes
// nothing.
namespace conics {

namespace parabolas {
QString graphInWords(const FigureStore &store);
} // namespace parabolas

namespace circles {
QString graphInWords(const FigureStore &store);
} // namespace circles

} // namespace conics
