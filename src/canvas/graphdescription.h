// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QString>

#include <initializer_list>
#include <vector>

// A graph in words, for the pupil who cannot see it: a screen reader reads the canvas as "Graph"
// with a description built from what each drawing showed, never from its pixels.

// What one drawing put on the canvas: the frame it was drawn in ("scale 8, grid on"; empty where
// the window draws no coordinate frame) and what it shows ("y = 1x² − 2x − 3; zeros −1 and 3").
struct DrawingInWords
{
    QString frame;
    QString content;
};

// The canvas's description: the drawings since the last clear, first to last. Drawings in the
// same frame share it, "scale 8, grid on: y = 1x². y = 2x²"; a drawing in another frame starts
// anew, ". Then scale 4, grid off: y = 1x²"; "nothing drawn" when there is no drawing.
QString graphInWords(const std::vector<DrawingInWords> &drawings);

// The coordinate frame: "scale 8, grid on".
QString frameInWords(double scale, bool grid);

// A number as the descriptions write it: rounded to three decimals, no trailing zeros, and a
// minus sign that screen readers read as "minus": "−1", "0.5", "1.414". A value that is not
// finite is "not computable".
QString numberInWords(double value);

// The point "(1, −4)".
QString pointInWords(double x, double y);

// A sum of terms, each a coefficient and what it multiplies: 1·x², −2·x and −3 are
// "1x² − 2x − 3". The first term is always written, as the program's windows do ("1x²", "0x");
// a later term with a coefficient of 0 is left out.
struct Term
{
    double coefficient;
    QString factor;
};
QString sumInWords(std::initializer_list<Term> terms);

// A number added after a term: " + 2", " − 2", and nothing for 0.
QString addedInWords(double value);

// A text that a window shows on several lines, on one: blanks as one, lines joined by commas,
// "( 1, 2)\r\n( 3,  4)" as "( 1, 2), ( 3, 4)".
QString oneLineInWords(const QString &text);

// The shift x − p: "x" for p = 0, "x − 2", "x + 2".
QString shiftInWords(double p);
