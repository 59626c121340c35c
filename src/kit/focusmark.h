// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

class QWidget;

// Draws a frame around a control while it has the keyboard focus, in the palette's window-text
// colour, for the kinds of control that the style leaves unmarked or marks only in the highlight
// colour (sliders, lists, text boxes, the canvas), so that a keyboard user always sees where the
// focus is, also under a dark palette.
void showFocusMark(QWidget *control);
