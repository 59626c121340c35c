// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/probability/experiment.h"

#include "scripteddraws.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using namespace probability;

// The worked experiments (two dice summed, sixes counted, products and unequal results with a
// comparison, lowest above highest, negative results, no results per test, a fractional number of
// tests), continuing and resetting, the limits of 10000 tests and 100 results and a sum too large
// to compute are pinned by the ff-experiments, ff-start, ff-reset and ff-limits scenarios.

namespace {

TEST(DrawResult, FloorsTheScaledDraw)
{
    struct Row
    {
        const char *name;
        float r;
        double lowest, highest, result;
    };
    // clang-format off
    const Row rows[] = {
        {"zero gives the lowest", 0.0f, 1, 6, 1},
        {"just below one gives the highest", 0.99999994f, 1, 6, 6},
        // 0.7 in single precision is 0.69999999, so 10·r stays below 7.
        {"single precision draw", 0.7f, 0, 9, 6},
        {"fractional bounds", 0.5f, 0.5, 2.5, 2},
    };
    // clang-format on
    for (const Row &row : rows)
        EXPECT_EQ(drawResult(row.r, row.lowest, row.highest), row.result) << row.name;
}

constexpr Settings die(double results, Combination combination,
                       Comparison comparison = Comparison::None, double a = 0)
{
    return {1, 6, results, combination, comparison, a, 0};
}

TEST(RunTest, CombinesOneDrawPerResult)
{
    struct Row
    {
        const char *name;
        Settings settings;
        std::vector<double> results;
        double value;
        const char *line;
    };
    // clang-format off
    const Row rows[] = {
        {"product of results", die(3, Combination::Product), {2, 3, 4}, 24, " 2 3 4   24"},
        {"unequal items differ", die(2, Combination::Unequal, Comparison::Less, 3), {5, 1}, 1, " 5 1   1"},
        {"unequal items equal", die(2, Combination::Unequal, Comparison::Less, 3), {5, 6}, 0, " 5 6   0"},
        {"less or equal with sum", die(3, Combination::Sum, Comparison::LessOrEqual, 2), {2, 3, 1}, 2, " 2 3 1   2"},
        {"no results: a product of 1", die(-2, Combination::Product), {}, 1, "   1"},
        {"a fractional count draws its whole part", die(2.9, Combination::Sum), {6, 6}, 12, " 6 6   12"},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<float> draws;
        for (const double z : row.results)
            draws.push_back(drawFor(z, row.settings.lowest, row.settings.highest));
        // One spare draw, so that a test drawing too often shows as a wrong count.
        draws.push_back(0.5f);
        ScriptedDraws random(draws);

        const TestOutcome test = runTest(row.settings, random);

        EXPECT_EQ(test.results, row.results);
        EXPECT_EQ(test.value, row.value);
        EXPECT_EQ(random.drawn(), row.results.size());
        EXPECT_EQ(lineText(test), QString::fromUtf8(row.line));
    }
}

const Settings fairCoin{0, 1, 1, Combination::Sum, Comparison::None, 0, 1};

TEST(Experiment, ANumberOfTestsWhoseWholePartIsNotAboveThoseDoneResets)
{
    for (const double tests : {4.9, -1e300}) {
        SCOPED_TRACE(tests);
        ScriptedDraws random({0.7f, 0.2f});
        Experiment experiment;
        experiment.start(4, fairCoin, random);

        const StartResult again = experiment.start(tests, fairCoin, random);

        EXPECT_EQ(again.outcome, StartOutcome::NotIncreased);
        EXPECT_TRUE(again.lines.isEmpty());
        EXPECT_EQ(experiment.done(), 0);
        EXPECT_EQ(experiment.successes(), 0);
        EXPECT_EQ(random.drawn(), 4u);
    }
}

TEST(Experiment, RunsUpToTheLimitsAndRefusesBeyond)
{
    struct Row
    {
        const char *name;
        double tests;
        double resultsPerTest;
        StartOutcome outcome;
    };
    // clang-format off
    const Row rows[] = {
        {"the most tests, with a fraction", 10000.9, 1, StartOutcome::Ran},
        {"the most results, with a fraction", 20, 100.5, StartOutcome::Ran},
        {"a huge number of results", 20, 1e300, StartOutcome::TooManyResults},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedDraws random({0.1f, 0.5f, 0.3f, 0.9f, 0.7f});
        Experiment experiment;
        Settings settings{1, 6, 1, Combination::Product, Comparison::None, 0, 1};
        experiment.start(3, settings, random);
        const std::vector<double> before = experiment.frequencies();
        settings.resultsPerTest = row.resultsPerTest;

        const StartResult result = experiment.start(row.tests, settings, random);

        EXPECT_EQ(result.outcome, row.outcome);
        if (row.outcome == StartOutcome::Ran) {
            const std::size_t further = std::size_t(row.tests) - 3;
            EXPECT_EQ(experiment.done(), int(row.tests));
            EXPECT_EQ(random.drawn(), 3 + further * std::size_t(row.resultsPerTest));
            EXPECT_EQ(std::size_t(result.lines.count(u"\r\n")), further);
        } else {
            EXPECT_EQ(experiment.frequencies(), before);
            EXPECT_EQ(random.drawn(), 3u);
            EXPECT_TRUE(result.lines.isEmpty());
        }
    }
}

TEST(Experiment, LeavesItselfAsItWasWhenAResultOverflows)
{
    constexpr double huge = std::numeric_limits<double>::max();
    // clang-format off
    const Settings rows[] = {
        {-huge, huge, 1, Combination::Sum, Comparison::None, 0, 1},           // the range
        {1e200, 1e200, 2, Combination::Product, Comparison::None, 0, 1},      // the product
    };
    // clang-format on
    for (const Settings &settings : rows) {
        ScriptedDraws random({0.5f});
        Experiment experiment;
        experiment.start(2, fairCoin, random);

        const StartResult result = experiment.start(5, settings, random);

        EXPECT_EQ(result.outcome, StartOutcome::NotComputable);
        EXPECT_TRUE(result.lines.isEmpty());
        EXPECT_EQ(experiment.done(), 2);
        EXPECT_EQ(experiment.successes(), 2);
    }
}

} // namespace
