// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QString>

class DrawingSurface;

// The mapping between world coordinates and a surface's twips for one drawing: the usable width
// W and height H, the scale s (half the width of the visible world window), and the formulas that
// place a world point, a sample column and the grid lines. The quantities are computed afresh for
// every drawing and never kept between drawings.
class FrameMapping
{
public:
    FrameMapping(double width, double height, double scale) : W(width), H(height), s(scale) {}
    virtual ~FrameMapping() = default;

    const double W;
    const double H;
    const double s;

    virtual double X(double x) const = 0;                        // world x to surface X
    virtual double Y(double y) const = 0;                        // world y to surface Y
    virtual double x(double X) const = 0;                        // surface X back to world x
    double y(double Y) const { return (H / 2 - Y) * 2 * s / W; } // surface Y back to world y
    virtual double Xj(double j) const = 0; // vertical grid line or x tick at world j
    virtual double Yj(double j) const = 0; // horizontal grid line or y tick at world j
};

// The frame of a module's canvas: W and H are the canvas's size less 10 twips, and each formula
// is kept in its written form so that a canvas a little off square behaves the same everywhere.
class WorldFrame : public FrameMapping
{
public:
    using FrameMapping::FrameMapping;
    static WorldFrame onSurface(const DrawingSurface &surface, double scale);

    double X(double x) const override { return ((x + s) * W / s) / 2; }
    double Y(double y) const override { return H / 2 - ((y * W) / s) / 2; }
    double x(double X) const override { return (2 * s * X) / W - s; }
    double Xj(double j) const override { return ((j + s) * W / s) / 2; }
    double Yj(double j) const override { return H - ((j + s) * W / s) / 2; }
};

// The frame of a printed graph: the page box is the canvas magnified by k, less 10 twips, and
// both axes use the factor PW / (2S).
class PageFrame : public FrameMapping
{
public:
    PageFrame(double canvasWidth, double canvasHeight, double magnification, double scale)
        : FrameMapping(magnification * canvasWidth - 10, magnification * canvasHeight - 10, scale)
    {
    }

    double X(double x) const override { return W * (x + s) / (2 * s); }
    double Y(double y) const override { return H / 2 - W * y / (2 * s); }
    double x(double X) const override { return 2 * s * X / W - s; }
    double Xj(double j) const override { return W * (j + s) / (2 * s); }
    double Yj(double j) const override { return H - H * (j + s) / (2 * s); }
};

// The world point under a surface point, as the canvas's tooltip shows it: "x = 1.5, y = -.25",
// each coordinate rounded to three decimals. Empty where the frame cannot place it (a scale of 0).
QString worldPointText(const FrameMapping &frame, double X, double Y);
