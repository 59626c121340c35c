// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/drawingsurface.h"
#include "canvas/operationlog.h"

#include <QFont>

// A surface of a given size that only records what is drawn on it. Text is measured in the same
// font as on a canvas of the screen's resolution, so printed text lands where the canvas puts it.
class RecordingSurface : public DrawingSurface
{
public:
    RecordingSurface(float width, float height) : m_width(width), m_height(height) {}

    void clear() override { m_log.clear(); }
    void line(double x1, double y1, double x2, double y2) override;
    void point(double x, double y) override;
    void setPenColour(SystemColour colour) override;
    float widthInTwips() const override { return m_width; }
    float heightInTwips() const override { return m_height; }
    void setFontSize(double points) override;
    void setCurrentX(double x) override { m_currentX = x; }
    void setCurrentY(double y) override { m_currentY = y; }
    void printText(const QString &text) override;
    double textWidth(const QString &text) const override;

    const OperationLog &log() const { return m_log; }

private:
    float m_width;
    float m_height;
    double m_currentX = 0;
    double m_currentY = 0;
    QFont m_font;
    OperationLog m_log;
};
