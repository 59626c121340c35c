// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/functions/families.h"

#include "canvas/framedrawing.h"
#include "core/checkedarithmetic.h"

#include <algorithm>
#include <cmath>

namespace families {

namespace {

constexpr double fullStep = 10;
constexpr double smallestStep = 2;

bool hasAsymptotes(Family k)
{
    return k == Family::Tangent || k == Family::Quotient;
}

} // namespace

std::optional<double> valueAt(Family k, const Coefficients &coefficients, double x)
{
    const auto [a, b, c, d] = coefficients;
    switch (k) {
    case Family::Linear:
        return a * x + b;
    case Family::Quadratic:
        return a * x * x + b * x + c;
    case Family::Cubic:
        return a * x * x * x + b * x * x + c * x + d;
    case Family::Sine:
        return a * std::sin(b * (x - c)) + d;
    case Family::Tangent: {
        const double angle = b * (x - c);
        if (!computable(angle))
            return notComputable;
        const double cosine = std::cos(angle);
        if (cosine == 0)
            return std::nullopt;
        return a * std::sin(angle) / cosine + d;
    }
    case Family::Quotient: {
        const double numerator = a * x + b;
        const double denominator = c * x + d;
        // An overflowing denominator would otherwise turn the quotient into a harmless 0.
        if (!computable(numerator, denominator))
            return notComputable;
        if (denominator == 0)
            return std::nullopt;
        return numerator / denominator;
    }
    case Family::Rational: {
        const double numerator = a * (x - b) * (x - c);
        const double denominator = x * x + d * d;
        if (!computable(numerator, denominator) || denominator == 0)
            return notComputable;
        return numerator / denominator;
    }
    }
    return notComputable;
}

double Curve::operator()(double x)
{
    if (const std::optional<double> y = valueAt(m_k, m_coefficients, x))
        m_previous = *y;
    return m_previous;
}

double samplingStep(double a)
{
    return std::max(fullStep * std::min(std::abs(a), 1.0), smallestStep);
}

PenAction asymptotePen(Family k, double d, const CurveSample &sample)
{
    if (sample.X == 0)
        return PenAction::Point;
    const bool crossesCentreLevel = (sample.previousy - d) * (sample.y - d) < 0;
    if (hasAsymptotes(k) && crossesCentreLevel && (sample.clamped || sample.previousClamped))
        return PenAction::Point;
    return PenAction::Line;
}

DrawResult draw(DrawingSurface &surface, const FrameMapping &frame, bool grid, Family k,
                const Coefficients &coefficients)
{
    if (drawFrame(surface, frame, grid) == DrawResult::Failed)
        return DrawResult::Failed;
    SamplingOptions options;
    options.step = samplingStep(coefficients.a);
    options.pen = [k, d = coefficients.d](const CurveSample &sample) {
        return asymptotePen(k, d, sample);
    };
    return sampleCurve(surface, frame, Curve(k, coefficients), options);
}

DrawResult printedGraph(DrawingSurface &surface, const FrameMapping &frame, bool grid, Family k,
                        const Coefficients &coefficients)
{
    return drawGraph(surface, frame, grid, Curve(k, coefficients));
}

} // namespace families
