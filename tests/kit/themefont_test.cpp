// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "app/application.h"
#include "core/randomsource.h"
#include "kit/modulewindow.h"
#include "scriptedprompts.h"

#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

// A platform theme such as qt6ct sets its own font once the event loop runs: 9 pt here.
void setThemeFont()
{
    QFont themeFont(QStringLiteral("DejaVu Sans"));
    themeFont.setPointSize(9);
    QApplication::setFont(themeFont);
    QApplication::processEvents();
}

class ThemedWindows : public testing::Test
{
protected:
    ThemedWindows() { m_program.start(); }

    ScriptedPrompts m_prompts;
    StandardRandomSource m_random;
    Application m_program{m_prompts, m_random};
};

TEST_F(ThemedWindows, KeepTheInterfaceFontAndFitTheirCaptions)
{
    setThemeFont();
    EXPECT_EQ(QApplication::font().pointSize(), 8);
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), QStringLiteral("Liberation Sans"));

    for (int module = 0; module < moduleCount; ++module) {
        ModuleWindow *window = m_program.moduleWindow(module);
        window->show();
        setThemeFont();
        for (QWidget *control : window->findChildren<QWidget *>()) {
            const bool captioned =
                qobject_cast<QLabel *>(control) ||
                (qobject_cast<QAbstractButton *>(control) && !qobject_cast<QPushButton *>(control));
            if (captioned) {
                EXPECT_GE(control->width(), control->sizeHint().width())
                    << window->objectName().toStdString() << '.'
                    << control->objectName().toStdString();
            }
        }
        window->hide();
    }
}

// The list of figures in the window of lines and circles has room for four short rows; long
// ones wrap rather than bring a horizontal scroll bar over the last row.
TEST_F(ThemedWindows, LongFigureRowsBringNoScrollBarOverARow)
{
    ModuleWindow *circles = m_program.moduleWindow(4);
    circles->show();
    circles->findChild<QListWidget *>(QStringLiteral("List1"))->setCurrentRow(1);
    for (const auto &[box, text] :
         {std::pair{"Text2", "2.345"}, {"Text3", "-1.234"}, {"Text4", "-13.789"}})
        circles->findChild<QLineEdit *>(QString::fromLatin1(box))
            ->setText(QString::fromLatin1(text));
    circles->findChild<QPushButton *>(QStringLiteral("Command4"))->click();
    QApplication::processEvents();

    auto *rows = circles->findChild<QListWidget *>(QStringLiteral("List2"));
    ASSERT_GT(rows->fontMetrics().horizontalAdvance(rows->item(0)->text()),
              rows->viewport()->width());
    EXPECT_FALSE(rows->horizontalScrollBar()->isVisible());
    EXPECT_EQ(rows->horizontalScrollBar()->maximum(), 0);
}

} // namespace
