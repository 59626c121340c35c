// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/drawingsurface.h"
#include "canvas/graphdescription.h"
#include "canvas/graphpicture.h"
#include "canvas/imagesurface.h"

#include <QWidget>

#include <functional>
#include <vector>

// The square graph canvas of a module window (Picture1), on the system window-background colour
// (the palette's base): a drawing surface kept in an image, so that what is drawn stays until it
// is cleared and every repaint comes from memory. A screen reader reads it as "Graph" with a
// description of the drawings since the last clear. It takes the focus last in its window, where
// the Menu key and Shift+F10 ask for its menu as a right click does.
class GraphCanvas : public QWidget, public DrawingSurface
{
    Q_OBJECT

public:
    explicit GraphCanvas(QWidget *parent = nullptr);

    // Sets the canvas's width and height in twips, rounded to whole pixels; the picture and its
    // description are cleared.
    void setSide(float twips);

    // Adds what a drawing showed to the canvas's description, until the next clear.
    void describeDrawing(const DrawingInWords &drawing);

    void clear() override;
    void line(double x1, double y1, double x2, double y2) override;
    void point(double x, double y) override;
    void setPenColour(SystemColour colour) override;
    float widthInTwips() const override { return m_surface.widthInTwips(); }
    float heightInTwips() const override { return m_surface.heightInTwips(); }
    void setFontSize(double points) override;
    void setCurrentX(double x) override { m_surface.setCurrentX(x); }
    void setCurrentY(double y) override { m_surface.setCurrentY(y); }
    void printText(const QString &text) override;
    double textWidth(const QString &text) const override { return m_surface.textWidth(text); }

    // Keeps a log of the operations drawn since the last clear, for tests and the scenario
    // runner; off by default, so the program does not hold every line it ever drew.
    void setOperationLogging(bool on) { m_surface.setLogging(on); }
    // The operations drawn since the last clear, while logging is on.
    const OperationLog &log() const { return m_surface.log(); }
    const QImage &image() { return m_surface.image(); }

    // What was drawn since the last clear, to copy or save.
    GraphPicture picture() const;

    // What the tooltip says about the point under the resting pointer, given in twips; no
    // tooltip while there is none (nothing drawn yet).
    using PointerReading = std::function<QString(double X, double Y)>;
    void setPointerReading(PointerReading reading) { m_pointerReading = std::move(reading); }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void forgetDrawings();

    ImageSurface m_surface;
    std::vector<DrawingInWords> m_drawings;
    PointerReading m_pointerReading;
};
