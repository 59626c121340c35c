// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "tasks/taskfilename.h"

#include "core/numbertext.h"

#include <QRegularExpression>

namespace tasks {

namespace {

// A module number always has a number text; the fallback only keeps the type honest.
QString moduleNumberText(int moduleNumber)
{
    return numberText(moduleNumber).value_or(QString::number(moduleNumber));
}

} // namespace

QString taskFileName(const QString &name, int moduleNumber)
{
    return name.toUpper() + QStringLiteral(".OP") + moduleNumberText(moduleNumber);
}

bool isUsableTaskName(const QString &name)
{
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

QString taskFilePattern(int moduleNumber)
{
    return QStringLiteral("*.op") + moduleNumberText(moduleNumber);
}

bool matchesPattern(const QString &fileName, const QString &pattern)
{
    // The whole pattern is one wildcard expression: a name filter of QDir would split it at the
    // blank before the module number.
    const QRegularExpression expression =
        QRegularExpression::fromWildcard(pattern, Qt::CaseInsensitive);
    return expression.match(fileName).hasMatch();
}

} // namespace tasks
