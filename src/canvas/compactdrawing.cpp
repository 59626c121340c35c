// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/compactdrawing.h"

#include "canvas/drawingsurface.h"

void CompactDrawing::clear()
{
    m_kinds.clear();
    m_values.clear();
    m_texts.clear();
}

void CompactDrawing::add(const DrawingOperation &operation)
{
    m_kinds.push_back(operation.kind);
    switch (operation.kind) {
    case Kind::Line:
        m_values.insert(m_values.end(), {float(operation.x1), float(operation.y1),
                                         float(operation.x2), float(operation.y2)});
        break;
    case Kind::Point:
        m_values.insert(m_values.end(), {float(operation.x1), float(operation.y1)});
        break;
    case Kind::Colour:
        m_values.push_back(float(operation.colour));
        break;
    case Kind::Font:
        m_values.push_back(float(operation.fontSize));
        break;
    case Kind::Text:
        m_values.insert(m_values.end(), {float(operation.x1), float(operation.y1)});
        m_texts.append(operation.text);
        break;
    }
}

void CompactDrawing::replay(DrawingSurface &surface) const
{
    auto value = m_values.begin();
    auto text = m_texts.begin();
    for (const Kind kind : m_kinds) {
        switch (kind) {
        case Kind::Line:
            surface.line(value[0], value[1], value[2], value[3]);
            value += 4;
            break;
        case Kind::Point:
            surface.point(value[0], value[1]);
            value += 2;
            break;
        case Kind::Colour:
            surface.setPenColour(SystemColour(int(value[0])));
            value += 1;
            break;
        case Kind::Font:
            surface.setFontSize(value[0]);
            value += 1;
            break;
        case Kind::Text:
            surface.setCurrentX(value[0]);
            surface.setCurrentY(value[1]);
            surface.printText(*text++);
            value += 2;
            break;
        }
    }
}

std::size_t CompactDrawing::bytesUsed() const
{
    return m_kinds.size() * sizeof(Kind) + m_values.size() * sizeof(float);
}
