// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/quadratic/quadratic.h"

#include "testsupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace quadratic;
using namespace Qt::StringLiterals;

// The worked examples of the two forms, the table at the start and the tables of a(x-p)²+q with
// p = 0.5, q = -36 and of x² - x - 2 are pinned by the fd-forms and fd-plot scenarios.

namespace quadratic {

void PrintTo(const CoefficientTexts &texts, std::ostream *os)
{
    *os << "a " << texts.a.toStdString() << ", b " << texts.b.toStdString() << ", c "
        << texts.c.toStdString() << ", p " << texts.p.toStdString() << ", q "
        << texts.q.toStdString();
}

} // namespace quadratic

namespace {

TEST(Quadratic, ReplacesOnlyACoefficientThatReadsAsZero)
{
    // clang-format off
    const std::pair<QString, QString> rows[] = {
        {u"abc"_s, u"0.01"_s},
        {u"0.5"_s, u"0.5"_s},
        {u"-0.5"_s, u"-0.5"_s},
    };
    // clang-format on
    for (const auto &[text, expected] : rows)
        EXPECT_EQ(nonZeroCoefficientText(text), expected) << text.toStdString();
}

TEST(Quadratic, BringsTheFormsInLineOnlyWhereTheyDiffer)
{
    const CoefficientTexts typed{u"2"_s, u"x"_s, u"y"_s, u"z"_s, u"w"_s};
    EXPECT_EQ(keepFormsInLine(typed, false, false), typed);
    // New b and c equal to what the boxes hold are no edit of the standard form: p and q stay as
    // typed.
    const CoefficientTexts vertex{u"1"_s, u" 0"_s, u" 0"_s, u"0"_s, u"0"_s};
    EXPECT_EQ(keepFormsInLine(vertex, false, true), vertex);
}

TEST(Quadratic, WritesTableRows)
{
    struct Row
    {
        const char *name;
        double x, y;
        QLocale locale;
        QString expected;
    };
    const QString gap(16, u' ');
    // clang-format off
    const Row rows[] = {
        {"negative, rounded", 0.5, -2.2505, QLocale(QLocale::English), u"      0.500         -2.251"_s + gap + u"-\r\n"_s},
        {"decimal comma", 0.5, -2.25, QLocale(QLocale::German), u"      0,500         -2,250"_s + gap + u"-\r\n"_s},
        {"longer than the column", 123456789.5, -1e10, QLocale::c(), u"123456789.500    -10000000000.000"_s + gap + u"-\r\n"_s},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(tableRow(row.x, row.y, row.locale), row.expected);
    }
}

struct TableRow
{
    const char *name;
    Prescription k;
    QuadraticCoefficients coefficients;
    std::vector<double> x;
    std::vector<double> y;
};

std::vector<TablePoint> tableOf(const TableRow &row)
{
    const ValueTable table = valueTable(row.k, row.coefficients);
    EXPECT_FALSE(table.failed);
    return table.points;
}

TEST(Quadratic, TabulatesWholeNumbersAroundTheVertexWithZerosAndVertexInserted)
{
    // clang-format off
    const TableRow rows[] = {
        {"ax²+q with the vertex off the y-axis", Prescription::AX2PlusQ, {.a = 1, .b = -1, .c = -3.75, .p = 0.5, .q = -4},
         {-5, -4, -3, -2, -1, 0, 0.5, 1, 2, 3, 4, 5}, {21, 12, 5, 0, -3, -4, -3.75, -3, 0, 5, 12, 21}},
        {"ax²+bx+c without zeros", Prescription::Standard, {.a = 1, .b = 0, .c = 1, .p = 0, .q = 1},
         {-5, -4, -3, -2, -1, 0, 1, 2, 3, 4, 5}, {26, 17, 10, 5, 2, 1, 2, 5, 10, 17, 26}},
        {"a(x-p)² with p between whole numbers", Prescription::AXMinusP2, {.a = 1, .b = -3, .c = 2.25, .p = 1.5},
         {-4, -3, -2, -1, 0, 1, 1.5, 2, 3, 4, 5, 6}, {30.25, 20.25, 12.25, 6.25, 2.25, 0.25, 0, 0.25, 2.25, 6.25, 12.25, 20.25}},
    };
    // clang-format on
    for (const TableRow &row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<double> x;
        std::vector<double> y;
        for (const TablePoint &point : tableOf(row)) {
            x.push_back(point.x);
            y.push_back(point.y);
        }
        EXPECT_EQ(x, row.x);
        EXPECT_EQ(y, row.y);
    }
}

// The rows where y is 0, at the x given.
TEST(Quadratic, InsertsTheZerosOfEveryPrescription)
{
    const double root2 = std::sqrt(2.0);
    // clang-format off
    const TableRow rows[] = {
        {"ax²+q", Prescription::AX2PlusQ, {.a = 1, .c = -2, .q = -2}, {-root2, root2}, {}},
        {"ax²+q above the axis", Prescription::AX2PlusQ, {.a = 1, .c = 2, .q = 2}, {}, {}},
        {"a(x-p)²+q", Prescription::AXMinusP2PlusQ, {.a = 2, .b = -4, .c = 1.5, .p = 1, .q = -0.5}, {0.5, 1.5}, {}},
        {"ax²+bx+c rounded", Prescription::Standard, {.a = 1, .c = -2, .q = -2}, {-1.414, 1.414}, {}},
        {"ax²+bx+c opening downwards, beyond the whole numbers", Prescription::Standard, {.a = -1, .b = -1, .c = 42, .p = -0.5, .q = 42.25}, {-7, 6}, {}},
        {"ax²+bx+c touching the axis", Prescription::Standard, {.a = 1, .b = -2, .c = 1, .p = 1}, {1}, {}},
    };
    // clang-format on
    for (const TableRow &row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<double> zeros;
        for (const TablePoint &point : tableOf(row)) {
            if (point.y == 0)
                zeros.push_back(point.x);
        }
        EXPECT_EQ(zeros, row.x);
    }
}

TEST(Quadratic, TableEndsForAHugeVertexAbscissa)
{
    for (const double p : {1e16, -1e16, 1e300}) {
        SCOPED_TRACE(p);
        const ValueTable table = valueTable(Prescription::AXMinusP2, {.a = 1, .p = p});
        EXPECT_FALSE(table.failed);
        EXPECT_GE(table.points.size(), 1u);
        EXPECT_LE(table.points.size(), 11u);
    }
}

TEST(Quadratic, TableStopsAtAValueThatCannotBeComputed)
{
    struct Row
    {
        const char *name;
        Prescription k;
        QuadraticCoefficients coefficients;
        size_t rowsBefore;
    };
    // clang-format off
    const Row rows[] = {
        {"overflow of y at x = 5", Prescription::AX2, {.a = 1e307, .p = 1}, 9},
        {"ax²+bx+c with a = 0", Prescription::Standard, {.a = 0, .b = 1}, 0},
        {"ax²+q with a = 0", Prescription::AX2PlusQ, {.a = 0, .q = -1}, 0},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const ValueTable table = valueTable(row.k, row.coefficients);
        EXPECT_TRUE(table.failed);
        EXPECT_EQ(table.points.size(), row.rowsBefore);
    }
}

} // namespace
