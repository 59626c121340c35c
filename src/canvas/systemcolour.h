#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

// The pen colours a drawing may choose, by the role they play in the platform's colour scheme
// rather than by shade, so that a graph stays readable under any theme.
enum class SystemColour : unsigned char
{
    ButtonText,
    WindowText,
    ButtonShadow,
    Desktop,
    ActiveTitle,
    InactiveTitle
};

// The role's name as tests and the scenario runner list it: "buttontext", "windowtext", ...
QString systemColourName(SystemColour role);

// The shade a role has in a palette.
QColor systemColourShade(SystemColour role, const QPalette &palette);
