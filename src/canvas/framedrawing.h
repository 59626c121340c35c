// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/drawresult.h"

class DrawingSurface;
class FrameMapping;

// Draws the two axes, then either the dashed grid (one line at every whole world unit from -s to
// s) or the tick marks on both axes. Fails, with at most the axes drawn, when a grid position
// cannot be computed (a scale of 0).
DrawResult drawFrame(DrawingSurface &surface, const FrameMapping &frame, bool grid);

// The two parts of the frame, for a drawing that changes the pen between them: the axes through
// the middle of the surface, and the dashed grid or the tick marks, which fail as drawFrame does.
void drawAxes(DrawingSurface &surface, const FrameMapping &frame);
DrawResult drawGridOrTicks(DrawingSurface &surface, const FrameMapping &frame, bool grid);
