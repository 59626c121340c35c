// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "modules/conics/conicswindow.h"

// Lines and parabolas: two figures, each a line or the parabola y = ax² + bx + c.
class ParabolaWindow : public ConicsWindow
{
    Q_OBJECT

public:
    ParabolaWindow(ModuleContext &context, const ModuleEntry &entry);

private:
    std::optional<conics::FigureRows> storeFigure(conics::FigureNumber k,
                                                  const conics::Figure &boxes) override;
    std::optional<QString> intersectionText() override;
    DrawResult draw(DrawingSurface &surface, const FrameMapping &frame) override;
    QString graphInWords() const override;
    DrawResult plotOnCanvas() override;
};
