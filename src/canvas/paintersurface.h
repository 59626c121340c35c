#pragma once

#include "canvas/drawingsurface.h"
#include "canvas/operationlog.h"

#include <QFont>
#include <QLineF>
#include <QPalette>

#include <vector>

class QPainter;

// The drawing operations carried out with a QPainter on a device whose units are finer than
// twips (a canvas image, a printer page). Subclasses own the device, and say how large it is and
// how it is cleared. The operations are logged only when logging is turned on (tests and the
// scenario runner read the log; the program itself has no use for it).
class PainterSurface : public DrawingSurface
{
public:
    void Line(double x1, double y1, double x2, double y2) override;
    void PSet(double x, double y) override;
    void ForeColor(SystemColour colour) override;
    void FontSize(double points) override;
    void CurrentX(double x) override { m_currentX = x; }
    void CurrentY(double y) override { m_currentY = y; }
    void Print(const QString &text) override;
    double TextWidth(const QString &text) const override;

    void setLogging(bool on) { m_logging = on; }
    const OperationLog &log() const { return m_log; }

    // Lines are drawn in batches, which is several times faster than one by one; this draws
    // those still waiting. Any other operation draws them first, so the order is kept.
    void drawPendingLines();

protected:
    // The pen starts in the button-text colour of the palette, which maps every colour role.
    explicit PainterSurface(const QPalette &palette);

    // Starts drawing with a painter that is active on the device: its units per twip, and the
    // pen width in its units (0 for the thinnest line the device draws).
    void attachPainter(QPainter *painter, double deviceUnitsPerTwip, double penWidth);
    // Forgets the log and the lines not drawn yet: the device was cleared or made anew.
    void forgetDrawing();

private:
    QPointF toDevice(double x, double y) const;
    void applyPen();
    void record(const DrawingOperation &operation);

    QPainter *m_painter = nullptr;
    std::vector<QLineF> m_pendingLines;
    double m_unitsPerTwip = 1;
    double m_penWidth = 0;
    QPalette m_palette;
    SystemColour m_penColour = SystemColour::ButtonText;
    QFont m_font;
    double m_currentX = 0;
    double m_currentY = 0;
    bool m_logging = false;
    OperationLog m_log;
};
