// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "app/identity.h"

#include <algorithm>

bool identityOpensEditor(const QStringList &identityFileLines, const QString &typed)
{
    const auto stored = std::find_if(identityFileLines.crbegin(), identityFileLines.crend(),
                                     [](const QString &line) { return !line.isEmpty(); });
    return stored != identityFileLines.crend() && typed == *stored;
}
