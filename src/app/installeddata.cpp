// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "app/installeddata.h"

#include <QCoreApplication>
#include <QFileInfo>

QDir installedDataDirectory()
{
    // QUILLOR_DATA_FROM_BINDIR is the install layout's path from the program's folder to its
    // data folder, "../share/quillor" with the usual layout.
    return QDir(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                QStringLiteral(QUILLOR_DATA_FROM_BINDIR));
}

QString shippedFilePath(const QString &fileName, const QDir &workingDirectory,
                        const QDir &installedData)
{
    const QString local = workingDirectory.filePath(fileName);
    if (QFileInfo(local).isFile())
        return local;
    const QString installed = installedData.filePath(fileName);
    return QFileInfo(installed).isFile() ? installed : local;
}
