// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "kit/graphwindow.h"
#include "modules/functions/families.h"

#include <array>

class QListWidget;

// Graphics of functions: a family of functions chosen from a list, with up to four coefficients a,
// b, c and d. Plots accumulate on the canvas until "&New" clears it.
class FunctionFamiliesWindow : public GraphWindow
{
    Q_OBJECT

public:
    FunctionFamiliesWindow(ModuleContext &context, const ModuleEntry &entry);

private:
    DrawResult draw(DrawingSurface &surface, const FrameMapping &frame) override;
    DrawResult drawPage(DrawingSurface &surface, const FrameMapping &frame) override;
    QString graphInWords() const override;

    families::Family family() const;
    families::Coefficients coefficients() const;

    QListWidget *m_families;
    std::array<CoefficientControls, 4> m_coefficients;
};
