// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "scriptedprompts.h"
#include "testsupport.h"

#include "kit/multilinetextbox.h"
#include "tasks/taskhost.h"
#include "tasks/taskwindow.h"

#include <QListWidget>
#include <QScrollBar>
#include <QTest>

namespace {

using namespace Qt::StringLiterals;

// Plain windows stand in for the module windows; the prompts are a scripted run's.
class Host : public TaskHost
{
public:
    QWidget *moduleWindow(int index) override { return &modules[index]; }
    Prompts &prompts() override { return scripted; }
    void showStartWindow() override {}

    QWidget modules[2];
    ScriptedPrompts scripted;
};

class TaskWindowTest : public testing::Test
{
protected:
    template <typename Control> Control *control(const char *name)
    {
        return window.findChild<Control *>(QString::fromLatin1(name));
    }

    Host host;
    TaskWindow window{host, {u"First"_s, u"Second"_s}, 0};
};

// The list takes the click on a row in the middle of the mouse press; the row put back after No
// must not be undone by the rest of the press.
TEST_F(TaskWindowTest, NoToAModuleClickedInTheListKeepsItsRowSelected)
{
    window.open(TaskWindow::Mode::Teacher, 0);
    control<MultiLineTextBox>("Opgave")->setText(u"edited"_s);
    auto *list = control<QListWidget>("List1");
    host.scripted.queueAnswer(u"No"_s);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    QCoreApplication::processEvents();

    EXPECT_EQ(host.scripted.takeMessages().size(), 1);
    EXPECT_EQ(list->selectedItems(), QList{list->item(0)});
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_TRUE(host.modules[0].isVisible());
    EXPECT_FALSE(host.modules[1].isVisible());
}

TEST_F(TaskWindowTest, ATextBoxHasAScrollBarOnlyWhileItsTextDoesNotFit)
{
    window.open(TaskWindow::Mode::Pupil, 0);
    auto *box = control<MultiLineTextBox>("Opgave");
    box->setText(u"Three\r\nshort\r\nlines"_s);
    QCoreApplication::processEvents();
    EXPECT_FALSE(box->verticalScrollBar()->isVisible());
    box->setText(QStringList(12, u"A line of the task"_s).join(u"\r\n"_s));
    QCoreApplication::processEvents();
    EXPECT_TRUE(box->verticalScrollBar()->isVisible());
}

} // namespace
