// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "testsupport.h"

#include "canvas/graphdescription.h"
#include "modules/conics/conicsdescription.h"
#include "modules/functions/functionsdescription.h"
#include "modules/probability/experimentdescription.h"
#include "modules/quadratic/quadraticdescription.h"
#include "modules/transformations/transformationdescription.h"

#include "../probability/scripteddraws.h"

#include <limits>

using namespace Qt::StringLiterals;

namespace {

using quadratic::Prescription;
using transformations::BaseFunction;
namespace fb = transformations::fb;
namespace fc = transformations::fc;

conics::FigureStore twoLines()
{
    conics::FigureStore store;
    store[conics::FigureNumber::First] = {conics::FigureKind::Line, {1, -1, 0}, {}};
    store[conics::FigureNumber::Second] = {conics::FigureKind::Line, {1, 1, -2}, {}};
    return store;
}

QString afterTests(int tests)
{
    const probability::Settings dieOfTwo{.lowest = 1, .highest = 2, .testValue = 2};
    ScriptedDraws draws({drawFor(2, 1, 2), drawFor(1, 1, 2), drawFor(1, 1, 2)});
    probability::Experiment experiment;
    experiment.start(tests, dieOfTwo, draws);
    return probability::graphInWords(experiment, QLocale::c());
}

QString numbers()
{
    return QStringList{numberInWords(-1), numberInWords(1.41421), numberInWords(-0.0004),
                       numberInWords(1e20), numberInWords(std::numeric_limits<double>::quiet_NaN())}
        .join(u' ');
}

// A graph in words as a window's logic gives it, and the words a screen reader should hear.
// "nothing drawn", the standard form with two zeros under a frame and the relative frequency
// after several tests are pinned by the accessibility scenario.
TEST(GraphInWords, SaysWhatTheWindowShows)
{
    struct Row
    {
        const char *name;
        QString (*words)();
        const char *expected;
    };
    // clang-format off
    const Row rows[] = {
        {"frame shared, then a new one", [] { return graphInWords({{frameInWords(8, true), u"A"_s}, {frameInWords(8, true), u"B"_s}, {frameInWords(2.5, false), u"C"_s}}); }, "scale 8, grid on: A. B. Then scale 2.5, grid off: C"},
        {"no frame", [] { return graphInWords({{{}, u"A"_s}}); }, "A"},
        {"numbers rounded with a minus sign", numbers, "−1 1.414 0 1e+20 not computable"},
        {"vertex form opening down", [] { return quadratic::graphInWords(Prescription::AXMinusP2PlusQ, {.a = -1, .p = 2, .q = 4}); }, "y = −1(x − 2)² + 4; zeros 0 and 4; vertex (2, 4)"},
        {"shifted with one zero", [] { return quadratic::graphInWords(Prescription::AXMinusP2, {.a = 1, .p = -1}); }, "y = 1(x + 1)²; zero −1; vertex (−1, 0)"},
        {"lifted without zeros", [] { return quadratic::graphInWords(Prescription::AX2PlusQ, {.a = 2, .q = 1}); }, "y = 2x² + 1; no zeros; vertex (0, 1)"},
        {"standard form without a square", [] { return quadratic::graphInWords(Prescription::Standard, {0, 2, -4, 0, 0}); }, "y = 0x² + 2x − 4; zero 2"},
        {"plus k", [] { return fb::graphInWords({BaseFunction::XSquared, fb::Transformation::PlusK, -2}); }, "y = x² − 2"},
        {"shift x", [] { return fb::graphInWords({BaseFunction::SquareRoot, fb::Transformation::ShiftX, -1}); }, "y = √(x − 1)"},
        {"times k before a digit", [] { return fb::graphInWords({BaseFunction::Reciprocal, fb::Transformation::TimesK, 2}); }, "y = 2(1/x)"},
        {"scale x", [] { return fb::graphInWords({BaseFunction::XCubed, fb::Transformation::ScaleX, 2}); }, "y = (2x)³"},
        {"full form", [] { return fc::graphInWords({BaseFunction::CubeRoot, fc::Transformation::Full, {.k = 2, .a = 1, .b = -4, .c = 3}}); }, "y = 2∛(3(x − 1)) − 4"},
        {"sine", [] { return families::graphInWords(families::Family::Sine, {2, 1, 3, 1}); }, "y = 2sin(1(x − 3)) + 1"},
        {"tangent unshifted", [] { return families::graphInWords(families::Family::Tangent, {1, 2, 0, 0}); }, "y = 1tan(2x)"},
        {"quotient", [] { return families::graphInWords(families::Family::Quotient, {1, 2, 3, -4}); }, "y = (1x + 2)/(3x − 4)"},
        {"rational", [] { return families::graphInWords(families::Family::Rational, {1, 1, -2, -2}); }, "y = 1(x − 1)(x + 2)/(x² + 4)"},
        {"cubic expanded", [] { return cubic::graphInWords({1, 0, -1, 0}, false); }, "y = 1x³ − 1x; y' = 3x² − 1; y'' = 6x"},
        {"lines and their intersection", [] { return conics::circles::graphInWords(twoLines()); }, "f1: + 1x-1y+ 0=0, Int X: 0 Int Y: 0; f2: + 1x+ 1y-2=0, sn X: 2 sn Y: 2; intersection: ( 1, 1)"},
        {"no figures", [] { return conics::parabolas::graphInWords({}); }, "no figures stored"},
        {"no tests", [] { return afterTests(0); }, "no tests done"},
        {"after one test", [] { return afterTests(1); }, "relative frequency 1.00 after 1 test"},
    };
    // clang-format on
    for (const Row &row : rows)
        EXPECT_EQ(row.words(), QString::fromUtf8(row.expected)) << row.name;
}

// The factorised view adds the results as the window writes them, on one line each.
TEST(CubicInWords, FactorisedViewAddsTheResults)
{
    const QString words = cubic::graphInWords({1, 0, -1, 0}, true);
    EXPECT_TRUE(words.startsWith(u"y = 1x³ − 1x; y' = 3x² − 1; y'' = 6x; factorised: "_s))
        << words.toStdString();
    EXPECT_TRUE(words.contains(u"; roots: "_s)) << words.toStdString();
    EXPECT_TRUE(words.contains(u"; extrema: "_s)) << words.toStdString();
    EXPECT_FALSE(words.contains(u"\r\n"_s)) << words.toStdString();
}

// Describing the parabola window's figures works on a copy: a stored parabola with a = 0 stays a
// parabola in the store the two windows share.
TEST(ConicsInWords, LeavesTheStoreAsItWas)
{
    conics::FigureStore store;
    store[conics::FigureNumber::First] = {conics::FigureKind::Conic, {}, {0, 1, 2}};
    store[conics::FigureNumber::Second] = {conics::FigureKind::Line, {1, 1, 0}, {}};
    conics::parabolas::graphInWords(store);
    EXPECT_EQ(store[conics::FigureNumber::First].kind, conics::FigureKind::Conic);
}

} // namespace
