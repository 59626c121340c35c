// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/systemcolour.h"

#include <algorithm>
#include <cmath>

QString systemColourName(SystemColour role)
{
    switch (role) {
    case SystemColour::ButtonText:
        return QStringLiteral("buttontext");
    case SystemColour::WindowText:
        return QStringLiteral("windowtext");
    case SystemColour::ButtonShadow:
        return QStringLiteral("buttonshadow");
    case SystemColour::Desktop:
        return QStringLiteral("desktop");
    case SystemColour::ActiveTitle:
        return QStringLiteral("activetitle");
    case SystemColour::InactiveTitle:
        return QStringLiteral("inactivetitle");
    }
    return {};
}

namespace {

double relativeLuminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

// Darkens a shade on a light background, lightens it on a dark one, keeping its hue, until it
// stands out enough.
QColor withContrast(const QColor &shade, const QColor &background)
{
    const bool darken = relativeLuminance(background) > 0.18;
    QColor adjusted = shade.toHsl();
    for (int step = 0; step < 100 && contrastRatio(adjusted, background) < leastPenContrast;
         ++step) {
        const double lightness =
            std::clamp(adjusted.lightnessF() + (darken ? -0.02 : 0.02), 0.0, 1.0);
        adjusted.setHslF(adjusted.hslHueF(), adjusted.hslSaturationF(), lightness);
    }
    return adjusted.toRgb();
}

// The curves of a drawing with three graphs take the hue of the theme's link colour and the two
// hues a third of the circle away, so that no two look alike (many themes give the link and the
// highlight the same blue). A grey link leaves the hue to blue.
QColor curveColour(const QPalette &palette, int thirds)
{
    const QColor link = palette.color(QPalette::Active, QPalette::Link).toHsl();
    const double hue = link.hslHueF() < 0 ? 2.0 / 3 : link.hslHueF();
    return QColor::fromHslF(std::fmod(hue + thirds / 3.0, 1.0),
                            std::max(link.hslSaturationF(), 0.6f), 0.5);
}

QColor roleShade(SystemColour role, const QPalette &palette)
{
    switch (role) {
    case SystemColour::ButtonText:
        return palette.color(QPalette::Active, QPalette::ButtonText);
    case SystemColour::WindowText:
        return palette.color(QPalette::Active, QPalette::WindowText);
    case SystemColour::ButtonShadow:
        return palette.color(QPalette::Active, QPalette::Dark);
    case SystemColour::Desktop:
        return curveColour(palette, 0);
    case SystemColour::ActiveTitle:
        return curveColour(palette, 1);
    case SystemColour::InactiveTitle:
        return curveColour(palette, 2);
    }
    return palette.color(QPalette::Active, QPalette::ButtonText);
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Qt's palette has no desktop or title-bar roles: the desktop takes the link colour, and the two
// title bars hues apart from it. The button shadow is the palette's dark shade, which some themes
// make nearly the colour of the base.
QColor systemColourShade(SystemColour role, const QPalette &palette)
{
    return withContrast(roleShade(role, palette), palette.color(QPalette::Active, QPalette::Base));
}
