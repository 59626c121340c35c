// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

// The pen colours a drawing may choose, by the role they play in the platform's colour scheme
// rather than by shade, so that a graph stays readable under any theme.
enum class SystemColour : unsigned char
{
    ButtonText,
    WindowText,
    ButtonShadow,
    Desktop,
    ActiveTitle,
    InactiveTitle
};

// The role's name as tests and the scenario runner list it: "buttontext", "windowtext", ...
QString systemColourName(SystemColour role);

// The least contrast a pen keeps against the canvas background, the palette's base colour.
constexpr double leastPenContrast = 3.0;

// The shade a role has in a palette, drawn on the palette's base colour. Every shade keeps at
// least leastPenContrast against that background, light or dark, and the three curve colours
// (desktop, active and inactive title bar) stay apart in hue.
QColor systemColourShade(SystemColour role, const QPalette &palette);

// The contrast ratio of two colours as screen-reading guidelines measure it: from 1 (the same
// luminance) to 21 (black on white).
double contrastRatio(const QColor &a, const QColor &b);
