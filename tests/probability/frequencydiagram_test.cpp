#include "modules/probability/frequencydiagram.h"

#include "canvas/recordingsurface.h"
#include "modules/probability/experiment.h"
#include "scripteddraws.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <vector>

using namespace probability;
using namespace Qt::StringLiterals;

namespace {

using Kind = DrawingOperation::Kind;

// On the window's canvas at design size: Hh = 5995, Ww = 6005, and the plot box runs from
// x0 = 300 to xmax = 5705 and from ytop = 300 down to y0 = 5695.
constexpr float side = 6015;
constexpr double y0 = 5695;
constexpr double boxWidth = 5405;
constexpr double boxHeight = 5395;

// A fair coin thrown four times: heads, tails, heads, heads.
Experiment fourThrows()
{
    ScriptedDraws random({0.7f, 0.2f, 0.9f, 0.6f});
    Experiment experiment;
    experiment.start(4, {0, 1, 1, Combination::Sum, Comparison::None, 0, 1}, random);
    return experiment;
}

std::vector<DrawingOperation> operationsOfKind(const RecordingSurface &surface, Kind kind)
{
    std::vector<DrawingOperation> found;
    for (const DrawingOperation &operation : surface.log().operations()) {
        if (operation.kind == kind)
            found.push_back(operation);
    }
    return found;
}

TEST(FrequencyDiagram, DrawsAxesGridAndTheFrequencyLine)
{
    RecordingSurface surface(side, side);
    draw(surface, fourThrows(), QLocale::c());

    const std::vector<DrawingOperation> lines = operationsOfKind(surface, Kind::Line);
    // Two axes, ten vertical and ten horizontal lines of 24 dashes, three joins of four points.
    ASSERT_EQ(lines.size(), 2u + 480u + 3u);
    EXPECT_EQ(lines[0], DrawingOperation::line(300, y0, 6005, y0));
    EXPECT_EQ(lines[1], DrawingOperation::line(300, 0, 300, y0));

    const double d = boxHeight / 40;
    EXPECT_EQ(lines[2],
              DrawingOperation::line(300 + boxWidth / 10, y0, 300 + boxWidth / 10, y0 - d));
    // The last dash of a vertical line runs above the plot box.
    EXPECT_EQ(lines[25], DrawingOperation::line(300 + boxWidth / 10, y0 - 46 * d,
                                                300 + boxWidth / 10, y0 - 47 * d));
    const double e = boxWidth / 40;
    EXPECT_EQ(lines[242],
              DrawingOperation::line(300, y0 - boxHeight / 10, 300 + e, y0 - boxHeight / 10));

    // The frequencies 1, 0.5, 2/3 and 0.75 joined point to point, never from the origin.
    const auto point = [](int j, double frequency) {
        return std::pair{300 + j * boxWidth / 4, y0 - frequency * boxHeight};
    };
    const std::vector<std::pair<double, double>> points = {point(1, 1), point(2, 0.5),
                                                           point(3, 2.0 / 3), point(4, 0.75)};
    for (int j = 1; j < 4; ++j) {
        EXPECT_EQ(lines[482 + std::size_t(j) - 1],
                  DrawingOperation::line(points[j - 1].first, points[j - 1].second, points[j].first,
                                         points[j].second));
    }
    EXPECT_TRUE(operationsOfKind(surface, Kind::Point).empty());
}

TEST(FrequencyDiagram, CentresTheTestLabelsByTheirWidth)
{
    RecordingSurface surface(side, side);
    draw(surface, fourThrows(), QLocale::c());

    const std::vector<DrawingOperation> fonts = operationsOfKind(surface, Kind::Font);
    ASSERT_EQ(fonts.size(), 1u);
    EXPECT_EQ(fonts[0].fontSize, 8);

    const std::vector<DrawingOperation> texts = operationsOfKind(surface, Kind::Text);
    ASSERT_EQ(texts.size(), 11u + 12u);
    const QStringList expected = {u" 0"_s,   u" .4"_s,  u" .8"_s,  u" 1.2"_s, u" 1.6"_s, u" 2"_s,
                                  u" 2.4"_s, u" 2.8"_s, u" 3.2"_s, u" 3.6"_s, u" 4"_s};
    for (int i = 0; i <= 10; ++i) {
        SCOPED_TRACE(i);
        const DrawingOperation &label = texts[std::size_t(i)];
        EXPECT_EQ(label.text, expected[i]);
        EXPECT_GT(surface.textWidth(label.text), 0);
        EXPECT_DOUBLE_EQ(label.x1 + surface.textWidth(label.text) / 2, 270 + i * boxWidth / 10);
        EXPECT_EQ(label.y1, 5795);
    }
}

TEST(FrequencyDiagram, LabelsTheFrequenciesUpToOnePointOne)
{
    struct Case
    {
        const char *name;
        QLocale locale;
        QString half;
    };
    for (const Case &row : {Case{"point", QLocale::c(), u"0.5"_s},
                            Case{"decimal comma", QLocale(QLocale::German), u"0,5"_s}}) {
        SCOPED_TRACE(row.name);
        RecordingSurface surface(side, side);
        draw(surface, fourThrows(), row.locale);

        const std::vector<DrawingOperation> texts = operationsOfKind(surface, Kind::Text);
        ASSERT_EQ(texts.size(), 23u);
        const std::vector<DrawingOperation> labels(texts.begin() + 11, texts.end());
        EXPECT_EQ(labels[5].text, row.half);
        for (int k = 0; k < 12; ++k) {
            EXPECT_EQ(labels[std::size_t(k)].x1, 20);
            EXPECT_NEAR(labels[std::size_t(k)].y1, y0 - 100 - k * 0.1 * boxHeight, 1e-9);
        }
        EXPECT_EQ(labels[10].text, QLocale(row.locale).toString(1.0, 'f', 1));
        // The label 1.1 lands above the plot box.
        EXPECT_EQ(labels[11].text, QLocale(row.locale).toString(1.1, 'f', 1));
    }
}

TEST(FrequencyDiagram, OneTestHasNoFrequencyLine)
{
    ScriptedDraws random({0.5f});
    Experiment experiment;
    experiment.start(1, {0, 1, 1, Combination::Sum, Comparison::None, 0, 1}, random);
    RecordingSurface surface(side, side);
    draw(surface, experiment, QLocale::c());
    EXPECT_EQ(surface.log().lineCount(), 482);
}

} // namespace

namespace {

struct PointerRow
{
    const char *name;
    double X;
    const char *text;
};

class DiagramPointText : public testing::TestWithParam<PointerRow>
{
};

// Four tests: heads, tails, heads, heads; the columns stand at x0 + j * boxWidth / 4.
TEST_P(DiagramPointText, NamesTheNearestTestAndItsFrequency)
{
    EXPECT_EQ(diagramPointText(fourThrows(), side, side, GetParam().X, QLocale::c()),
              QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DiagramPointText,
    testing::Values(PointerRow{"LeftOfTheBox", 100, ""},
                    PointerRow{"NearerTheOriginThanTheFirstTest", 300 + boxWidth / 8 - 1, ""},
                    PointerRow{"FirstTest", 300 + boxWidth / 4, "Test 1: relative frequency 1.00"},
                    PointerRow{"SecondTest", 300 + boxWidth / 2 + 40,
                               "Test 2: relative frequency 0.50"},
                    PointerRow{"LastTest", 300 + boxWidth, "Test 4: relative frequency 0.75"},
                    PointerRow{"RightOfTheBox", 300 + boxWidth * 9 / 8 + 1, ""}),
    rowName<PointerRow>);

TEST(DiagramPointTextBeforeAnyTest, IsEmpty)
{
    EXPECT_EQ(diagramPointText(Experiment(), side, side, 3000), QString());
}

} // namespace
