// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

// Positions and sizes are designed in twips (1/1440 inch); the screen counts logical pixels.
inline constexpr double twipsPerInch = 1440;

inline int twipsToPixels(double twips, double dotsPerInch)
{
    const double pixels = twips * dotsPerInch / twipsPerInch;
    return static_cast<int>(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}

inline double pixelsToTwips(double pixels, double dotsPerInch)
{
    return pixels * twipsPerInch / dotsPerInch;
}

// A length in twips as the screen shows it: rounded to a whole number of pixels.
inline double snappedToPixels(double twips, double dotsPerInch)
{
    return pixelsToTwips(twipsToPixels(twips, dotsPerInch), dotsPerInch);
}
