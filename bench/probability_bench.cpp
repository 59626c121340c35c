// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/imagesurface.h"
#include "core/numbertext.h"
#include "core/randomsource.h"
#include "modules/probability/experiment.h"
#include "modules/probability/frequencydiagram.h"

#include <benchmark/benchmark.h>

using namespace probability;

namespace {

// The largest Start: 10,000 tests of 100 dice each, their lines, the frequency and the diagram
// on a canvas of the window's size.
void BM_ProbabilityLargestStart(benchmark::State &state)
{
    const Settings settings{
        1, 6, maximumResultsPerTest, Combination(state.range(0)), Comparison::None, 0, 350};
    const QLocale english(QLocale::English);
    ImageSurface surface(Qt::white, QPalette());
    surface.setSize(6015, 6015, 96, 1);
    StandardRandomSource random;
    for (auto _ : state) {
        Experiment experiment;
        const StartResult result = experiment.start(maximumTests, settings, random);
        const QString chance =
            formatPattern(experiment.frequency(experiment.done()), u"0.00", english);
        surface.clear();
        draw(surface, experiment, english);
        benchmark::DoNotOptimize(surface.image());
        benchmark::DoNotOptimize(result.lines);
        benchmark::DoNotOptimize(chance);
    }
}

} // namespace

BENCHMARK(BM_ProbabilityLargestStart)
    ->ArgName("combination")
    ->Arg(int(Combination::Sum))
    ->Arg(int(Combination::Unequal))
    ->Unit(benchmark::kMillisecond);
