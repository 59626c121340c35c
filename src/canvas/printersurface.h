// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/operationlog.h"

#include <QRectF>

#include <vector>

class QPainter;
class QPrinter;

// One page as the program prints it: the drawing operations, recorded in twips from the top-left
// corner of the printable area, and the graph's square on the page. Nothing shows beyond the
// square on paper, as nothing shows beyond the canvas's edges on the screen, so a curve that runs
// off towards a pole ends at the square's border. An empty square leaves the page unclipped.
struct PrintedPage
{
    OperationLog operations;
    QRectF graphSquare;
};

// A print job as the program builds it. A job is recorded whole before it is sent, so a drawing
// that fails half-way never reaches the paper.
using PrintJob = std::vector<PrintedPage>;

// Sends the job to the printer (a queue, or a PDF file), one page after another. False when the
// printer could not be opened (a PDF file that cannot be written, for example).
bool sendToPrinter(QPrinter &printer, const PrintJob &job);

// Paints one page with a painter that is active on a device of the given resolution, whose
// origin is the top-left corner of the printable area.
void paintPage(QPainter &painter, double dotsPerInch, const PrintedPage &page);
