// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "kit/graphwindow.h"
#include "modules/functions/cubic.h"

#include <array>

class MultiLineTextBox;
class QLineEdit;
class QRadioButton;

// Functions of the third degree: a polynomial of at most the third degree with its two
// derivatives drawn in three colours, written out or factorised, with its roots, extrema, point
// of inflection and the tangent there.
class CubicWindow : public GraphWindow
{
    Q_OBJECT

public:
    CubicWindow(ModuleContext &context, const ModuleEntry &entry);

private:
    DrawResult draw(DrawingSurface &surface, const FrameMapping &frame) override;
    QString graphInWords() const override;
    void plotWithResults();

    cubic::Coefficients coefficients() const;

    QRadioButton *m_expand;
    QRadioButton *m_factor;
    std::array<CoefficientControls, 4> m_coefficients;
    QLineEdit *m_polynomial;
    QLineEdit *m_firstDerivative;
    QLineEdit *m_secondDerivative;
    QLineEdit *m_roots;
    MultiLineTextBox *m_extrema;
    MultiLineTextBox *m_inflection;
};
