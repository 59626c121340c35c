// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "modules/conics/figurestore.h"
#include "modules/conics/figuretext.h"

#include <QString>

#include <optional>

class DrawingSurface;
class FrameMapping;

// Lines and parabolas: the logic of the window that reads a stored conic as the parabola
// y = a·x² + b·x + c.
namespace conics::parabolas {

// Stores the figure that the boxes describe (its kind decides) as figure k and returns the two
// List2 rows that describe it. Nothing is stored and nothing returned when a number of the rows
// overflows, so that the rows keep describing the figure stored before.
std::optional<FigureRows> storeFigure(FigureStore &store, FigureNumber k, const Figure &boxes);

// Where the line meets the parabola (a != 0): "Snijpunt:(x,y)" for a vertical line, two points on
// two lines, "Point of contact:" and the point on the next line, or "No intersection". Empty when
// u = v = 0: there is no line. Nothing when a number overflows.
std::optional<QString> lineIntersectionText(const Conic &parabola, const Line &line);

// The intersection text of the two stored figures. A stored parabola with a = 0 is first turned
// into its line b·x - y + c = 0, in the store itself. Empty when a figure was never stored;
// nothing when a number overflows.
std::optional<QString> intersectionText(FigureStore &store);

// How a drawing ended; a failure in the parabola pass has a message of its own.
enum class PlotResult
{
    Complete,
    Failed,
    ParabolaPassFailed
};

// Draws the frame and the stored figures: all line traces, then the vertical lines, then the
// parabolas, each pass first figure first. A parabola with a = 0 is drawn by the parabola pass as
// the line y = b·x + c. Never clears the surface.
PlotResult draw(DrawingSurface &surface, const FrameMapping &frame, bool grid,
                const FigureStore &store);

} // namespace conics::parabolas
