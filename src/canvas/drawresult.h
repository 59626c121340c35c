// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

// How a drawing ended: complete, or stopped at its first arithmetic failure (what was drawn
// before the failure stays drawn).
enum class DrawResult
{
    Complete,
    Failed
};
