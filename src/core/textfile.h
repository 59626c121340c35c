#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Reads a text file in the program's code page (Windows-1252) as lines. A line ends at CR LF,
// LF or CR, which are not part of it; a last line without a line end is a line too, and a file
// that ends in a line end has no empty line after it. std::nullopt when the file cannot be read.
std::optional<QStringList> readTextLines(const QString &path);

// Splits text into lines by the same rule.
QStringList splitLines(const QString &text);
