// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "kit/moduleentry.h"

#include <array>

inline constexpr int moduleCount = 8;

// The eight modules in the order of the start window's list.
const std::array<ModuleEntry, moduleCount> &moduleRegistry();
