#pragma once

#include <QListWidget>

// A file list box: the files of a directory whose names match a wildcard pattern (see
// tasks::matchesPattern), hidden files included, sorted by name without regard to case.
class FileListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit FileListBox(QWidget *parent = nullptr);

    QString directory() const { return m_directory; }

    // Each of these lists the files again.
    void setDirectory(const QString &path);
    void setPattern(const QString &pattern);

    // Lists the files again. A file that was selected stays selected while it is listed.
    void refresh();

    // The name of the selected file; empty when no file is selected.
    QString fileName() const;

private:
    QString m_directory;
    QString m_pattern;
};
