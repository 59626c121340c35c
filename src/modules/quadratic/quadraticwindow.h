// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "kit/graphwindow.h"
#include "modules/quadratic/quadratic.h"

class MultiLineTextBox;
class QListWidget;

// The quadratic function: a parabola in one of five prescriptions, its coefficients kept in line
// between the standard and the vertex form, its graph, and a table of values and signs.
class QuadraticWindow : public GraphWindow
{
    Q_OBJECT

public:
    QuadraticWindow(ModuleContext &context, const ModuleEntry &entry);

private:
    DrawResult draw(DrawingSurface &surface, const FrameMapping &frame) override;
    QString graphInWords() const override;

    void reset();
    bool alterForms();
    void plotParabola();
    void startAfresh();
    void showTable();

    quadratic::Prescription prescription() const;
    quadratic::QuadraticCoefficients coefficients() const;

    QListWidget *m_prescriptions;
    CoefficientControls m_a;
    CoefficientControls m_b;
    CoefficientControls m_c;
    CoefficientControls m_p;
    CoefficientControls m_q;
    MultiLineTextBox *m_table;

    // Which form was edited last: the standard form (a, b, c) or the vertex form (p, q).
    bool m_standardFormEdited = false;
    bool m_vertexFormEdited = false;
};
