// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "modules/conics/conicswindow.h"

// Lines and circles: two figures, each a line or the circle x² + y² + 2ax + 2by + c = 0.
class CircleWindow : public ConicsWindow
{
    Q_OBJECT

public:
    CircleWindow(ModuleContext &context, const ModuleEntry &entry);

private:
    std::optional<conics::FigureRows> storeFigure(conics::FigureNumber k,
                                                  const conics::Figure &boxes) override;
    std::optional<QString> intersectionText() override;
    DrawResult draw(DrawingSurface &surface, const FrameMapping &frame) override;
    QString graphInWords() const override;
};
