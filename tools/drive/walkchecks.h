// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <optional>

class OperationLog;
class QWidget;

// What a random walk checks after every action.
namespace walkchecks {

// Whether a text shows "inf", "infinity" or "nan" as a word, in any letter case: what a number
// that overflowed or failed turns into when it is written as text. Words that only contain those
// letters ("Info", "financial", "nano", "Nancy") do not count, nor does "2inf" in "12inf".
bool showsInfOrNan(const QString &text);

// Whether a text shows a negative zero as a number of its own: "-0", "-0.000", "-,0" (a decimal
// comma), which no computed result should show. "-0.5", "10-0" and "x-0" do not count.
bool showsNegativeZero(const QString &text);

// The position of the first operation with a coordinate or a font size that is not finite.
std::optional<qsizetype> firstNonFiniteOperation(const OperationLog &log);

// What the first operation that is not finite is, as "operation N is not finite: (...)".
std::optional<QString> operationFault(const OperationLog &log);

// The first text box, label or list row of a window that shows "inf", "nan" or a negative zero,
// with its name and text. What the user typed is the user's own and does not count: the texts
// of the task window's boxes and lists and of the readme, and in each box the text that typed
// holds for it, also when the program wrote on after it.
std::optional<QString> textFault(const QWidget &window,
                                 const std::map<const QWidget *, QString> &typed);

// A text cut down to what a report line can hold, quoted.
QString quotedExcerpt(const QString &text);

// The entries of a directory tree, each with its kind, size and time of last change, to tell
// whether anything in it changed. Directories count by their names alone: what changes inside
// them counts only when they are walked into.
class DirectorySnapshot
{
public:
    // The tree under root, leaving out the subdirectories of root named in skipped; with
    // recursive false, only root's own entries.
    static DirectorySnapshot take(const QString &root, bool recursive,
                                  const QStringList &skipped = {});

    // Root's own entries whose names match a wildcard pattern (tasks::matchesPattern).
    static DirectorySnapshot takeMatching(const QString &root, const QString &pattern);

    // The first difference from an earlier snapshot, in words; nothing when there is none.
    std::optional<QString> changeSince(const DirectorySnapshot &earlier) const;

private:
    std::map<QString, QString> m_entries; // relative path: kind, size and time of change
};

} // namespace walkchecks
