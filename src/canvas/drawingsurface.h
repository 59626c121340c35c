// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/systemcolour.h"

#include <QString>

// The target of all drawing: a module's canvas, the printer, or a recording in tests.
// Coordinates are twips from the top-left corner, Y growing downwards.
class DrawingSurface
{
public:
    virtual ~DrawingSurface() = default;

    // Clears the whole surface to its background.
    virtual void clear() = 0;
    // A segment in the pen colour; its end becomes the current point.
    virtual void line(double x1, double y1, double x2, double y2) = 0;
    // A single point in the pen colour; it becomes the current point.
    virtual void point(double x, double y) = 0;
    // Sets the pen colour by its role in the colour scheme.
    virtual void setPenColour(SystemColour colour) = 0;
    // The outer size of the surface in twips.
    virtual float widthInTwips() const = 0;
    virtual float heightInTwips() const = 0;
    // The size in points of the font that printText uses.
    virtual void setFontSize(double points) = 0;
    // Where the next printText begins.
    virtual void setCurrentX(double x) = 0;
    virtual void setCurrentY(double y) = 0;
    // Writes text at the current position; the next line starts below it at the left edge.
    virtual void printText(const QString &text) = 0;
    // The width in twips of a text in the font that printText uses.
    virtual double textWidth(const QString &text) const = 0;
};
