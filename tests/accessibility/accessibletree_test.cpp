// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "testsupport.h"

#include "platformwarnings.h"
#include "scriptedprompts.h"

#include "app/moduleregistry.h"
#include "canvas/graphcanvas.h"
#include "core/numberreading.h"
#include "core/randomsource.h"
#include "kit/modulewindow.h"
#include "modules/conics/figurestore.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Every module window as a screen reader and a keyboard user meet it, the window made as the
// program makes it.
class AccessibleTree : public testing::TestWithParam<int>
{
protected:
    // The offscreen platform cannot raise a menu or grab the keyboard for it, and says so.
    static void SetUpTestSuite() { dropPlatformLimitationWarnings(); }

    void SetUp() override
    {
        const ModuleEntry &entry = moduleRegistry()[std::size_t(GetParam())];
        m_window = entry.create(m_context, entry);
        m_window->show();
    }

    QAccessibleInterface *accessible(QObject *object)
    {
        return QAccessible::queryAccessibleInterface(object);
    }

    // The Tab stops in the order the Tab key visits them, from where the focus starts.
    QList<QWidget *> tabStops() const
    {
        QWidget *first = m_window->focusWidget();
        QList<QWidget *> stops{first};
        for (QWidget *w = first->nextInFocusChain(); w != first; w = w->nextInFocusChain()) {
            // Controls of the window's own have names; a list's or a box's parts have none.
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(m_window.get()) &&
                !w->objectName().isEmpty())
                stops.append(w);
        }
        return stops;
    }

    ScriptedPrompts m_prompts;
    StandardRandomSource m_random;
    conics::FigureStore m_figures;
    ModuleContext m_context{m_prompts, m_random, m_figures, [] {}, false};
    std::unique_ptr<ModuleWindow> m_window;
};

TEST_P(AccessibleTree, NamesEveryStopWithoutAMnemonicMark)
{
    for (QWidget *stop : tabStops()) {
        const QString name = accessible(stop)->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << stop->objectName().toStdString();
        EXPECT_FALSE(name.contains(u'&')) << stop->objectName().toStdString();
    }
    for (QGroupBox *frame : m_window->findChildren<QGroupBox *>())
        EXPECT_FALSE(accessible(frame)->text(QAccessible::Name).contains(u'&'))
            << frame->objectName().toStdString();
}

// A slider is heard as the number its box shows, which grows as the thumb moves up, and comes
// just after that box; the canvas is the last stop.
TEST_P(AccessibleTree, HearsSlidersAsTheirBoxesAndTabsBoxBeforeSlider)
{
    const QList<QWidget *> stops = tabStops();
    ASSERT_FALSE(stops.isEmpty());
    // The window's main choice comes first: the probability window has its settings instead.
    EXPECT_EQ(stops.front()->objectName(),
              m_window->objectName() == u"Ff"_s ? u"Text1"_s : u"List1"_s);
    EXPECT_EQ(stops.back(), m_window->findChild<GraphCanvas *>());
    for (QScrollBar *slider :
         m_window->findChildren<QScrollBar *>(QRegularExpression(u"^VScroll"_s))) {
        const std::string name = slider->objectName().toStdString();
        QAccessibleInterface *interface = accessible(slider);
        ASSERT_EQ(interface->role(), QAccessible::Slider) << name;
        const auto at = stops.indexOf(slider);
        ASSERT_GT(at, 0) << name;
        auto *box = qobject_cast<QLineEdit *>(stops[at - 1]);
        ASSERT_TRUE(box) << name;
        EXPECT_EQ(interface->text(QAccessible::Name), accessible(box)->text(QAccessible::Name));
        EXPECT_EQ(interface->valueInterface()->currentValue().toDouble(), readNumber(box->text()))
            << name;

        slider->setValue(slider->maximum());
        slider->setValue(slider->maximum() - 1);
        const double shown = interface->valueInterface()->currentValue().toDouble();
        EXPECT_EQ(shown, readNumber(box->text())) << name;
        EXPECT_EQ(shown, interface->valueInterface()->minimumValue().toDouble() +
                             interface->valueInterface()->minimumStepSize().toDouble())
            << name;
    }
}

TEST_P(AccessibleTree, DescribesTheGraphAfterAPlotAndForgetsItOnResize)
{
    auto *canvas = m_window->findChild<GraphCanvas *>();
    QAccessibleInterface *interface = accessible(canvas);
    EXPECT_EQ(interface->role(), QAccessible::Graphic);
    EXPECT_EQ(interface->text(QAccessible::Name), u"Graph"_s);
    EXPECT_EQ(interface->text(QAccessible::Description), u"nothing drawn"_s);

    m_window->findChild<QAbstractButton *>(u"Command1"_s)->click();
    EXPECT_NE(interface->text(QAccessible::Description), u"nothing drawn"_s);
    m_window->resize(m_window->size() + QSize(10, 10));
    EXPECT_EQ(interface->text(QAccessible::Description), u"nothing drawn"_s);
}

// The Menu key and Shift+F10 open the canvas's menu, whose entries show their shortcuts.
TEST_P(AccessibleTree, OpensTheCanvasMenuFromTheKeyboard)
{
    auto *canvas = m_window->findChild<GraphCanvas *>();
    for (const QKeyCombination key :
         {QKeyCombination(Qt::Key_Menu), QKeyCombination(Qt::ShiftModifier, Qt::Key_F10)}) {
        QStringList entries;
        QTimer::singleShot(0, [&entries] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (const QAction *action : menu->actions())
                entries.append(action->text() + u' ' + action->shortcut().toString());
            menu->close();
        });
        QTest::keyClick(canvas, key.key(), key.keyboardModifiers());
        EXPECT_EQ(entries, QStringList({u"Copy graph Ctrl+C"_s, u"Save graph as… Ctrl+Shift+S"_s}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryModule, AccessibleTree, testing::Range(0, moduleCount),
    [](const testing::TestParamInfo<int> &row) {
        return moduleRegistry()[std::size_t(row.param)].windowName.toStdString();
    });

} // namespace
