// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

// Makes screen readers meet the program's own controls as users see them: a slider that has a
// scale (kit/sliderbox.h) is a slider whose value is the number its box shows, a frame whose
// caption is only a mnemonic mark has no name, and a window is a window. Safe to call more than
// once; the first call installs the interfaces for the whole program, and must come before the
// controls are made: a control's interface is made once, as soon as anything asks for it.
void useAccessibleInterfaces();
