// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QLocale>
#include <QString>

class DrawingSurface;

namespace probability {

class Experiment;

// Draws the frequency diagram of an experiment on a surface, in twips from its top-left corner:
// the axes; labels for every tenth of the tests done along the bottom and for the relative
// frequencies 0.0 to 1.1 up the left; a dashed grid of ten by ten; and the relative frequency
// after each test, joined test by test from the first. Never clears the surface.
void draw(DrawingSurface &surface, const Experiment &experiment,
          const QLocale &locale = QLocale::system());

// What the diagram shows under a point of a surface of the given size: the test whose column is
// nearest and its relative frequency, "Test 37: relative frequency 0.54". Empty before the first
// test and beside the plot box.
QString diagramPointText(const Experiment &experiment, double width, double height, double X,
                         const QLocale &locale = QLocale::system());

} // namespace probability
