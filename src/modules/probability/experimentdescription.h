// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "modules/probability/experiment.h"

#include <QLocale>
#include <QString>

namespace probability {

// The frequency diagram in words, for the canvas's description: "relative frequency 0.54 after
// 37 tests", the frequency written as the window's Chance box writes it; "no tests done" before
// the first.
QString graphInWords(const Experiment &experiment, const QLocale &locale = QLocale::system());

} // namespace probability
