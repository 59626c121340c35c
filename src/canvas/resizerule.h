// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

// The design constants of a module window, in twips: its outer size W0 x H0 at which the square
// canvas has the side B.
struct DesignSize
{
    double width;
    double height;
    double canvasSide;
};

// The part of a window's outer size that is not client area (frame and caption), as the windows
// were designed: a window opened at its design client size has the canvas side B.
inline constexpr double designFrameWidth = 120;
inline constexpr double designFrameHeight = 405;

// The canvas side for a window of the given outer size: B plus the smaller of the two excesses
// over the design size, so the square fits both ways; 100 when that would be negative.
float canvasSideFor(double outerWidth, double outerHeight, const DesignSize &design);
