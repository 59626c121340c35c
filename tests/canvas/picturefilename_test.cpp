// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/graphpicture.h"

#include "testsupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(PictureFileName, ANameWithoutAPictureExtensionGetsTheChosenTypes)
{
    struct Row
    {
        QString typed;
        QString chosenType;
        QString saved;
    };
    // clang-format off
    const Row rows[] = {
        {u"/tmp/graph"_s, u"SVG (*.svg)"_s, u"/tmp/graph.svg"_s},
        {u"graph"_s, u"Pictures (*.png *.svg *.pdf)"_s, u"graph.png"_s},   // all pictures means PNG
        {u"graph.v2"_s, u"PDF (*.pdf)"_s, u"graph.v2.pdf"_s},              // another extension is kept
        {u"graph.PDF"_s, u"PNG (*.png)"_s, u"graph.PDF"_s},                // a picture extension wins
        {u"graph"_s, QString(), u"graph"_s},                               // no type chosen
    };
    // clang-format on
    for (const Row &row : rows)
        EXPECT_EQ(pictureFileName(row.typed, row.chosenType), row.saved) << row.typed.toStdString();
}

} // namespace
