// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/functions/cubic.h"

#include "canvas/drawingsurface.h"
#include "canvas/framedrawing.h"
#include "canvas/sampling.h"

#include <utility>

namespace cubic {

double y(const Coefficients &polynomial, double x)
{
    const auto [a, b, c, d] = polynomial;
    return a * x * x * x + b * x * x + c * x + d;
}

double firstDerivative(const Coefficients &polynomial, double x)
{
    const auto [a, b, c, d] = polynomial;
    return 3 * a * x * x + 2 * b * x + c;
}

double secondDerivative(const Coefficients &polynomial, double x)
{
    return 6 * polynomial.a * x + 2 * polynomial.b;
}

DrawResult draw(DrawingSurface &surface, const FrameMapping &frame, bool grid,
                const Coefficients &polynomial)
{
    surface.setPenColour(SystemColour::WindowText);
    drawAxes(surface, frame);
    surface.setPenColour(SystemColour::ButtonShadow);
    if (drawGridOrTicks(surface, frame, grid) == DrawResult::Failed)
        return DrawResult::Failed;

    using Curve = double (*)(const Coefficients &, double);
    const std::pair<SystemColour, Curve> curves[] = {
        {SystemColour::Desktop, y},
        {SystemColour::ActiveTitle, firstDerivative},
        {SystemColour::InactiveTitle, secondDerivative},
    };
    for (const auto &[colour, curve] : curves) {
        surface.setPenColour(colour);
        const DrawResult result =
            sampleCurve(surface, frame, [&](double x) { return curve(polynomial, x); });
        if (result == DrawResult::Failed)
            return DrawResult::Failed;
    }
    return DrawResult::Complete;
}

} // namespace cubic
