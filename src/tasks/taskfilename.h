// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QString>

namespace tasks {

// The file name of a task: the name as typed, in capitals, then ".OP" and the module number as
// number text, with its leading blank: "roots" for module 3 gives "ROOTS.OP 3", and an empty
// name gives ".OP 3".
QString taskFileName(const QString &name, int moduleNumber);

// Whether a typed name can name a task file in the chosen directory: it may hold anything but a
// path separator (/ or \), which would put the file somewhere else or nowhere.
bool isUsableTaskName(const QString &name);

// The pattern of a module's task files: "*.op 3" for module 3, "*.op 0" when no module is
// chosen.
QString taskFilePattern(int moduleNumber);

// Whether a file name matches a pattern of * and ? wildcards, letters compared without regard to
// case. Every other character, the blank included, stands for itself.
bool matchesPattern(const QString &fileName, const QString &pattern);

} // namespace tasks
