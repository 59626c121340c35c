// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "kit/graphwindow.h"
#include "modules/conics/figurestore.h"
#include "modules/conics/figuretext.h"

#include <QString>

#include <optional>

class MultiLineTextBox;
class QListWidget;

// Where the two conics windows differ in their controls: the places of the controls outside the
// two frames (the frames' contents are the same), the conic's entry in the prescription list and
// the caption above the intersections.
struct ConicsLayout
{
    TwipRect prescriptionLabel;
    TwipRect prescriptions;
    TwipRect buttons;
    TwipRect settings;
    TwipRect firstFigureLabel;
    TwipRect secondFigureLabel;
    TwipRect figureRows;
    TwipRect intersectionLabel;
    TwipRect intersections;
    TwipRect canvas;
    QString conicEntry;
    QString intersectionCaption;
};

// The window of two figures, each a line or a conic, kept in the figure store that the two conics
// windows share: their coefficients set with sliders or typed, stored as the first or second
// figure with their descriptions in the list of figures, drawn together, and intersected. The
// parabola and the circle window add how they store, draw and intersect a conic.
class ConicsWindow : public GraphWindow
{
    Q_OBJECT

public:
    ConicsWindow(ModuleContext &context, const ModuleEntry &entry, const ConicsLayout &layout);

protected:
    // Stores the figure of the boxes as figure k and gives its rows; nothing on an overflow.
    virtual std::optional<conics::FigureRows> storeFigure(conics::FigureNumber k,
                                                          const conics::Figure &boxes) = 0;
    // The intersection text of the stored figures; nothing on an overflow.
    virtual std::optional<QString> intersectionText() = 0;

    conics::FigureStore &figures() { return m_context.figures; }
    const conics::FigureStore &figures() const { return m_context.figures; }

private:
    void reset();
    void storeAs(conics::FigureNumber k);
    void startAfresh();
    void showIntersections();

    QString m_conicEntry;
    QListWidget *m_prescriptions;
    CoefficientControls m_u;
    CoefficientControls m_v;
    CoefficientControls m_w;
    CoefficientControls m_a;
    CoefficientControls m_b;
    CoefficientControls m_c;
    QListWidget *m_figureRows;
    MultiLineTextBox *m_intersections;
};
