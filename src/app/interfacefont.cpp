// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "app/interfacefont.h"

#include <QApplication>
#include <QEvent>
#include <QFont>

namespace {

QFont interfaceFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// Puts the interface font back when something else sets the application's font. It does so
// once the other setFont has finished, as that call goes on to hand its font to every widget.
class InterfaceFontKeeper : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == qApp && event->type() == QEvent::ApplicationFontChange)
            QMetaObject::invokeMethod(this, &InterfaceFontKeeper::restore, Qt::QueuedConnection);
        return false;
    }

private:
    static void restore()
    {
        if (QApplication::font() != interfaceFont())
            QApplication::setFont(interfaceFont());
    }
};

} // namespace

void applyInterfaceFont()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QApplication::setFont(interfaceFont());
    const QString keeperName = QStringLiteral("interfaceFontKeeper");
    if (!qApp->findChild<QObject *>(keeperName, Qt::FindDirectChildrenOnly)) {
        auto *keeper = new InterfaceFontKeeper(qApp);
        keeper->setObjectName(keeperName);
        qApp->installEventFilter(keeper);
    }
}
