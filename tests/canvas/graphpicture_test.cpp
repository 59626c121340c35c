// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/graphcanvas.h"
#include "canvas/graphpicture.h"
#include "canvas/sampling.h"
#include "canvas/worldframe.h"

#include "testsupport.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

// Refusing an unknown extension or an unwritable file, and an extension in capitals, are pinned
// by the fd-export scenario.

namespace {

// The polylines of an SVG file, each as its list of points.
std::vector<QList<QPointF>> polylinesOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<QList<QPointF>> polylines;
    QXmlStreamReader svg(&file);
    while (svg.readNextStartElement() || !svg.atEnd()) {
        if (!svg.isStartElement() || svg.name() != QLatin1StringView("polyline"))
            continue;
        QList<QPointF> points;
        const QString text = svg.attributes().value(QLatin1StringView("points")).toString();
        for (const QString &pair : text.split(u' ', Qt::SkipEmptyParts)) {
            const QStringList xy = pair.split(u',');
            points.append(QPointF(xy.value(0).toDouble(), xy.value(1).toDouble()));
        }
        polylines.push_back(points);
    }
    return polylines;
}

// A parabola that stays inside the canvas from edge to edge, on its axes without grid or ticks
// (at a scale above 1000 the frame draws only the axes).
void drawParabola(GraphCanvas &canvas)
{
    canvas.setSide(6135);
    const WorldFrame frame = WorldFrame::onSurface(canvas, 2000);
    ASSERT_EQ(drawGraph(canvas, frame, false, [](double x) { return x * x / 4000; }),
              DrawResult::Complete);
}

TEST(GraphPicture, SavesTheAxesAndTheCurveAsVectorPaths)
{
    GraphCanvas canvas;
    drawParabola(canvas);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("graph.svg"));
    ASSERT_TRUE(saveGraphPicture(canvas.picture(), path));

    const std::vector<QList<QPointF>> polylines = polylinesOf(path);
    ASSERT_EQ(polylines.size(), 3u);
    EXPECT_EQ(polylines[0], (QList<QPointF>{{0, 3062.5}, {6125, 3062.5}}));
    EXPECT_EQ(polylines[1], (QList<QPointF>{{3062.5, 0}, {3062.5, 6125}}));
    // The curve: a point at the first sample, then one stroke through the other 612.
    EXPECT_EQ(polylines[2].size(), 613);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray svg = file.readAll();
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 6135 6135\""));
    EXPECT_FALSE(svg.contains("<image"));
}

TEST(GraphPicture, SavesAPdfPageOfTheCanvasSizeWithoutImages)
{
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    const QString pdfimages = QStandardPaths::findExecutable(QStringLiteral("pdfimages"));
    if (pdfinfo.isEmpty() || pdfimages.isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";

    GraphCanvas canvas;
    drawParabola(canvas);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("graph.pdf"));
    ASSERT_TRUE(saveGraphPicture(canvas.picture(), path));

    QProcess info;
    info.start(pdfinfo, {path});
    ASSERT_TRUE(info.waitForFinished());
    // 6135 twips are 306.75 points; a PDF page measures whole points.
    EXPECT_TRUE(info.readAllStandardOutput().contains("Page size:       307 x 307 pts"));

    QProcess images;
    images.start(pdfimages, {QStringLiteral("-list"), path});
    ASSERT_TRUE(images.waitForFinished());
    const QList<QByteArray> lines = images.readAllStandardOutput().trimmed().split('\n');
    EXPECT_EQ(lines.size(), 2) << "only the header of an empty image list";
}

} // namespace
