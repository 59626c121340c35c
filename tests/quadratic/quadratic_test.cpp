#include "modules/quadratic/quadratic.h"

#include "canvas/recordingsurface.h"
#include "canvas/worldframe.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace quadratic;
using namespace Qt::StringLiterals;

TEST(Quadratic, ConvertsBetweenTheForms)
{
    struct Row
    {
        const char *name;
        double a, b, c, p, q;
    };
    const std::vector<Row> toStandard = {
        {"p = 2, q = -1", 1, -4, 3, 2, -1},
        {"p = 1, q = -4", 1, -2, -3, 1, -4},
    };
    for (const Row &row : toStandard) {
        SCOPED_TRACE(row.name);
        const StandardForm standard = toStandardForm(row.a, row.p, row.q);
        EXPECT_DOUBLE_EQ(standard.b, row.b);
        EXPECT_DOUBLE_EQ(standard.c, row.c);
    }
    const std::vector<Row> toVertex = {
        {"back to p = 2, q = -1", 1, -4, 3, 2, -1},
        {"a changed to 2 keeps b and c", 2, -2, -3, 0.5, -3.5},
        {"b = 2, c = -3", 1, 2, -3, -1, -4},
    };
    for (const Row &row : toVertex) {
        SCOPED_TRACE(row.name);
        const VertexForm vertex = toVertexForm(row.a, row.b, row.c);
        EXPECT_DOUBLE_EQ(vertex.p, row.p);
        EXPECT_DOUBLE_EQ(vertex.q, row.q);
    }
}

TEST(Quadratic, ReplacesACoefficientThatReadsAsZero)
{
    struct Row
    {
        const char *name;
        QString text;
        QString expected;
    };
    const std::vector<Row> rows = {
        {"zero", u"0"_s, u"0.01"_s},
        {"zero with a point", u"0.0"_s, u"0.01"_s},
        {"two zeros", u"00"_s, u"0.01"_s},
        {"empty", u""_s, u"0.01"_s},
        {"blank before zero", u" 0"_s, u"0.01"_s},
        {"letters", u"abc"_s, u"0.01"_s},
        {"whole number kept", u"2"_s, u"2"_s},
        {"fraction kept", u"0.5"_s, u"0.5"_s},
        {"negative fraction kept", u"-0.5"_s, u"-0.5"_s},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(nonZeroCoefficientText(row.text), row.expected);
    }
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
    const std::vector<Row> rows = {
        {"first row at start", -5, 25, QLocale::c(),
         u"     -5.000         25.000"_s + gap + u"+\r\n"_s},
        {"row for x = 0 at start", 0, 0, QLocale::c(),
         u"      0.000          0.000"_s + gap + u"0\r\n"_s},
        {"negative, rounded", 0.5, -2.2505, QLocale(QLocale::English),
         u"      0.500         -2.251"_s + gap + u"-\r\n"_s},
        {"decimal comma", 0.5, -2.25, QLocale(QLocale::German),
         u"      0,500         -2,250"_s + gap + u"-\r\n"_s},
        {"longer than the column", 123456789.5, -1e10, QLocale::c(),
         u"123456789.500    -10000000000.000"_s + gap + u"-\r\n"_s},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(tableRow(row.x, row.y, row.locale), row.expected);
    }
}

TEST(Quadratic, TabulatesWholeNumbersAroundTheVertexWithZerosAndVertexInserted)
{
    struct Row
    {
        const char *name;
        Prescription k;
        QuadraticCoefficients coefficients;
        std::vector<double> x;
        std::vector<double> y;
    };
    const std::vector<Row> cases = {
        {"ax² at start",
         Prescription::AX2,
         {.a = 1},
         {-5, -4, -3, -2, -1, 0, 1, 2, 3, 4, 5},
         {25, 16, 9, 4, 1, 0, 1, 4, 9, 16, 25}},
        {"ax²+bx+c with whole zeros",
         Prescription::Standard,
         {.a = 1, .b = -1, .c = -2, .p = 0.5, .q = -2.25},
         {-5, -4, -3, -2, -1, 0, 0.5, 1, 2, 3, 4, 5},
         {28, 18, 10, 4, 0, -2, -2.25, -2, 0, 4, 10, 18}},
        {"a(x-p)²+q with zeros outside the whole numbers",
         Prescription::AXMinusP2PlusQ,
         {.a = 1, .b = -1, .c = -35.75, .p = 0.5, .q = -36},
         {-5.5, -5, -4, -3, -2, -1, 0, 0.5, 1, 2, 3, 4, 5, 6.5},
         {0, -5.75, -15.75, -23.75, -29.75, -33.75, -35.75, -36, -35.75, -33.75, -29.75, -23.75,
          -15.75, 0}},
        {"ax²+q with the vertex off the y-axis",
         Prescription::AX2PlusQ,
         {.a = 1, .b = -1, .c = -3.75, .p = 0.5, .q = -4},
         {-5, -4, -3, -2, -1, 0, 0.5, 1, 2, 3, 4, 5},
         {21, 12, 5, 0, -3, -4, -3.75, -3, 0, 5, 12, 21}},
        {"ax²+bx+c without zeros",
         Prescription::Standard,
         {.a = 1, .b = 0, .c = 1, .p = 0, .q = 1},
         {-5, -4, -3, -2, -1, 0, 1, 2, 3, 4, 5},
         {26, 17, 10, 5, 2, 1, 2, 5, 10, 17, 26}},
        {"a(x-p)² with p between whole numbers",
         Prescription::AXMinusP2,
         {.a = 1, .b = -3, .c = 2.25, .p = 1.5},
         {-4, -3, -2, -1, 0, 1, 1.5, 2, 3, 4, 5, 6},
         {30.25, 20.25, 12.25, 6.25, 2.25, 0.25, 0, 0.25, 2.25, 6.25, 12.25, 20.25}},
    };
    for (const Row &row : cases) {
        SCOPED_TRACE(row.name);
        const ValueTable table = valueTable(row.k, row.coefficients);
        EXPECT_FALSE(table.failed);
        std::vector<double> x;
        std::vector<double> y;
        for (const TablePoint &point : table.points) {
            x.push_back(point.x);
            y.push_back(point.y);
        }
        EXPECT_EQ(x, row.x);
        EXPECT_EQ(y, row.y);
    }
}

TEST(Quadratic, FindsTheZerosOfEveryPrescription)
{
    struct Row
    {
        const char *name;
        Prescription k;
        QuadraticCoefficients coefficients;
        std::vector<double> zeros;
    };
    const double root2 = std::sqrt(2.0);
    const std::vector<Row> cases = {
        {"ax²", Prescription::AX2, {.a = 2}, {0}},
        {"ax²+q", Prescription::AX2PlusQ, {.a = 1, .c = -2, .q = -2}, {-root2, root2}},
        {"ax²+q above the axis", Prescription::AX2PlusQ, {.a = 1, .c = 2, .q = 2}, {}},
        {"a(x-p)²", Prescription::AXMinusP2, {.a = 1, .b = -3, .c = 2.25, .p = 1.5}, {1.5}},
        {"a(x-p)²+q",
         Prescription::AXMinusP2PlusQ,
         {.a = 2, .b = -4, .c = 1.5, .p = 1, .q = -0.5},
         {0.5, 1.5}},
        {"ax²+bx+c rounded", Prescription::Standard, {.a = 1, .c = -2, .q = -2}, {-1.414, 1.414}},
        {"ax²+bx+c opening downwards, zeros beyond the whole numbers",
         Prescription::Standard,
         {.a = -1, .b = -1, .c = 42, .p = -0.5, .q = 42.25},
         {-7, 6}},
        {"ax²+bx+c touching the axis",
         Prescription::Standard,
         {.a = 1, .b = -2, .c = 1, .p = 1},
         {1}},
    };
    for (const Row &row : cases) {
        SCOPED_TRACE(row.name);
        const ValueTable table = valueTable(row.k, row.coefficients);
        std::vector<double> zeros;
        for (const TablePoint &point : table.points) {
            if (point.y == 0)
                zeros.push_back(point.x);
        }
        EXPECT_EQ(zeros, row.zeros);
    }
}

TEST(Quadratic, TableEndsForAHugeVertexAbscissa)
{
    struct Row
    {
        const char *name;
        double p;
    };
    const Row rows[] = {
        {"p = 1e16", 1e16},
        {"p = -1e16", -1e16},
        {"p = 1e300", 1e300},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const ValueTable table = valueTable(Prescription::AXMinusP2, {.a = 1, .p = row.p});
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
    const std::vector<Row> cases = {
        {"overflow of y at x = 5", Prescription::AX2, {.a = 1e307, .p = 1}, 9},
        {"ax²+bx+c with a = 0", Prescription::Standard, {.a = 0, .b = 1}, 0},
        {"ax²+q with a = 0", Prescription::AX2PlusQ, {.a = 0, .q = -1}, 0},
    };
    for (const Row &row : cases) {
        SCOPED_TRACE(row.name);
        const ValueTable table = valueTable(row.k, row.coefficients);
        EXPECT_TRUE(table.failed);
        EXPECT_EQ(table.points.size(), row.rowsBefore);
    }
}

TEST(Quadratic, DrawsTheFrameAndThenTheParabola)
{
    const QuadraticCoefficients coefficients = {.a = 0.1, .p = 1, .q = -2};
    RecordingSurface surface(6135, 6135);
    ASSERT_EQ(draw(surface, WorldFrame::onSurface(surface, 8), false, Prescription::AXMinusP2PlusQ,
                    coefficients),
              DrawResult::Complete);

    const auto &operations = surface.log().operations();
    const size_t frameLines = 2 + 17 + 17;
    const size_t samples = 6120 / 10 + 1;
    ASSERT_EQ(operations.size(), frameLines + samples);
    EXPECT_EQ(surface.log().pointCount(), 1);

    const DrawingOperation &first = operations[frameLines];
    EXPECT_EQ(first.kind, DrawingOperation::Kind::Point);
    EXPECT_EQ(first.x1, 0);
    const WorldFrame frame = WorldFrame::onSurface(surface, 8);
    EXPECT_DOUBLE_EQ(first.y1, frame.Y(0.1 * 81 - 2));
    EXPECT_EQ(operations.back().kind, DrawingOperation::Kind::Line);
    EXPECT_EQ(operations.back().x2, 6120);

    RecordingSurface unscaled(6135, 6135);
    EXPECT_EQ(
        draw(unscaled, WorldFrame::onSurface(unscaled, 0), false, Prescription::AX2, {.a = 1}),
        DrawResult::Failed);
    EXPECT_EQ(unscaled.log().lineCount(), 2);
    EXPECT_EQ(unscaled.log().pointCount(), 0);
}
