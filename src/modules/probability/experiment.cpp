// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/probability/experiment.h"

#include "core/numbertext.h"
#include "core/randomsource.h"

#include <algorithm>
#include <cmath>

namespace probability {

namespace {

// How many passes a counted loop from 1 to `end` makes: the whole part of `end`, none below 1.
double passesUpTo(double end)
{
    return end >= 1 ? std::floor(end) : 0;
}

double item(double result, const Settings &settings)
{
    switch (settings.comparison) {
    case Comparison::None:
        return result;
    case Comparison::Greater:
        return result > settings.a ? 1 : 0;
    case Comparison::Less:
        return result < settings.a ? 1 : 0;
    case Comparison::GreaterOrEqual:
        return result >= settings.a ? 1 : 0;
    case Comparison::LessOrEqual:
        return result <= settings.a ? 1 : 0;
    }
    return result;
}

double startValue(Combination combination)
{
    return combination == Combination::Sum ? 0 : 1;
}

} // namespace

double drawResult(float r, double lowest, double highest)
{
    return std::floor(double(r) * (highest - lowest + 1) + lowest);
}

TestOutcome runTest(const Settings &settings, RandomSource &random)
{
    const int count = int(passesUpTo(settings.resultsPerTest));
    TestOutcome test;
    test.results.reserve(std::size_t(count));
    test.value = startValue(settings.combination);
    // The items seen so far in this test, for "unequal".
    std::vector<double> seen;
    if (settings.combination == Combination::Unequal)
        seen.reserve(std::size_t(count));
    for (int j = 1; j <= count; ++j) {
        const double z = drawResult(random.next(), settings.lowest, settings.highest);
        const double w = item(z, settings);
        switch (settings.combination) {
        case Combination::Sum:
            test.value += w;
            break;
        case Combination::Product:
            test.value *= w;
            break;
        case Combination::Unequal:
            // Once two items are equal the value stays 0, so no further comparison can matter.
            if (test.value != 0 && std::find(seen.begin(), seen.end(), w) != seen.end())
                test.value = 0;
            seen.push_back(w);
            break;
        }
        test.results.push_back(z);
    }
    return test;
}

std::optional<QString> lineText(const TestOutcome &test)
{
    QString line;
    for (const double z : test.results) {
        const std::optional<QString> text = numberText(z);
        if (!text)
            return std::nullopt;
        line += *text;
    }
    const std::optional<QString> value = numberText(test.value);
    if (!value)
        return std::nullopt;
    line += QStringLiteral("  ");
    line += *value;
    return line;
}

void Experiment::reset()
{
    m_successes = 0;
    m_frequencies.clear();
}

StartResult Experiment::start(double tests, const Settings &settings, RandomSource &random)
{
    // A fractional number of tests counts by its whole part, so the frequency it reports is
    // always one that was computed.
    const double total = std::trunc(tests);
    if (total <= done()) {
        reset();
        return {StartOutcome::NotIncreased, {}};
    }
    if (total > maximumTests)
        return {StartOutcome::TooManyTests, {}};
    if (passesUpTo(settings.resultsPerTest) > maximumResultsPerTest)
        return {StartOutcome::TooManyResults, {}};

    const int before = done();
    double successes = m_successes;
    std::vector<double> frequencies = m_frequencies;
    frequencies.reserve(std::size_t(total));
    QString lines;
    for (int k = before + 1; k <= int(total); ++k) {
        const TestOutcome test = runTest(settings, random);
        const std::optional<QString> line = lineText(test);
        if (!line)
            return {StartOutcome::NotComputable, {}};
        if (test.value == settings.testValue)
            successes += 1;
        frequencies.push_back(successes / k);
        lines += *line;
        lines += QStringLiteral("\r\n");
    }
    m_successes = successes;
    m_frequencies = std::move(frequencies);
    return {StartOutcome::Ran, lines};
}

} // namespace probability
