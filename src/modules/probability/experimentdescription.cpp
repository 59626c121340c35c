// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/probability/experimentdescription.h"

#include "core/numbertext.h"

using namespace Qt::StringLiterals;

namespace probability {

QString graphInWords(const Experiment &experiment, const QLocale &locale)
{
    const int done = experiment.done();
    if (done == 0)
        return u"no tests done"_s;
    return u"relative frequency %1 after %2 %3"_s.arg(
        formatPattern(experiment.frequency(done), u"0.00", locale), QString::number(done),
        done == 1 ? u"test"_s : u"tests"_s);
}

} // namespace probability
