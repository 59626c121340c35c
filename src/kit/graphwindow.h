// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/drawresult.h"
#include "kit/modulewindow.h"
#include "kit/placement.h"
#include "kit/scalecontrols.h"

#include <QString>

class DrawingSurface;
class FrameMapping;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QWidget;

// Where a coefficient's controls stand: its box, the slider beside it that runs from -range to
// range, and the label that names it. Sliders write their number into the box as they move.
struct CoefficientLayout
{
    const char *boxName;
    TwipRect box;
    const char *sliderName;
    TwipRect slider;
    const char *labelName;
    TwipRect label;
    // The label's text, marked with QT_TRANSLATE_NOOP("GraphWindow", ...) and shown translated.
    const char *caption;
    int range = 5;
};

// The controls of one coefficient, as addCoefficient made them.
struct CoefficientControls
{
    QLineEdit *box;
    QScrollBar *slider;
    QLabel *label;

    // The number the box holds, as typed numbers are read.
    double value() const;
};

// Where the scale part stands: the scale box (Text1) with its slider (VScroll1) and label, and
// the "Grid" box (Check1).
struct ScaleLayout
{
    TwipRect box;
    TwipRect slider;
    const char *labelName;
    TwipRect label;
    // As a coefficient's caption: marked for translation in the context "GraphWindow".
    const char *caption;
    TwipRect grid;
};

// A module window with a graph: a canvas that draws through a scale part and a grid box, and
// buttons that plot, clear, print and return. Each window lays out its controls from data and
// gives its drawing procedure through draw(), which serves the canvas and the printed page alike.
class GraphWindow : public ModuleWindow
{
    Q_OBJECT

protected:
    // failureMessage is what the window shows when a drawing stops on an arithmetic failure.
    GraphWindow(ModuleContext &context, const ModuleEntry &entry, ScaleRule rule,
                const QString &failureMessage);

    // The window's graph on a surface through a frame mapping, at the grid the window shows.
    virtual DrawResult draw(DrawingSurface &surface, const FrameMapping &frame) = 0;
    // What the next plot shows, in words, from the window's own logic: the prescription as the
    // window shows it, and what the window computes for it.
    virtual QString graphInWords() const = 0;
    // The graph on a printed page; the same as on the canvas unless a window samples a page
    // differently.
    virtual DrawResult drawPage(DrawingSurface &surface, const FrameMapping &frame);

    // The box and the slider of a coefficient are named after its label.
    CoefficientControls addCoefficient(QWidget *parent, const CoefficientLayout &layout);
    void addScalePart(QWidget *parent, const ScaleLayout &layout);
    QPushButton *addPlotButton(QWidget *parent, const char *name, const TwipRect &place);
    QPushButton *addNewButton(QWidget *parent, const char *name, const TwipRect &place);
    // A print button; a page is the canvas magnified, and a failure on it shows its own message
    // when one is given, else the window's.
    QPushButton *addPrintButton(QWidget *parent, const char *name, const TwipRect &place,
                                double magnification, const QString &failureMessage = {});
    // Places the canvas once every control is made, and orders the tab stops by the layout, the
    // canvas last.
    void finishLayout(const TwipRect &canvas);

    // Draws on the canvas at the scale in the box, shows the failure message when the drawing
    // fails and adds the drawing to the canvas's description; the pointer on the canvas then
    // reads coordinates at that scale.
    DrawResult plot();
    // The drawing that plot() does, and the message of a failure.
    virtual DrawResult plotOnCanvas();
    // Clears the canvas.
    void clearGraph();
    // Prints the graph as the boxes hold it now.
    void printGraph();

    // The coordinate frame of the canvas at the scale in the box, for a drawing of the window's
    // own; the pointer on the canvas reads coordinates in it from then on.
    WorldFrame plotFrame();

    ScaleControls &scale() { return *m_scale; }
    bool gridTicked() const;
    const QString &failureMessage() const { return m_failureMessage; }

private:
    ScaleRule m_rule;
    QString m_failureMessage;
    QString m_printFailureMessage;
    double m_printMagnification = 1;
    ScaleControls *m_scale = nullptr;
};
