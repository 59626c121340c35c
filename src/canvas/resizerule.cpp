// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/resizerule.h"

#include <algorithm>

float canvasSideFor(double outerWidth, double outerHeight, const DesignSize &design)
{
    const double heightExcess = outerHeight - design.height;
    const double widthExcess = outerWidth - design.width;
    double side = design.canvasSide + std::min(widthExcess, heightExcess);
    if (side < 0)
        side = 100;
    return float(side);
}
