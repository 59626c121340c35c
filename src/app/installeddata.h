// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QDir>
#include <QString>

// The folder that holds the data installed with the program (share/quillor), found from the
// folder of the program itself. Finding it that way, not by a path fixed at build time, keeps
// an installation working under whatever prefix it was put: /usr from the Debian package,
// /usr/local, or a folder given to `cmake --install --prefix`.
QDir installedDataDirectory();

// The name of a file's translation into a language: readme_nl.txt for readme.txt in "nl".
QString translatedFileName(const QString &fileName, const QString &language);

// The path of a file that comes with the program (readme.txt): the one in the working directory
// when there is one there, as the program has always looked, else the installed copy. With a
// language ("nl"), each folder offers its translation of the file (readme_nl.txt) before the
// file itself, so a folder's own readme still comes before an installed translation. When
// nothing is there it is the working directory's path of the file itself, so reading fails on
// the file the user knows of.
QString shippedFilePath(const QString &fileName, const QDir &workingDirectory,
                        const QDir &installedData, const QString &language = {});
