// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/conics/figurestore.h"

namespace conics {

void FigureStore::store(FigureNumber k, const Figure &boxes)
{
    Figure &figure = (*this)[k];
    figure.kind = boxes.kind;
    if (boxes.kind == FigureKind::Line)
        figure.line = boxes.line;
    else if (boxes.kind == FigureKind::Conic)
        figure.conic = boxes.conic;
}

void FigureStore::zeroCoefficients()
{
    for (Figure &figure : figures) {
        figure.line = {};
        figure.conic = {};
    }
}

} // namespace conics
