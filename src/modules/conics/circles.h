// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/drawresult.h"
#include "modules/conics/figurestore.h"
#include "modules/conics/figuretext.h"

#include <QString>

#include <optional>

class DrawingSurface;
class FrameMapping;

// Lines and circles: the logic of the window that reads a stored conic as the circle
// x² + y² + 2a·x + 2b·y + c = 0, with centre (-a, -b) and squared radius a·a + b·b - c.
namespace conics::circles {

// Stores the figure that the boxes describe (its kind decides) as figure k and returns the two
// List2 rows that describe it. Nothing is stored and nothing returned when a number of the rows
// overflows, so that the rows keep describing the figure stored before.
std::optional<FigureRows> storeFigure(FigureStore &store, FigureNumber k, const Figure &boxes);

// Where the line meets the circle: two points on two lines, "Contact:(x,y)" or "No
// intersection", the points rounded to three decimals. Empty when u = v = 0 (so two concentric
// circles, whose difference is no line, give no text). Nothing when a number overflows.
std::optional<QString> lineIntersectionText(const Conic &circle, const Line &line);

// The intersection text of the two stored figures: "No line" when a stored line has u = v = 0;
// empty when a figure was never stored; nothing when a number overflows.
std::optional<QString> intersectionText(const FigureStore &store);

// Draws the frame and the stored figures: the line traces (a line with u = v = 0 is left out),
// then the vertical lines, then the circles (one with a negative squared radius is left out),
// each pass first figure first. Never clears the surface.
DrawResult draw(DrawingSurface &surface, const FrameMapping &frame, bool grid,
                const FigureStore &store);

} // namespace conics::circles
