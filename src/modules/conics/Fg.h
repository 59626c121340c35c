#pragma once

#include "modules/conics/conicswindow.h"

// Lines and parabolas: two figures, each a line or the parabola y = ax² + bx + c.
class Fg : public ConicsWindow
{
    Q_OBJECT

public:
    Fg(ModuleContext &context, const ModuleEntry &entry);

private:
    std::optional<conics::FigureRows> storeFigure(conics::FigureNumber k,
                                                  const conics::Figure &boxes) override;
    std::optional<QString> intersectionText() override;
    void Command1_Click() override;
};
