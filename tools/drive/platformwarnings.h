// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

// Drops the warnings a platform plugin gives for window operations it cannot perform (the
// offscreen platform has no raise(), for one): they say nothing about the program, and would
// clutter the error output that scenario tests compare. Every other message passes on.
void dropPlatformLimitationWarnings();
