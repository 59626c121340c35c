// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/printersurface.h"

#include <QStringList>

class GraphCanvas;

// The `canvas` query: "side S lines N points M", then, when asked, one line per operation.
QStringList describeCanvas(const GraphCanvas &canvas, bool withOperations);

// The `printed` query: "pages N lines N points M" over all pages, then every page's operations.
QStringList describePrintJob(const PrintJob &job);
