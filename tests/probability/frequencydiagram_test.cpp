// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

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

// On the window's canvas at design size (6015 twips) the plot box runs from x0 = 300 to 5705
// (5405 twips wide) and from y0 = 5695 up to 300 (5395 twips high); a tenth of it is 540.5 by
// 539.5 twips, a fortieth, one dash, 135.125 by 134.875.
constexpr float side = 6015;

// A fair coin thrown four times: heads, tails, heads, heads; the relative frequencies are 1,
// 0.5, 2/3 and 0.75, and the tests stand at x = 300 + 1351.25 j.
Experiment fourThrows()
{
    ScriptedDraws random({0.7f, 0.2f, 0.9f, 0.6f});
    Experiment experiment;
    experiment.start(4, {0, 1, 1, Combination::Sum, Comparison::None, 0, 1}, random);
    return experiment;
}

Operations drawnOfKind(Kind kind, const QLocale &locale = QLocale::c())
{
    RecordingSurface surface(side, side);
    draw(surface, fourThrows(), locale);
    Operations found;
    for (const DrawingOperation &operation : surface.log().operations()) {
        if (operation.kind == kind)
            found.push_back(operation);
    }
    return found;
}

TEST(FrequencyDiagram, DrawsAxesGridAndTheFrequencyLine)
{
    const Operations lines = drawnOfKind(Kind::Line);
    // Two axes, ten vertical and ten horizontal lines of 24 dashes, three joins of four points.
    ASSERT_EQ(lines.size(), 2u + 480u + 3u);
    EXPECT_EQ(lines[0], DrawingOperation::line(300, 5695, 6005, 5695));
    EXPECT_EQ(lines[1], DrawingOperation::line(300, 0, 300, 5695));
    EXPECT_EQ(lines[2], DrawingOperation::line(840.5, 5695, 840.5, 5560.125));
    // The last dash of a vertical line, the 24th, runs above the plot box.
    EXPECT_EQ(lines[25], DrawingOperation::line(840.5, -509.25, 840.5, -644.125));
    EXPECT_EQ(lines[242], DrawingOperation::line(300, 5155.5, 435.125, 5155.5));
    // The frequencies joined point to point, never from the origin.
    EXPECT_EQ(lines[482], DrawingOperation::line(1651.25, 300, 3002.5, 2997.5));
    EXPECT_NEAR(lines[483].y2, 5695 - 5395.0 * 2 / 3, 1e-9);
    EXPECT_EQ(lines[484].x2, 5705);
    EXPECT_EQ(lines[484].y2, 1648.75);
    EXPECT_TRUE(drawnOfKind(Kind::Point).empty());
}

TEST(FrequencyDiagram, CentresTheTestLabelsByTheirWidth)
{
    const Operations fonts = drawnOfKind(Kind::Font);
    ASSERT_EQ(fonts.size(), 1u);
    EXPECT_EQ(fonts[0].fontSize, 8);

    RecordingSurface measure(side, side);
    measure.setFontSize(8);
    const Operations texts = drawnOfKind(Kind::Text);
    ASSERT_EQ(texts.size(), 11u + 12u);
    const QStringList expected = {u" 0"_s,   u" .4"_s,  u" .8"_s,  u" 1.2"_s, u" 1.6"_s, u" 2"_s,
                                  u" 2.4"_s, u" 2.8"_s, u" 3.2"_s, u" 3.6"_s, u" 4"_s};
    for (int i = 0; i <= 10; ++i) {
        SCOPED_TRACE(i);
        const DrawingOperation &label = texts[std::size_t(i)];
        EXPECT_EQ(label.text, expected[i]);
        EXPECT_GT(measure.textWidth(label.text), 0);
        EXPECT_DOUBLE_EQ(label.x1 + measure.textWidth(label.text) / 2, 270 + 540.5 * i);
        EXPECT_EQ(label.y1, 5795);
    }
}

TEST(FrequencyDiagram, LabelsTheFrequenciesUpToOnePointOne)
{
    for (const auto &[locale, half, one, oneTenthMore] :
         {std::tuple{QLocale::c(), u"0.5"_s, u"1.0"_s, u"1.1"_s},
          std::tuple{QLocale(QLocale::German), u"0,5"_s, u"1,0"_s, u"1,1"_s}}) {
        SCOPED_TRACE(half.toStdString());
        const Operations texts = drawnOfKind(Kind::Text, locale);
        ASSERT_EQ(texts.size(), 23u);
        const Operations labels(texts.begin() + 11, texts.end());
        EXPECT_EQ(labels[5].text, half);
        EXPECT_EQ(labels[10].text, one);
        EXPECT_EQ(labels[11].text, oneTenthMore);
        for (std::size_t k = 0; k < 12; ++k) {
            EXPECT_EQ(labels[k].x1, 20);
            EXPECT_NEAR(labels[k].y1, 5595 - 539.5 * double(k), 1e-9);
        }
    }
}

// The nearest test is the column rounded half up: 1.6 is the second test.
TEST(FrequencyDiagram, NamesTheNearestTestAndItsFrequency)
{
    // clang-format off
    const std::pair<double, const char *> rows[] = {
        {100, ""},                                              // left of the box
        {974.625, ""},                                          // nearer the origin than test 1
        {1651.25, "Test 1: relative frequency 1.00"},
        {2462, "Test 2: relative frequency 0.50"},              // column 1.6
        {3042.5, "Test 2: relative frequency 0.50"},
        {5705, "Test 4: relative frequency 0.75"},
        {6381.625, ""},                                         // right of the box
    };
    // clang-format on
    for (const auto &[X, text] : rows)
        EXPECT_EQ(diagramPointText(fourThrows(), side, side, X, QLocale::c()),
                  QString::fromUtf8(text))
            << X;
    EXPECT_EQ(diagramPointText(Experiment(), side, side, 3000), QString());
}

} // namespace
