// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QKeyCombination>
#include <QString>

#include <optional>

class QListWidget;
class QWidget;

// Whether some point of the window's background is free of controls, to be clicked.
bool hasBackground(const QWidget *window);

// Clicks the left mouse button on the window's own background, away from every control, so that
// the window's click handler runs. False when the controls cover the whole window.
bool clickBackground(QWidget *window);

// Selects a row of a list box and clicks it, as a mouse click on the row would: the current row
// changes and the list's click signals follow.
void clickRow(QListWidget *list, int row);

// Sets a window's outer size in twips. The frame and caption take the program's design frame
// out of it; what is left is the client area.
void resizeOuter(QWidget *window, double widthTwips, double heightTwips);

// A key as a script names it, by Qt's key names: "Up", "PgUp", "Return", "Space", "Tab",
// "Backtab", "Alt+P", "a". Nothing for a name that is no single key.
std::optional<QKeyCombination> keyNamed(const QString &name);

// Makes the window the active one, as a user's click on it would, so that its focused control
// receives the keys and its shortcuts work.
void activate(QWidget *window);

// Presses and releases a key in the window, as the window system delivers it: to the focused
// control (the window itself when no control has the focus), with shortcuts, mnemonics and Tab
// moving the focus.
void pressKey(QWidget *window, QKeyCombination key);
