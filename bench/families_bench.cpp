// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/imagesurface.h"
#include "canvas/worldframe.h"
#include "modules/functions/families.h"

#include <benchmark/benchmark.h>

using namespace families;

namespace {

// A full plot of the tangent family at the largest scale, with the grid: the frame and a curve
// that runs to the clamp lines beyond the canvas at every asymptote.
void BM_TangentPlotOnImage(benchmark::State &state)
{
    ImageSurface surface(Qt::white, QPalette());
    surface.setSize(6135, 6135, 96, 1);
    for (auto _ : state) {
        surface.clear();
        benchmark::DoNotOptimize(
            draw(surface, WorldFrame::onSurface(surface, 9), true, Family::Tangent, {1, 2, 0, 0}));
    }
}

} // namespace

BENCHMARK(BM_TangentPlotOnImage)->Unit(benchmark::kMicrosecond);
