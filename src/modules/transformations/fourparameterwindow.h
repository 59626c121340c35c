// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "kit/graphwindow.h"
#include "modules/transformations/fcgraph.h"

class QListWidget;

// Transformations (2): a base function under transformations with up to four parameters, up to
// y = k·f(c(x - a)) + b. Plots accumulate on the canvas until "&New" clears it.
class FourParameterTransformationWindow : public GraphWindow
{
    Q_OBJECT

public:
    FourParameterTransformationWindow(ModuleContext &context, const ModuleEntry &entry);

private:
    DrawResult draw(DrawingSurface &surface, const FrameMapping &frame) override;
    DrawResult drawPage(DrawingSurface &surface, const FrameMapping &frame) override;
    QString graphInWords() const override;

    transformations::fc::Graph graph() const;

    QListWidget *m_baseFunctions;
    QListWidget *m_transformations;
    CoefficientControls m_k;
    CoefficientControls m_a;
    CoefficientControls m_b;
    CoefficientControls m_c;
};
