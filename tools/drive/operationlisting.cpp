// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "operationlisting.h"

#include "textformat.h"

#include "canvas/graphcanvas.h"

namespace {

QString describe(const DrawingOperation &operation)
{
    switch (operation.kind) {
    case DrawingOperation::Kind::Line:
        return QStringLiteral("line %1 %2 %3 %4")
            .arg(formatNumber(operation.x1), formatNumber(operation.y1), formatNumber(operation.x2),
                 formatNumber(operation.y2));
    case DrawingOperation::Kind::Point:
        return QStringLiteral("point %1 %2")
            .arg(formatNumber(operation.x1), formatNumber(operation.y1));
    case DrawingOperation::Kind::Colour:
        return QStringLiteral("colour %1").arg(systemColourName(operation.colour));
    case DrawingOperation::Kind::Font:
        return QStringLiteral("font %1").arg(formatNumber(operation.fontSize));
    case DrawingOperation::Kind::Text:
        return QStringLiteral("print %1 %2 %3")
            .arg(formatNumber(operation.x1), formatNumber(operation.y1), quoted(operation.text));
    }
    return {};
}

void appendOperations(QStringList &lines, const OperationLog &log)
{
    for (const DrawingOperation &operation : log.operations())
        lines.append(describe(operation));
}

} // namespace

QStringList describeCanvas(const GraphCanvas &canvas, bool withOperations)
{
    const OperationLog &log = canvas.log();
    QStringList lines = {QStringLiteral("side %1 lines %2 points %3")
                             .arg(formatNumber(canvas.widthInTwips()))
                             .arg(log.lineCount())
                             .arg(log.pointCount())};
    if (withOperations)
        appendOperations(lines, log);
    return lines;
}

QStringList describePrintJob(const PrintJob &job)
{
    int lineCount = 0;
    int pointCount = 0;
    for (const PrintedPage &page : job) {
        lineCount += page.operations.lineCount();
        pointCount += page.operations.pointCount();
    }
    QStringList lines = {QStringLiteral("pages %1 lines %2 points %3")
                             .arg(job.size())
                             .arg(lineCount)
                             .arg(pointCount)};
    for (const PrintedPage &page : job)
        appendOperations(lines, page.operations);
    return lines;
}
