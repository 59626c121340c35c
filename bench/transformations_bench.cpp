// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/imagesurface.h"
#include "canvas/worldframe.h"
#include "modules/transformations/fcgraph.h"

#include <benchmark/benchmark.h>

using namespace transformations;

namespace {

// The finest of the window's plots: the square root in full form, sampled every 10 twips with its
// single-point rule, over the dashed grid.
void BM_TransformationsFullPlotOnImage(benchmark::State &state)
{
    ImageSurface surface(Qt::white, QPalette());
    surface.setSize(6135, 6135, 96, 1);
    const fc::Graph graph{BaseFunction::SquareRoot, fc::Transformation::Full, {1, 2, 1, -1}};
    for (auto _ : state) {
        surface.clear();
        benchmark::DoNotOptimize(fc::draw(surface, WorldFrame::onSurface(surface, 9), true, graph));
    }
}

} // namespace

BENCHMARK(BM_TransformationsFullPlotOnImage)->Unit(benchmark::kMicrosecond);
