// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The text of a file that a teacher wrote: UTF-8 when it starts with a UTF-8 byte-order mark (which
// is dropped), or when it is valid UTF-8 and has bytes above 127, as editors on Linux write it;
// Windows-1252 otherwise, as the program's own files are written.
QString decodeText(const QByteArray &bytes);

// Reads a text file, decoded by decodeText, as lines. A line ends at CR LF,
// LF or CR, which are not part of it; a last line without a line end is a line too, and a file
// that ends in a line end has no empty line after it. std::nullopt when the file cannot be read.
std::optional<QStringList> readTextLines(const QString &path);

// Splits text into lines by the same rule.
QStringList splitLines(const QString &text);
