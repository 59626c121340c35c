// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

// Sets the program's interface font: 8 pt "MS Sans Serif", which resolves to Liberation Sans,
// so that captions fit the controls at their designed sizes. The windows are laid out in twips
// for this font, so it is kept whatever font the platform theme sets later (qt6ct, for example,
// sets its own font once the event loop runs, and again when its settings change).
void applyInterfaceFont();
