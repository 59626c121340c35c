// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/operationlog.h"

#include <QString>
#include <QStringList>

#include <deque>

class DrawingSurface;

// What a canvas has drawn since it was last cleared, kept small enough that thousands of plots
// fit in a few megabytes: each operation is a kind byte and its coordinates as single-precision
// twips (a line takes 17 bytes), texts apart. Replaying it draws the same picture again, on an
// image of another pixel density or into a picture file.
class CompactDrawing
{
public:
    void clear();

    void add(const DrawingOperation &operation);

    // Performs every operation again, in order, on a surface.
    void replay(DrawingSurface &surface) const;

    qsizetype operationCount() const { return qsizetype(m_kinds.size()); }
    // The memory the operations take, texts left out. The stores grow in small blocks, so this
    // is close to what they hold.
    std::size_t bytesUsed() const;

private:
    using Kind = DrawingOperation::Kind;

    std::deque<Kind> m_kinds;
    std::deque<float> m_values;
    QStringList m_texts;
};
