// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/compactdrawing.h"

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QString>

#include <optional>

// A canvas's picture as it leaves the program: copied as an image, or saved as a file whose size
// in twips is its size on paper (1440 twips to the inch). It holds its own copy of the drawing,
// so it stays whole whatever the canvas draws next.
struct GraphPicture
{
    CompactDrawing drawing; // what was drawn since the canvas was last cleared
    float side;             // the canvas's side in twips
    QColor background;
    QPalette palette; // maps the pen's colour roles to shades
};

enum class PictureFormat
{
    Png,
    Svg,
    Pdf
};

// The format a file name asks for by its extension, in any letter case; nothing for another.
std::optional<PictureFormat> pictureFormatFor(const QString &fileName);

// The name a graph is saved under when a save dialog gives the typed name and the chosen file
// type, such as "SVG (*.svg)": a name without the extension of a picture format gets the first
// extension of that type, as "graph" becomes "graph.svg"; "graph.pdf" stays as it is.
QString pictureFileName(const QString &typedName, const QString &chosenType);

// The picture as an image at a screen's logical resolution times the pixel ratio.
QImage graphImage(const GraphPicture &picture, double devicePixelRatio);

// Writes the picture to a file in the format its extension names: lines and points as vectors
// in SVG and PDF, an image at twice the screen's density in PNG. False when the extension names
// no format or the file cannot be written; a file that was there is then left as it was.
bool saveGraphPicture(const GraphPicture &picture, const QString &fileName);
