// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "useractions.h"

#include "testsupport.h"

#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

#include <optional>

#include <gtest/gtest.h>

namespace {

// A window that remembers where its background was pressed.
class ClickableWindow : public QWidget
{
public:
    std::optional<QPoint> pressedAt;
    int releases = 0;

protected:
    void mousePressEvent(QMouseEvent *event) override { pressedAt = event->position().toPoint(); }
    void mouseReleaseEvent(QMouseEvent *) override { ++releases; }
};

TEST(ClickRow, SelectsTheRowAndSignalsAClick)
{
    QListWidget list;
    list.addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    int changedTo = -1;
    QString clicked;
    QObject::connect(&list, &QListWidget::currentRowChanged, [&](int row) { changedTo = row; });
    QObject::connect(&list, &QListWidget::itemClicked,
                     [&](QListWidgetItem *item) { clicked = item->text(); });

    clickRow(&list, 2);
    EXPECT_EQ(list.currentRow(), 2);
    EXPECT_EQ(changedTo, 2);
    EXPECT_EQ(clicked, QStringLiteral("c"));

    // Clicking the current row again changes nothing but is still a click.
    changedTo = -1;
    clicked.clear();
    clickRow(&list, 2);
    EXPECT_EQ(changedTo, -1);
    EXPECT_EQ(clicked, QStringLiteral("c"));
}

TEST(ClickBackground, PressesAndReleasesAwayFromTheControls)
{
    ClickableWindow window;
    window.resize(100, 50);
    auto *button = new QPushButton(&window);
    button->setGeometry(0, 0, 60, 50);

    ASSERT_TRUE(clickBackground(&window));
    ASSERT_TRUE(window.pressedAt);
    EXPECT_EQ(window.childAt(*window.pressedAt), nullptr);
    EXPECT_TRUE(window.rect().contains(*window.pressedAt));
    EXPECT_EQ(window.releases, 1);

    button->setGeometry(0, 0, 100, 50);
    EXPECT_FALSE(clickBackground(&window));
}

TEST(ResizeOuter, TakesTheDesignFrameOffTheOuterSize)
{
    QWidget window;
    ASSERT_EQ(window.logicalDpiX(), 96);
    resizeOuter(&window, 4410, 2220); // client 4290 x 1815 twips
    EXPECT_EQ(window.size(), QSize(286, 121));

    resizeOuter(&window, 60, 100); // smaller than the frame: no client area
    EXPECT_EQ(window.size(), QSize(0, 0));
}

} // namespace
