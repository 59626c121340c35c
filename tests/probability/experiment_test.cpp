#include "modules/probability/experiment.h"

#include "scripteddraws.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using namespace probability;

namespace {

struct DrawRow
{
    const char *name;
    float r;
    double lowest;
    double highest;
    double result;
};

void PrintTo(const DrawRow &row, std::ostream *os)
{
    *os << row.name;
}

class DrawResultTest : public testing::TestWithParam<DrawRow>
{
};

TEST_P(DrawResultTest, FloorsTheScaledDraw)
{
    const DrawRow &row = GetParam();
    EXPECT_EQ(drawResult(row.r, row.lowest, row.highest), row.result);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DrawResultTest,
    testing::Values(DrawRow{"ZeroGivesTheLowest", 0.0f, 1, 6, 1},
                    DrawRow{"JustBelowOneGivesTheHighest", 0.99999994f, 1, 6, 6},
                    // 0.7 in single precision is 0.69999999, so 10·r stays below 7.
                    DrawRow{"SinglePrecisionDraw", 0.7f, 0, 9, 6},
                    DrawRow{"NegativeResultsAreFloored", 0.5f, -3, -1, -2},
                    DrawRow{"LowestAboveHighestFromZero", 0.0f, 9, 1, 9},
                    DrawRow{"LowestAboveHighestNearOne", 0.99f, 9, 1, 2},
                    DrawRow{"FractionalBounds", 0.5f, 0.5, 2.5, 2}),
    rowName<DrawRow>);

struct TestRow
{
    const char *name;
    Settings settings;
    std::vector<double> results;
    double value;
    const char *line;
};

void PrintTo(const TestRow &row, std::ostream *os)
{
    *os << row.name;
}

class RunTestTest : public testing::TestWithParam<TestRow>
{
};

TEST_P(RunTestTest, CombinesOneDrawPerResult)
{
    const TestRow &row = GetParam();
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

constexpr Settings die(double results, Combination combination,
                       Comparison comparison = Comparison::None, double a = 0)
{
    return {1, 6, results, combination, comparison, a, 0};
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RunTestTest,
    testing::Values(
        TestRow{"SumOfTwoDice", die(2, Combination::Sum), {3, 5}, 8, " 3 5   8"},
        TestRow{"SumCountsTheResultsThatCompare",
                die(5, Combination::Sum, Comparison::GreaterOrEqual, 6),
                {6, 2, 6, 1, 3},
                2,
                " 6 2 6 1 3   2"},
        TestRow{"ProductOfResults", die(3, Combination::Product), {2, 3, 4}, 24, " 2 3 4   24"},
        TestRow{"ProductWhenEveryResultCompares",
                die(3, Combination::Product, Comparison::Greater, 3),
                {4, 6, 5},
                1,
                " 4 6 5   1"},
        TestRow{"ProductWhenOneResultFails",
                die(3, Combination::Product, Comparison::Greater, 3),
                {4, 3, 5},
                0,
                " 4 3 5   0"},
        TestRow{"UnequalAllDifferent", die(3, Combination::Unequal), {1, 2, 3}, 1, " 1 2 3   1"},
        TestRow{
            "UnequalRepeatAfterAnother", die(3, Combination::Unequal), {4, 2, 4}, 0, " 4 2 4   0"},
        TestRow{"UnequalSingleResult", die(1, Combination::Unequal), {6}, 1, " 6   1"},
        TestRow{"UnequalItemsDiffer",
                die(2, Combination::Unequal, Comparison::Less, 3),
                {5, 1},
                1,
                " 5 1   1"},
        TestRow{"UnequalItemsEqual",
                die(2, Combination::Unequal, Comparison::Less, 3),
                {5, 6},
                0,
                " 5 6   0"},
        TestRow{"LessOrEqualWithSum",
                die(3, Combination::Sum, Comparison::LessOrEqual, 2),
                {2, 3, 1},
                2,
                " 2 3 1   2"},
        TestRow{"NoResultsSum", die(0, Combination::Sum), {}, 0, "   0"},
        TestRow{"NoResultsProduct", die(-2, Combination::Product), {}, 1, "   1"},
        TestRow{"FractionalCountDrawsItsWholePart",
                die(2.9, Combination::Sum),
                {6, 6},
                12,
                " 6 6   12"},
        TestRow{"NegativeResults",
                {-3, -1, 2, Combination::Sum, Comparison::None, 0, 0},
                {-2, -3},
                -5,
                "-2-3  -5"}),
    rowName<TestRow>);

const Settings fairCoin{0, 1, 1, Combination::Sum, Comparison::None, 0, 1};

// Draws of a fair coin: heads (1), tails (0), heads, heads, tails, and so on in turn.
std::vector<float> coinDraws()
{
    return {0.7f, 0.2f, 0.9f, 0.6f, 0.1f};
}

TEST(Experiment, ContinuesFromTheTestsDone)
{
    ScriptedDraws random(coinDraws());
    Experiment experiment;

    StartResult first = experiment.start(4, fairCoin, random);
    EXPECT_EQ(first.outcome, StartOutcome::Ran);
    EXPECT_EQ(first.lines, u" 1   1\r\n 0   0\r\n 1   1\r\n 1   1\r\n");
    EXPECT_EQ(experiment.done(), 4);
    EXPECT_EQ(experiment.successes(), 3);

    StartResult second = experiment.start(6, fairCoin, random);
    EXPECT_EQ(second.outcome, StartOutcome::Ran);
    EXPECT_EQ(second.lines, u" 0   0\r\n 1   1\r\n");
    EXPECT_EQ(random.drawn(), 6u);
    EXPECT_EQ(experiment.frequencies(),
              (std::vector<double>{1, 0.5, 2.0 / 3, 0.75, 3.0 / 5, 4.0 / 6}));
}

TEST(Experiment, ANumberOfTestsNotAboveThoseDoneResets)
{
    for (const double tests : {4.0, 3.0, 4.9, 0.0, -1e300}) {
        SCOPED_TRACE(tests);
        ScriptedDraws random(coinDraws());
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

TEST(Experiment, ResetForgetsEveryTest)
{
    ScriptedDraws random(coinDraws());
    Experiment experiment;
    experiment.start(5, fairCoin, random);
    experiment.reset();
    EXPECT_EQ(experiment.done(), 0);
    EXPECT_EQ(experiment.successes(), 0);

    EXPECT_EQ(experiment.start(2, fairCoin, random).outcome, StartOutcome::Ran);
    EXPECT_EQ(experiment.frequencies(), (std::vector<double>{1, 0.5}));
}

TEST(Experiment, CountsAFractionalNumberOfTestsByItsWholePart)
{
    ScriptedDraws random(coinDraws());
    Experiment experiment;
    EXPECT_EQ(experiment.start(10.7, fairCoin, random).outcome, StartOutcome::Ran);
    EXPECT_EQ(experiment.done(), 10);
    EXPECT_EQ(random.drawn(), 10u);
    EXPECT_EQ(experiment.frequency(10), 0.6);
}

TEST(Experiment, CountsTheTestsWhoseValueEqualsTheTestValue)
{
    // Two dice, event "sum = 7": 3 + 4, 6 + 6, 2 + 5, 1 + 1.
    const Settings twoDice{1, 6, 2, Combination::Sum, Comparison::None, 0, 7};
    std::vector<float> draws;
    for (const double z : {3, 4, 6, 6, 2, 5, 1, 1})
        draws.push_back(drawFor(z, 1, 6));
    ScriptedDraws random(draws);
    Experiment experiment;
    experiment.start(4, twoDice, random);
    EXPECT_EQ(experiment.successes(), 2);
    EXPECT_EQ(experiment.frequencies(), (std::vector<double>{1, 0.5, 2.0 / 3, 0.5}));
}

struct LimitRow
{
    const char *name;
    double tests;
    double resultsPerTest;
    Combination combination;
    StartOutcome outcome;
};

void PrintTo(const LimitRow &row, std::ostream *os)
{
    *os << row.name;
}

class LimitTest : public testing::TestWithParam<LimitRow>
{
};

TEST_P(LimitTest, RunsUpToTheLimitsAndRefusesBeyond)
{
    const LimitRow &row = GetParam();
    ScriptedDraws random({0.1f, 0.5f, 0.3f, 0.9f, 0.7f});
    Experiment experiment;
    Settings settings{1, 6, 1, row.combination, Comparison::None, 0, 1};
    experiment.start(3, settings, random);
    const std::vector<double> before = experiment.frequencies();
    settings.resultsPerTest = row.resultsPerTest;

    const StartResult result = experiment.start(row.tests, settings, random);

    EXPECT_EQ(result.outcome, row.outcome);
    if (row.outcome == StartOutcome::Ran) {
        EXPECT_EQ(experiment.done(), int(row.tests));
        EXPECT_EQ(random.drawn(), 3 + std::size_t(row.tests - 3) * std::size_t(row.resultsPerTest));
        EXPECT_EQ(result.lines.count(u"\r\n"), int(row.tests) - 3);
    } else {
        EXPECT_EQ(experiment.frequencies(), before);
        EXPECT_EQ(random.drawn(), 3u);
        EXPECT_TRUE(result.lines.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LimitTest,
    testing::Values(
        LimitRow{"MostTests", 10000, 1, Combination::Sum, StartOutcome::Ran},
        LimitRow{"MostTestsWithAFraction", 10000.9, 1, Combination::Sum, StartOutcome::Ran},
        LimitRow{"OneTestTooMany", 10001, 1, Combination::Sum, StartOutcome::TooManyTests},
        LimitRow{"HugeNumberOfTests", 1e300, 1, Combination::Sum, StartOutcome::TooManyTests},
        LimitRow{"MostResultsUnequal", 20, 100, Combination::Unequal, StartOutcome::Ran},
        LimitRow{"MostResultsSum", 20, 100.5, Combination::Sum, StartOutcome::Ran},
        LimitRow{"OneResultTooManyUnequal", 20, 101, Combination::Unequal,
                 StartOutcome::TooManyResults},
        LimitRow{"OneResultTooManySum", 20, 101, Combination::Sum, StartOutcome::TooManyResults},
        LimitRow{"HugeNumberOfResults", 20, 1e300, Combination::Product,
                 StartOutcome::TooManyResults}),
    rowName<LimitRow>);

struct OverflowRow
{
    const char *name;
    Settings settings;
};

void PrintTo(const OverflowRow &row, std::ostream *os)
{
    *os << row.name;
}

class OverflowTest : public testing::TestWithParam<OverflowRow>
{
};

TEST_P(OverflowTest, LeavesTheExperimentAsItWas)
{
    ScriptedDraws random({0.5f});
    Experiment experiment;
    experiment.start(2, fairCoin, random);

    const StartResult result = experiment.start(5, GetParam().settings, random);

    EXPECT_EQ(result.outcome, StartOutcome::NotComputable);
    EXPECT_TRUE(result.lines.isEmpty());
    EXPECT_EQ(experiment.done(), 2);
    EXPECT_EQ(experiment.successes(), 2);
}

constexpr double huge = std::numeric_limits<double>::max();

INSTANTIATE_TEST_SUITE_P(
    Rows, OverflowTest,
    testing::Values(
        OverflowRow{"RangeTooWide", {-huge, huge, 1, Combination::Sum, Comparison::None, 0, 1}},
        OverflowRow{"SumTooLarge", {huge, huge, 2, Combination::Sum, Comparison::None, 0, 1}},
        OverflowRow{"ProductTooLarge",
                    {1e200, 1e200, 2, Combination::Product, Comparison::None, 0, 1}}),
    rowName<OverflowRow>);

} // namespace
