// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "app/installeddata.h"

#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Row
{
    const char *name;
    const char *working;   // the files in the working directory, separated by blanks
    const char *installed; // the same for the installed data
    const char *language;
    const char *expected; // "working/NAME" or "installed/NAME"
};

class TranslatedReadmeTest : public testing::TestWithParam<Row>
{
};

TEST_P(TranslatedReadmeTest, PrefersTheTranslationInEachFolder)
{
    const Row row = GetParam();
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QDir base(root.path());
    for (const char *folder : {"working", "installed"}) {
        ASSERT_TRUE(base.mkdir(QString::fromLatin1(folder)));
        const QString files =
            QString::fromLatin1(qstrcmp(folder, "working") == 0 ? row.working : row.installed);
        for (const QString &name : files.split(u' ', Qt::SkipEmptyParts)) {
            QFile file(base.filePath(QString::fromLatin1(folder) + u'/' + name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }
    EXPECT_EQ(shippedFilePath(QStringLiteral("readme.txt"),
                              QDir(base.filePath(QStringLiteral("working"))),
                              QDir(base.filePath(QStringLiteral("installed"))),
                              QString::fromLatin1(row.language)),
              base.filePath(QString::fromLatin1(row.expected)));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TranslatedReadmeTest,
    testing::Values(
        Row{"DutchWhereThereIsOne", "readme.txt readme_nl.txt", "", "nl", "working/readme_nl.txt"},
        Row{"NoLanguageNoTranslation", "readme.txt readme_nl.txt", "", "", "working/readme.txt"},
        Row{"AnotherLanguageHasNone", "readme.txt readme_nl.txt", "", "de", "working/readme.txt"},
        // A folder's own readme counts for more than a translation installed elsewhere.
        Row{"WorkingReadmeBeforeInstalledTranslation", "readme.txt", "readme.txt readme_nl.txt",
            "nl", "working/readme.txt"},
        Row{"InstalledTranslation", "", "readme.txt readme_nl.txt", "nl",
            "installed/readme_nl.txt"}),
    rowName<Row>);

} // namespace
