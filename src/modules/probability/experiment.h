// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QString>

#include <optional>
#include <vector>

class RandomSource;

namespace probability {

// How the items of one test combine into the test's value, in the order of the window's list.
enum class Combination
{
    Sum = 0,
    Product = 1,
    Unequal = 2
};

// What a result contributes as its item: the result itself, or 1 when it compares so with a and
// 0 when not. In the order of the window's list.
enum class Comparison
{
    None = 0,
    Greater = 1,
    Less = 2,
    GreaterOrEqual = 3,
    LessOrEqual = 4
};

// The settings of an experiment, as read from the window's boxes and lists.
struct Settings
{
    double lowest = 0;         // L
    double highest = 1;        // U
    double resultsPerTest = 1; // R; a test draws one result for each whole number 1 .. R
    Combination combination = Combination::Sum;
    Comparison comparison = Comparison::None;
    double a = 0;         // what a result is compared with
    double testValue = 1; // T: the event is that a test's value equals it
};

// The largest experiment a Start runs, and the most results one test may draw; larger requests
// are refused, so that no input makes a Start run for minutes.
inline constexpr int maximumTests = 10000;
inline constexpr int maximumResultsPerTest = 100;

// One result drawn from r, uniform in [0, 1): floor(r·(U − L + 1) + L), a whole number from L to
// U when L <= U. When L > U the formula still applies and gives numbers between U and L.
double drawResult(float r, double lowest, double highest);

// The results of one test and the value they combine into.
struct TestOutcome
{
    std::vector<double> results;
    double value = 0;
};

// Runs one test: one draw of the random source per result, none when the test has no results.
TestOutcome runTest(const Settings &settings, RandomSource &random);

// The line of a test: the number text of each result, then two blanks and the number text of the
// value (« 3 5   8»). Nothing when a result or the value is too large to be written.
std::optional<QString> lineText(const TestOutcome &test);

// How a Start ended.
enum class StartOutcome
{
    Ran,            // the further tests ran; their lines are in StartResult::lines
    NotIncreased,   // the number of tests was not larger than those done: the experiment is reset
    TooManyTests,   // more than maximumTests: nothing changed
    TooManyResults, // more than maximumResultsPerTest results per test: nothing changed
    NotComputable,  // a result or a test's value overflowed: nothing changed
};

struct StartResult
{
    StartOutcome outcome;
    QString lines; // one line per further test, each ending in CR LF
};

// A repeated random experiment: the tests done so far, how many of them showed the event, and the
// relative frequency of the event after each test.
class Experiment
{
public:
    int done() const { return int(m_frequencies.size()); }
    double successes() const { return m_successes; }
    // The relative frequency after test k, for k = 1 .. done().
    double frequency(int k) const { return m_frequencies.at(std::size_t(k - 1)); }
    const std::vector<double> &frequencies() const { return m_frequencies; }

    // Forgets every test: done and successes are 0 again.
    void reset();

    // Continues the experiment up to the whole part of `tests` tests under the given settings,
    // running only the tests not done yet. A refused or failed Start leaves the experiment as it
    // was, except that a number of tests not larger than those done resets it.
    StartResult start(double tests, const Settings &settings, RandomSource &random);

private:
    double m_successes = 0;
    std::vector<double> m_frequencies;
};

} // namespace probability
