// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/systemcolour.h"

#include "testsupport.h"

#include <QStyle>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>

namespace {

QPalette fusionPalette()
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion->standardPalette();
}

// A dark palette as users set one on the Fusion style.
QPalette darkPalette()
{
    QPalette palette = fusionPalette();
    palette.setColor(QPalette::Window, QColor(53, 53, 53));
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Base, QColor(35, 35, 35));
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Button, QColor(53, 53, 53));
    palette.setColor(QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Dark, QColor(35, 35, 35));
    palette.setColor(QPalette::Link, QColor(42, 130, 218));
    palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
    return palette;
}

// Every pen stands out from the canvas, and y, y' and y'' of the window for functions of the
// third degree differ in hue by a third of the colour circle.
TEST(PenContrast, EveryRoleStandsOutAndTheThreeCurvesStayApart)
{
    for (const QPalette &palette : {fusionPalette(), darkPalette()}) {
        const QColor canvas = palette.color(QPalette::Base);
        SCOPED_TRACE(canvas.name().toStdString());
        for (const SystemColour role :
             {SystemColour::ButtonText, SystemColour::WindowText, SystemColour::ButtonShadow,
              SystemColour::Desktop, SystemColour::ActiveTitle, SystemColour::InactiveTitle}) {
            EXPECT_GE(contrastRatio(systemColourShade(role, palette), canvas), leastPenContrast)
                << systemColourName(role).toStdString();
        }
        const std::array<QColor, 3> curves = {
            systemColourShade(SystemColour::Desktop, palette),
            systemColourShade(SystemColour::ActiveTitle, palette),
            systemColourShade(SystemColour::InactiveTitle, palette)};
        for (std::size_t i = 0; i < curves.size(); ++i) {
            for (std::size_t j = i + 1; j < curves.size(); ++j) {
                const int apart = std::abs(curves[i].hslHue() - curves[j].hslHue());
                EXPECT_GE(std::min(apart, 360 - apart), 100) << i << " and " << j;
            }
        }
    }
}

} // namespace
