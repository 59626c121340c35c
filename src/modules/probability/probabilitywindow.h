// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "kit/modulewindow.h"
#include "modules/probability/experiment.h"

#include <array>

class MultiLineTextBox;
class QLineEdit;
class QListWidget;

// Experiments of probability: tests of random whole results, an event over the results of one
// test, and the relative frequency of the event drawn test by test. Raising the number of tests
// and starting again continues the same experiment.
class ProbabilityWindow : public ModuleWindow
{
    Q_OBJECT

public:
    ProbabilityWindow(ModuleContext &context, const ModuleEntry &entry);

protected:
    // A resize starts the experiment afresh.
    void prepareCanvasForResize() override;

private:
    void startAfresh();
    void runTests();

    probability::Settings settings() const;

    // The lowest and highest result, the results in a test, the number of tests and the test
    // value a, in the order the window shows them.
    std::array<QLineEdit *, 5> m_settingBoxes;
    QListWidget *m_combinations;
    QListWidget *m_comparisons;
    QLineEdit *m_testValue;
    QLineEdit *m_chance;
    MultiLineTextBox *m_results;
    probability::Experiment m_experiment;
};
