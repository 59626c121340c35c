#include "walkchecks.h"

#include "canvas/operationlog.h"
#include "tasks/taskfilename.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
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

QString describeEntry(const QFileInfo &entry)
{
    if (entry.isDir())
        return u"directory"_s;
    return u"file of %1 bytes changed at %2"_s.arg(entry.size())
        .arg(entry.lastModified().toMSecsSinceEpoch());
}

} // namespace

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
