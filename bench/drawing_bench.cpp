// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/imagesurface.h"
#include "canvas/recordingsurface.h"
#include "canvas/sampling.h"
#include "canvas/worldframe.h"

#include <benchmark/benchmark.h>

namespace {

// The heaviest ordinary drawing: the frame with the grid at the largest slider scale, and one
// curve by the standard sampling.
void drawGridAndCurve(DrawingSurface &surface)
{
    const WorldFrame frame = WorldFrame::onSurface(surface, 15);
    benchmark::DoNotOptimize(
        drawGraph(surface, frame, true, [](double x) { return x * x / 4 - 3; }));
}

void BM_GridAndCurveOnRecording(benchmark::State &state)
{
    const float side = float(state.range(0));
    for (auto _ : state) {
        RecordingSurface surface(side, side);
        drawGridAndCurve(surface);
    }
}

void BM_GridAndCurveOnImage(benchmark::State &state)
{
    const float side = float(state.range(0));
    ImageSurface surface(Qt::white, QPalette());
    surface.setSize(side, side, 96, 1);
    for (auto _ : state) {
        surface.clear();
        drawGridAndCurve(surface);
    }
}

} // namespace

BENCHMARK(BM_GridAndCurveOnRecording)->Arg(6135)->Arg(30000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GridAndCurveOnImage)->Arg(6135)->Arg(30000)->Unit(benchmark::kMicrosecond);
