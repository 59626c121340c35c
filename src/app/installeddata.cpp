// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "app/installeddata.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

QDir installedDataDirectory()
{
    // QUILLOR_DATA_FROM_BINDIR is the install layout's path from the program's folder to its
    // data folder, "../share/quillor" with the usual layout.
    return QDir(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                QStringLiteral(QUILLOR_DATA_FROM_BINDIR));
}

QString translatedFileName(const QString &fileName, const QString &language)
{
    const QFileInfo file(fileName);
    const QString suffix = file.suffix().isEmpty() ? QString() : u'.' + file.suffix();
    return file.completeBaseName() + u'_' + language + suffix;
}

QString shippedFilePath(const QString &fileName, const QDir &workingDirectory,
                        const QDir &installedData, const QString &language)
{
    QStringList names;
    if (!language.isEmpty())
        names.append(translatedFileName(fileName, language));
    names.append(fileName);
    for (const QDir &directory : {workingDirectory, installedData}) {
        for (const QString &name : names) {
            const QString path = directory.filePath(name);
            if (QFileInfo(path).isFile())
                return path;
        }
    }
    return workingDirectory.filePath(fileName);
}
