// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/probability/frequencydiagram.h"

#include "canvas/drawingsurface.h"
#include "core/numbertext.h"
#include "modules/probability/experiment.h"

#include <QCoreApplication>

namespace probability {

namespace {

// Each grid line is this many dashes, dash and gap alike a fortieth of the plot box.
constexpr int dashesPerLine = 24;

// The plot box on a surface of a given size: the tests run from x0 to x0 + boxWidth, the
// relative frequencies from 0 at y0 up to 1 at y0 - boxHeight.
struct PlotBox
{
    PlotBox(double width, double height)
        : Hh(height - 20), Ww(width - 10), y0(Hh - 300), boxWidth(Ww - 300 - x0),
          boxHeight(y0 - 300)
    {
    }

    const double Hh;
    const double Ww;
    const double x0 = 300;
    const double y0;
    const double boxWidth;
    const double boxHeight;
};

} // namespace

void draw(DrawingSurface &surface, const Experiment &experiment, const QLocale &locale)
{
    const int N = experiment.done();
    const PlotBox box(surface.widthInTwips(), surface.heightInTwips());
    const auto [Hh, Ww, x0, y0, boxWidth, boxHeight] = box;

    surface.line(300, y0, Ww, y0);
    surface.line(300, 0, 300, y0);

    surface.setFontSize(8);
    for (int i = 0; i <= 10; ++i) {
        // A tenth of a whole number of tests is always a number with a number text.
        const QString label = numberText(double(i) * N / 10).value_or(QString());
        surface.setCurrentX(x0 - 30 + i * boxWidth / 10 - surface.textWidth(label) / 2);
        surface.setCurrentY(Hh - 200);
        surface.printText(label);
    }
    // p grows by adding 0.1, so its twelfth and last value is just below 1.1.
    for (double p = 0; p <= 1.1; p += 0.1) {
        surface.setCurrentX(20);
        surface.setCurrentY(y0 - 100 - p * boxHeight);
        surface.printText(formatPattern(p, u"0.0", locale));
    }

    const double d = boxHeight / 40;
    for (int i = 1; i <= 10; ++i) {
        const double x = x0 + i * boxWidth / 10;
        for (int m = 0; m < dashesPerLine; ++m)
            surface.line(x, y0 - 2 * m * d, x, y0 - (2 * m + 1) * d);
    }
    const double e = boxWidth / 40;
    for (int i = 1; i <= 10; ++i) {
        const double y = y0 - i * boxHeight / 10;
        for (int m = 0; m < dashesPerLine; ++m)
            surface.line(x0 + 2 * m * e, y, x0 + (2 * m + 1) * e, y);
    }

    double previousX = 0;
    double previousY = 0;
    for (int j = 1; j <= N; ++j) {
        const double x = x0 + j * boxWidth / N;
        const double y = y0 - experiment.frequency(j) * boxHeight;
        if (j >= 2)
            surface.line(previousX, previousY, x, y);
        previousX = x;
        previousY = y;
    }
}

QString diagramPointText(const Experiment &experiment, double width, double height, double X,
                         const QLocale &locale)
{
    const int N = experiment.done();
    const PlotBox box(width, height);
    const double column = (X - box.x0) * N / box.boxWidth;
    if (N < 1 || !(column > 0.5 && column < N + 0.5))
        return {};
    const int test = int(column + 0.5);
    //: What the pointer reads on the diagram: %1 is the number of a test, %2 the relative
    //: frequency of the event after it.
    return QCoreApplication::translate("probability", "Test %1: relative frequency %2")
        .arg(QString::number(test), formatPattern(experiment.frequency(test), u"0.00", locale));
}

} // namespace probability
