// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

// The task window under a real window manager: underwindowmanager.sh runs this on a virtual
// screen of 1366 × 768 with openbox.

#include "commands.h"
#include "scriptedprompts.h"
#include "scriptedrandomsource.h"
#include "testsupport.h"

#include "app/application.h"
#include "app/moduleregistry.h"

#include <QScreen>
#include <QTest>
#include <QTextStream>

namespace {

using namespace Qt::StringLiterals;

class ScreenPlace : public testing::Test
{
protected:
    void SetUp() override
    {
        m_application.start();
        run(u"click Fst.Command4"_s);
        m_task = m_application.existingWindow(u"editor"_s);
    }

    void run(const QString &line) { m_commands.run(line); }

    // Waits until the window manager has framed a window and shown it, and a moment more for the
    // moves it makes after.
    static void waitUntilShown(const QWidget *window)
    {
        ASSERT_TRUE(QTest::qWaitFor([window] {
            return window->windowHandle()->isExposed() &&
                   window->frameGeometry() != window->geometry();
        }));
        QTest::qWait(300);
    }

    // Moves a window's frame and waits until the window manager has done it.
    static void moveFrame(QWidget *window, const QPoint &place)
    {
        window->move(place);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->frameGeometry().topLeft() == place; }));
    }

    QWidget *module(int index) const
    {
        return m_application.existingWindow(moduleRegistry().at(std::size_t(index)).windowName);
    }

    ScriptedPrompts m_prompts;
    ScriptedRandomSource m_random;
    QString m_output;
    QTextStream m_out{&m_output};
    Application m_application{m_prompts, m_random};
    Commands m_commands{m_application, m_prompts, m_random, m_out};
    QWidget *m_task = nullptr;
};

TEST_F(ScreenPlace, TheTaskWindowStandsBelowEveryModuleWindowAndCoversNone)
{
    for (int index = 0; index < moduleCount; ++index) {
        run(u"select editor.List1 %1"_s.arg(index));
        waitUntilShown(module(index));
        const QRect moduleFrame = module(index)->frameGeometry();
        const QRect taskFrame = m_task->frameGeometry();
        SCOPED_TRACE(moduleRegistry().at(std::size_t(index)).windowName.toStdString());
        EXPECT_EQ(taskFrame.topLeft(), moduleFrame.bottomLeft() + QPoint(0, 1));
        EXPECT_TRUE(m_task->screen()->availableGeometry().contains(taskFrame));
    }
}

TEST_F(ScreenPlace, TheTaskWindowFollowsTheModuleWindowAndGoesAboveWhenThereIsNoRoomBelow)
{
    QWidget *quadratic = module(0);
    waitUntilShown(quadratic);
    moveFrame(quadratic, quadratic->frameGeometry().topLeft() + QPoint(40, -20));
    EXPECT_EQ(m_task->frameGeometry().topLeft(),
              quadratic->frameGeometry().bottomLeft() + QPoint(0, 1));

    const QRect screen = m_task->screen()->availableGeometry();
    moveFrame(quadratic, {100, screen.bottom() + 1 - quadratic->frameGeometry().height()});
    EXPECT_EQ(m_task->frameGeometry().bottomLeft(),
              quadratic->frameGeometry().topLeft() - QPoint(0, 1));
}

} // namespace
