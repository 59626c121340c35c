#pragma once

#include "canvas/drawingsurface.h"
#include "canvas/imagesurface.h"

#include <QWidget>

// The square graph canvas of a module window (Picture1), on the system window-background colour
// (the palette's base): a drawing surface kept in an image, so
// that what is drawn stays until it is cleared and every repaint comes from memory.
class GraphCanvas : public QWidget, public DrawingSurface
{
    Q_OBJECT

public:
    explicit GraphCanvas(QWidget *parent = nullptr);

    // Sets the canvas's width and height in twips; the picture is cleared.
    void setSide(float twips);

    void Cls() override;
    void Line(double x1, double y1, double x2, double y2) override;
    void PSet(double x, double y) override;
    void ForeColor(const QColor &colour) override;
    float Width() const override { return m_surface.Width(); }
    float Height() const override { return m_surface.Height(); }
    void FontSize(double points) override;
    void CurrentX(double x) override { m_surface.CurrentX(x); }
    void CurrentY(double y) override { m_surface.CurrentY(y); }
    void Print(const QString &text) override;

    // The operations drawn since the last clear.
    const OperationLog &log() const { return m_surface.log(); }
    const QImage &image() { return m_surface.image(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ImageSurface m_surface;
};
