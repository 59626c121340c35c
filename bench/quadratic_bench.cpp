// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/imagesurface.h"
#include "canvas/worldframe.h"
#include "modules/quadratic/quadratic.h"

#include <benchmark/benchmark.h>

using namespace quadratic;

namespace {

const QuadraticCoefficients fourteenRows{1, -1, -35.75, 0.5, -36};

void BM_QuadraticPlotOnImage(benchmark::State &state)
{
    ImageSurface surface(Qt::white, QPalette());
    surface.setSize(6135, 6135, 96, 1);
    for (auto _ : state) {
        surface.clear();
        benchmark::DoNotOptimize(draw(surface, WorldFrame::onSurface(surface, 8), true,
                                      Prescription::AXMinusP2PlusQ, fourteenRows));
    }
}

void BM_QuadraticTable(benchmark::State &state)
{
    const QLocale english(QLocale::English);
    for (auto _ : state) {
        QString rows;
        for (const TablePoint &point :
             valueTable(Prescription::AXMinusP2PlusQ, fourteenRows).points)
            rows += tableRow(point.x, point.y, english);
        benchmark::DoNotOptimize(rows);
    }
}

} // namespace

BENCHMARK(BM_QuadraticPlotOnImage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QuadraticTable)->Unit(benchmark::kMicrosecond);
