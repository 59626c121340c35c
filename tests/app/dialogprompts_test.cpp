// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

// The real dialogs, answered as they open.

#include "testsupport.h"

#include "app/application.h"
#include "app/dialogprompts.h"
#include "core/randomsource.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace {

using namespace Qt::StringLiterals;

// Hands the next modal dialog to a handler, which closes it.
void whenDialogOpens(const std::function<void(QWidget *)> &handle)
{
    QTimer::singleShot(10, [handle] {
        if (QWidget *dialog = QApplication::activeModalWidget())
            handle(dialog);
        else
            whenDialogOpens(handle);
    });
}

TEST(DialogPrompts, TheIdentityIsTypedUnseenAndARefusalIsAWarning)
{
    QTemporaryDir directory;
    QFile identity(directory.filePath(u"pw.txt"_s));
    ASSERT_TRUE(identity.open(QIODevice::WriteOnly));
    identity.write("teacher\r\n");
    identity.close();
    const QString launchDirectory = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(directory.path()));

    DialogPrompts prompts;
    StandardRandomSource random;
    Application application(prompts, random);
    application.start();
    QLineEdit::EchoMode echo = QLineEdit::Normal;
    QString reply;
    QMessageBox::Icon replyIcon = QMessageBox::NoIcon;
    whenDialogOpens([&](QWidget *dialog) {
        auto *input = qobject_cast<QInputDialog *>(dialog);
        echo = input->textEchoMode();
        input->setTextValue(u"guess"_s);
        whenDialogOpens([&](QWidget *box) {
            reply = qobject_cast<QMessageBox *>(box)->text();
            replyIcon = qobject_cast<QMessageBox *>(box)->icon();
            qobject_cast<QDialog *>(box)->accept();
        });
        input->accept();
    });
    application.existingWindow(u"Fst"_s)->findChild<QPushButton *>(u"Command3"_s)->click();
    QDir::setCurrent(launchDirectory);

    EXPECT_EQ(echo, QLineEdit::Password);
    EXPECT_EQ(reply, u"No access"_s);
    EXPECT_EQ(replyIcon, QMessageBox::Warning);
}

TEST(DialogPrompts, AMessageThatReportsNoFailureHasTheInformationIcon)
{
    DialogPrompts prompts;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenDialogOpens([&](QWidget *box) {
        icon = qobject_cast<QMessageBox *>(box)->icon();
        qobject_cast<QDialog *>(box)->accept();
    });
    prompts.message(nullptr, u"Version"_s);
    EXPECT_EQ(icon, QMessageBox::Information);
}

} // namespace
