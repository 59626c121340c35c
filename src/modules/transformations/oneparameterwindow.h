// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "kit/graphwindow.h"
#include "modules/transformations/fbgraph.h"

class QListWidget;

// Transformations (1): a base function under a transformation with one parameter k. Plots
// accumulate on the canvas until "&New" clears it.
class OneParameterTransformationWindow : public GraphWindow
{
    Q_OBJECT

public:
    OneParameterTransformationWindow(ModuleContext &context, const ModuleEntry &entry);

private:
    DrawResult draw(DrawingSurface &surface, const FrameMapping &frame) override;
    QString graphInWords() const override;

    transformations::fb::Graph graph() const;

    QListWidget *m_baseFunctions;
    QListWidget *m_transformations;
    CoefficientControls m_k;
};
