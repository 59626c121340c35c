// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "walkchecks.h"

#include "textformat.h"

#include "canvas/operationlog.h"
#include "kit/multilinetextbox.h"
#include "tasks/taskfilename.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>

#include <cmath>

using namespace Qt::StringLiterals;

namespace walkchecks {

bool showsInfOrNan(const QString &text)
{
    // Letters, digits and the underscore on either side make it part of a longer word.
    static const QRegularExpression word(
        u"(?<![\\p{L}\\p{N}_])(inf|infinity|nan)(?![\\p{L}\\p{N}_])"_s,
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return word.match(text).hasMatch();
}

bool showsNegativeZero(const QString &text)
{
    static const QRegularExpression number(
        u"(?<![\\p{L}\\p{N}_.,])-(0+([.,]0*)?|[.,]0+)(?![\\p{L}\\p{N}_.,])"_s,
        QRegularExpression::UseUnicodePropertiesOption);
    return number.match(text).hasMatch();
}

std::optional<qsizetype> firstNonFiniteOperation(const OperationLog &log)
{
    const std::vector<DrawingOperation> &operations = log.operations();
    for (std::size_t i = 0; i < operations.size(); ++i) {
        const DrawingOperation &operation = operations[i];
        if (!std::isfinite(operation.x1) || !std::isfinite(operation.y1) ||
            !std::isfinite(operation.x2) || !std::isfinite(operation.y2) ||
            !std::isfinite(operation.fontSize))
            return qsizetype(i);
    }
    return std::nullopt;
}

namespace {

// What a control shows as text: a text box's text, a label, every row of a list.
QStringList shownTexts(const QWidget *control)
{
    if (const auto *box = qobject_cast<const QLineEdit *>(control))
        return {box->text()};
    if (const auto *box = qobject_cast<const MultiLineTextBox *>(control))
        return {box->text()};
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return {label->text()};
    QStringList rows;
    if (const auto *list = qobject_cast<const QListWidget *>(control)) {
        for (int row = 0; row < list->count(); ++row)
            rows.append(list->item(row)->text());
    }
    return rows;
}

// Controls whose texts are the user's own words, not numbers the program computed: a task's
// texts, the names of files and directories, the readme.
bool holdsFreeText(const QString &name)
{
    static const QStringList names = {u"editor.Opgave"_s, u"editor.Hint"_s,  u"editor.Besluit"_s,
                                      u"editor.Dir1"_s,   u"editor.File1"_s, u"Help.Text1"_s};
    return names.contains(name);
}

QString describeOperation(const DrawingOperation &operation)
{
    return u"(%1, %2, %3, %4, font %5)"_s.arg(
        formatNumber(operation.x1), formatNumber(operation.y1), formatNumber(operation.x2),
        formatNumber(operation.y2), formatNumber(operation.fontSize));
}

QString describeEntry(const QFileInfo &entry)
{
    if (entry.isDir())
        return u"directory"_s;
    return u"file of %1 bytes changed at %2"_s.arg(entry.size())
        .arg(entry.lastModified().toMSecsSinceEpoch());
}

} // namespace

std::optional<QString> operationFault(const OperationLog &log)
{
    const std::optional<qsizetype> bad = firstNonFiniteOperation(log);
    if (!bad)
        return std::nullopt;
    return u"operation %1 is not finite: %2"_s.arg(*bad).arg(
        describeOperation(log.operations()[std::size_t(*bad)]));
}

std::optional<QString> textFault(const QWidget &window,
                                 const std::map<const QWidget *, QString> &typed)
{
    for (const QWidget *control : window.findChildren<QWidget *>()) {
        const QString name = window.objectName() + u'.' + control->objectName();
        if (holdsFreeText(name))
            continue;
        const auto typedText = typed.find(control);
        for (const QString &text : shownTexts(control)) {
            const QString written = typedText != typed.end() && text.startsWith(typedText->second)
                                        ? text.mid(typedText->second.size())
                                        : text;
            if (showsInfOrNan(written) || showsNegativeZero(written))
                return u"%1 shows %2"_s.arg(name, quotedExcerpt(text));
        }
    }
    return std::nullopt;
}

QString quotedExcerpt(const QString &text)
{
    constexpr qsizetype longest = 80;
    return quoted(text.size() > longest ? text.left(longest) + u"…"_s : text);
}

DirectorySnapshot DirectorySnapshot::take(const QString &root, bool recursive,
                                          const QStringList &skipped)
{
    DirectorySnapshot snapshot;
    const QDir rootDirectory(root);
    QStringList pending = {QString()};
    while (!pending.isEmpty()) {
        const QString relative = pending.takeFirst();
        const QDir directory(rootDirectory.filePath(relative));
        const QFileInfoList entries = directory.entryInfoList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo &entry : entries) {
            const QString path =
                relative.isEmpty() ? entry.fileName() : relative + u'/' + entry.fileName();
            if (relative.isEmpty() && skipped.contains(entry.fileName()))
                continue;
            snapshot.m_entries[path] = describeEntry(entry);
            if (recursive && entry.isDir() && !entry.isSymLink())
                pending.append(path);
        }
    }
    return snapshot;
}

DirectorySnapshot DirectorySnapshot::takeMatching(const QString &root, const QString &pattern)
{
    DirectorySnapshot snapshot;
    const QFileInfoList entries = QDir(root).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (tasks::matchesPattern(entry.fileName(), pattern))
            snapshot.m_entries[entry.fileName()] = describeEntry(entry);
    }
    return snapshot;
}

std::optional<QString> DirectorySnapshot::changeSince(const DirectorySnapshot &earlier) const
{
    for (const auto &[path, entry] : m_entries) {
        const auto before = earlier.m_entries.find(path);
        if (before == earlier.m_entries.end())
            return u"%1 appeared (%2)"_s.arg(path, entry);
        if (before->second != entry)
            return u"%1 changed from a %2 to a %3"_s.arg(path, before->second, entry);
    }
    for (const auto &[path, entry] : earlier.m_entries) {
        if (!m_entries.count(path))
            return u"%1 disappeared"_s.arg(path);
    }
    return std::nullopt;
}

} // namespace walkchecks
