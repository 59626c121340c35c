// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "useractions.h"

#include "canvas/resizerule.h"
#include "kit/placement.h"

#include <QApplication>
#include <QKeySequence>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <optional>

namespace {

// The first point, scanning rows from the top left, with no child control under it.
std::optional<QPoint> backgroundPoint(const QWidget *window)
{
    constexpr int step = 2;
    for (int y = 0; y < window->height(); y += step) {
        for (int x = 0; x < window->width(); x += step) {
            if (!window->childAt(x, y))
                return QPoint(x, y);
        }
    }
    return std::nullopt;
}

void sendMouse(QWidget *window, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), QPointF(window->mapToGlobal(at)), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(window, &event);
}

} // namespace

bool hasBackground(const QWidget *window)
{
    return backgroundPoint(window).has_value();
}

bool clickBackground(QWidget *window)
{
    const std::optional<QPoint> point = backgroundPoint(window);
    if (!point)
        return false;
    sendMouse(window, QEvent::MouseButtonPress, *point, Qt::LeftButton);
    sendMouse(window, QEvent::MouseButtonRelease, *point, Qt::NoButton);
    return true;
}

void clickRow(QListWidget *list, int row)
{
    list->setCurrentRow(row);
    // The list widget turns its view's clicked() into itemClicked(), as for a real click.
    emit list->clicked(list->model()->index(row, 0));
}

void resizeOuter(QWidget *window, double widthTwips, double heightTwips)
{
    resizeClientInTwips(window, std::max(0.0, widthTwips - designFrameWidth),
                        std::max(0.0, heightTwips - designFrameHeight));
}

std::optional<QKeyCombination> keyNamed(const QString &name)
{
    const QKeySequence sequence = QKeySequence::fromString(name, QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown)
        return std::nullopt;
    return sequence[0];
}

void activate(QWidget *window)
{
    window->raise();
    window->activateWindow();
    // Where the platform cannot activate windows, keys still reach the focused control. A window
    // with nothing to show (no width or no height) never becomes active: waiting would be in vain.
    if (window->windowHandle() && window->windowHandle()->isExposed())
        static_cast<void>(QTest::qWaitForWindowActive(window));
}

void pressKey(QWidget *window, QKeyCombination key)
{
    QTest::keyClick(window->windowHandle(), key.key(), key.keyboardModifiers());
    // A mnemonic presses its button with a short animation and clicks it when that ends.
    constexpr int buttonAnimationMilliseconds = 100;
    if (key.keyboardModifiers() & Qt::AltModifier)
        QTest::qWait(buttonAnimationMilliseconds + 50);
}
