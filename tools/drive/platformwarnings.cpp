// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "platformwarnings.h"

#include <QString>
#include <QtGlobal>

namespace {

QtMessageHandler nextHandler = nullptr;

void filterMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    nextHandler(type, context, message);
}

} // namespace

void dropPlatformLimitationWarnings()
{
    nextHandler = qInstallMessageHandler(filterMessage);
}
