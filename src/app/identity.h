// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QString>
#include <QStringList>

// Whether an identity typed at the gate of the task editor opens it. The identity is kept as
// the last line of pw.txt that is not empty: editors end a file with an empty line when the
// teacher presses Enter once more. The typed identity must equal it exactly, letter case and
// blanks included. An empty identity opens nothing, and neither does a file without such a line.
bool identityOpensEditor(const QStringList &identityFileLines, const QString &typed);
