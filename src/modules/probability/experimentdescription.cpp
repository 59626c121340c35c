// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/probability/experimentdescription.h"

#include "core/numbertext.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace probability {

QString graphInWords(const Experiment &experiment, const QLocale &locale)
{
    const int done = experiment.done();
    if (done == 0)
        return QCoreApplication::translate("GraphDescription", "no tests done");
    //: %1 is the relative frequency of the event, %2 the number of tests done: one.
    const char *oneTest =
        QT_TRANSLATE_NOOP("GraphDescription", "relative frequency %1 after %2 test");
    //: %1 is the relative frequency of the event, %2 the number of tests done: more than one.
    const char *moreTests =
        QT_TRANSLATE_NOOP("GraphDescription", "relative frequency %1 after %2 tests");
    return QCoreApplication::translate("GraphDescription", done == 1 ? oneTest : moreTests)
        .arg(formatPattern(experiment.frequency(done), u"0.00", locale), QString::number(done));
}

} // namespace probability
