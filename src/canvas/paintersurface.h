// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/compactdrawing.h"
#include "canvas/drawingsurface.h"
#include "canvas/operationlog.h"

#include <QFont>
#include <QLineF>
#include <QPalette>

#include <vector>

class QPainter;

// The drawing operations carried out with a QPainter on a device whose units are finer than
// twips (a canvas image, a printer page). Subclasses own the device, and say how large it is and
// how it is cleared. What is drawn since the last clear is kept in compact form, to draw it again
// elsewhere; an exact log is kept only when logging is turned on (tests and the scenario runner
// read it).
class PainterSurface : public DrawingSurface
{
public:
    void line(double x1, double y1, double x2, double y2) override;
    void point(double x, double y) override;
    void setPenColour(SystemColour colour) override;
    void setFontSize(double points) override;
    void setCurrentX(double x) override { m_currentX = x; }
    void setCurrentY(double y) override { m_currentY = y; }
    void printText(const QString &text) override;
    double textWidth(const QString &text) const override;

    void setLogging(bool on) { m_logging = on; }
    const OperationLog &log() const { return m_log; }
    const CompactDrawing &drawing() const { return m_drawing; }

    // Lines are drawn in batches, which is several times faster than one by one; this draws
    // those still waiting. Any other operation draws them first, so the order is kept.
    void drawPendingLines();

protected:
    // The pen starts in the button-text colour of the palette, which maps every colour role.
    explicit PainterSurface(const QPalette &palette);

    // Starts drawing with a painter that is active on the device: its units per twip, and the
    // pen width in its units (0 for the thinnest line the device draws).
    void attachPainter(QPainter *painter, double deviceUnitsPerTwip, double penWidth);
    // Draws each run of lines that join end to start as one polyline, so that a curve becomes one
    // path in a vector picture.
    void setJoinConnectedLines(bool on) { m_joinConnectedLines = on; }
    // Forgets what was drawn and the lines not drawn yet: the device was cleared or made anew.
    void forgetDrawing();
    // Draws again what was drawn before the device was made anew, keeping the exact log.
    void redraw(const CompactDrawing &drawing, const OperationLog &log);

private:
    QPointF toDevice(double x, double y) const;
    void applyPen();
    void record(const DrawingOperation &operation);
    void drawAsPolylines(const std::vector<QLineF> &lines);

    QPainter *m_painter = nullptr;
    std::vector<QLineF> m_pendingLines;
    double m_unitsPerTwip = 1;
    double m_penWidth = 0;
    QPalette m_palette;
    SystemColour m_penColour = SystemColour::ButtonText;
    QFont m_font;
    double m_currentX = 0;
    double m_currentY = 0;
    bool m_joinConnectedLines = false;
    bool m_logging = false;
    OperationLog m_log;
    CompactDrawing m_drawing;
};
