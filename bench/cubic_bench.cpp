// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/imagesurface.h"
#include "canvas/worldframe.h"
#include "modules/functions/cubic.h"
#include "modules/functions/cubicresults.h"
#include "modules/functions/cubictext.h"

#include <benchmark/benchmark.h>

using namespace cubic;

namespace {

const Coefficients threeWholeRoots{1, -6, 11, -6};

// factorise on the polynomials whose root search takes longest: Newton with restarts, and the
// searches that give up after all restarts and bisect.
void BM_Factorise(benchmark::State &state)
{
    const Coefficients polynomials[] = {
        threeWholeRoots, {1, -3, 3, -1}, {4, -3, 0, 1}, {-1, -5, 3, -2}};
    for (auto _ : state) {
        for (const auto &[a, b, c, d] : polynomials) {
            benchmark::DoNotOptimize(factorise(a, b, c, d));
        }
    }
}

void BM_FactoriseBisecting(benchmark::State &state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(factorise(1, 0, 0, -3e33));
    }
}

// What Plot computes and draws in the factorised view: the grid and the three curves at the
// largest scale, then the six texts.
void BM_FaPlotOnImage(benchmark::State &state)
{
    ImageSurface surface(Qt::white, QPalette());
    surface.setSize(6135, 6135, 96, 1);
    for (auto _ : state) {
        surface.clear();
        benchmark::DoNotOptimize(
            draw(surface, WorldFrame::onSurface(surface, 9), true, threeWholeRoots));
        benchmark::DoNotOptimize(factorisedTexts(threeWholeRoots));
    }
}

} // namespace

BENCHMARK(BM_Factorise)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FactoriseBisecting)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FaPlotOnImage)->Unit(benchmark::kMicrosecond);
