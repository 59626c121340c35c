// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "modules/conics/figurestore.h"

// Figures as a test writes them.
inline conics::Figure lineFigure(double u, double v, double w)
{
    return {conics::FigureKind::Line, {u, v, w}, {}};
}

inline conics::Figure conicFigure(double a, double b, double c)
{
    return {conics::FigureKind::Conic, {}, {a, b, c}};
}

inline const conics::Figure noFigure{};

// Which window's rules a data row follows.
enum class Window
{
    Parabolas,
    Circles
};
