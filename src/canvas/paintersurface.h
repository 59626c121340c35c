#pragma once

#include "canvas/drawingsurface.h"
#include "canvas/operationlog.h"

#include <QFont>

class QPainter;

// The drawing operations carried out with a QPainter on a device whose units are finer than
// twips (a canvas image, a printer page), logged as they are drawn. Subclasses own the device,
// and say how large it is and how it is cleared.
class PainterSurface : public DrawingSurface
{
public:
    void Line(double x1, double y1, double x2, double y2) override;
    void PSet(double x, double y) override;
    void ForeColor(const QColor &colour) override;
    void FontSize(double points) override;
    void CurrentX(double x) override { m_currentX = x; }
    void CurrentY(double y) override { m_currentY = y; }
    void Print(const QString &text) override;

    const OperationLog &log() const { return m_log; }

protected:
    explicit PainterSurface(const QColor &penColour);

    // Starts drawing with a painter that is active on the device: its units per twip, and the
    // pen width in its units (0 for the thinnest line the device draws).
    void attachPainter(QPainter *painter, double deviceUnitsPerTwip, double penWidth);
    void resetLog() { m_log.clear(); }

private:
    QPointF toDevice(double x, double y) const;
    void applyPen();

    QPainter *m_painter = nullptr;
    double m_unitsPerTwip = 1;
    double m_penWidth = 0;
    QColor m_penColour;
    QFont m_font;
    double m_currentX = 0;
    double m_currentY = 0;
    OperationLog m_log;
};
