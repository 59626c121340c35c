// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/probability/probabilitywindow.h"

#include "canvas/graphcanvas.h"
#include "core/numberreading.h"
#include "core/numbertext.h"
#include "kit/controls.h"
#include "kit/multilinetextbox.h"
#include "kit/prompts.h"
#include "kit/sliderbox.h"
#include "modules/probability/experimentdescription.h"
#include "modules/probability/frequencydiagram.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

using namespace probability;

namespace {

// One setting: its label, its box and its slider, which writes (numberAtTop - position) × step
// into the box, so that moving the thumb up raises the number. The slider starts at its maximum.
struct SettingLayout
{
    const char *labelName;
    const char *caption;
    const char *boxName;
    const char *sliderName;
    int top;
    int numberAtTop;
    int step;
    int minimum;
    int maximum;
};

// The captions are translated where the labels are made.
// clang-format off
const SettingLayout settingLayouts[] = {
    //: The lowest result a draw gives ("tussen" is Dutch for "between"); the label below goes
    //: on with "and" and the highest result.
    {"Label1", QT_TRANSLATE_NOOP("ProbabilityWindow", "Result between tussen"),
                                                    "Text1", "VScroll1", 240,  10,  1,  1, 10},
    {"Label2", QT_TRANSLATE_NOOP("ProbabilityWindow", "and"),
                                                    "Text2", "VScroll2", 660,  12,  1,  2, 11},
    //: How many results one test draws.
    {"Label3", QT_TRANSLATE_NOOP("ProbabilityWindow", "A test contains results"),
                                                    "Text3", "VScroll3", 1080, 7,   1,  2, 6},
    {"Label4", QT_TRANSLATE_NOOP("ProbabilityWindow", "Number of tests:"),
                                                    "Text4", "VScroll4", 1500, 102, 10, 2, 101},
    //: The value a that each result is compared with.
    {"Label5", QT_TRANSLATE_NOOP("ProbabilityWindow", "a="),
                                                    "Text5", "VScroll5", 1920, 100, 1,  1, 100},
};
// clang-format on

} // namespace

ProbabilityWindow::ProbabilityWindow(ModuleContext &context, const ModuleEntry &entry)
    : ModuleWindow(context, entry)
{
    auto *settingsFrame = add<QGroupBox>(this, "Frame1", {120, 0, 3015, 2400});
    QScrollBar *sliders[std::size(settingLayouts)];
    for (size_t i = 0; i < std::size(settingLayouts); ++i) {
        const SettingLayout &setting = settingLayouts[i];
        auto *label = add<QLabel>(settingsFrame, setting.labelName,
                                  {120, setting.top + 60, 1740, 255}, tr(setting.caption));
        m_settingBoxes[i] =
            add<QLineEdit>(settingsFrame, setting.boxName, {1920, setting.top, 495, 375});
        sliders[i] =
            add<QScrollBar>(settingsFrame, setting.sliderName, {2415, setting.top, 255, 375});
        nameByLabel(label, {m_settingBoxes[i], sliders[i]});
        connectSliderToBox(sliders[i], m_settingBoxes[i], {setting.numberAtTop, setting.step});
    }

    m_combinations = add<QListWidget>(this, "List1", {120, 2520, 975, 855});
    m_comparisons = add<QListWidget>(this, "List2", {1170, 2520, 735, 1335});
    // No label stands beside the two lists: their names say what they choose.
    m_combinations->setAccessibleName(tr("Combination of the results"));
    m_comparisons->setAccessibleName(tr("Comparison with a"));
    auto *testValueFrame = add<QGroupBox>(this, "Frame2", {2010, 2460, 1125, 660},
                                          //: The event is that a test's value equals this value.
                                          tr("Testvalue"));
    m_testValue = add<QLineEdit>(testValueFrame, "Text6", {120, 240, 885, 315});
    auto *chanceFrame = add<QGroupBox>(this, "Frame3", {2010, 3180, 1125, 660},
                                       //: The relative frequency of the event after the last test.
                                       tr("Chance"));
    m_chance = add<QLineEdit>(chanceFrame, "Text7", {120, 240, 885, 315});

    auto *resultsFrame =
        add<QGroupBox>(this, "Frame4", {120, 3900, 2055, 2355}, tr("Results of the tests"));
    m_results = add<MultiLineTextBox>(resultsFrame, "Text8", {120, 240, 1815, 1995});
    m_results->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto *startButton = add<QPushButton>(this, "Command1", {2280, 3960, 855, 375}, tr("&Start"));
    auto *newButton = add<QPushButton>(this, "Command2", {2280, 4440, 855, 375}, tr("&New"));
    addEndButton(this, "Command3", {2280, 5880, 855, 375});

    add<QLabel>(this, "Label6", {3240, 0, 2535, 255}, tr("Relative frequency"));
    placeInTwips(canvas(), {3240, 240, 6015, 6015});
    orderTabs();

    // Every setting but the number of tests starts a new experiment.
    const auto &[lowest, highest, resultsPerTest, tests, testValueA] = m_settingBoxes;
    for (QLineEdit *box : {lowest, highest, resultsPerTest, testValueA, m_testValue})
        connect(box, &QLineEdit::textChanged, this, &ProbabilityWindow::startAfresh);
    for (QListWidget *list : {m_combinations, m_comparisons})
        connect(list, &QListWidget::currentRowChanged, this, &ProbabilityWindow::startAfresh);
    connect(startButton, &QPushButton::clicked, this, &ProbabilityWindow::runTests);
    connect(newButton, &QPushButton::clicked, this, &ProbabilityWindow::startAfresh);

    for (QLineEdit *box : {lowest, testValueA})
        box->setText(QStringLiteral("0"));
    for (QLineEdit *box : {highest, resultsPerTest, tests, m_testValue})
        box->setText(QStringLiteral("1"));
    m_combinations->addItems({//: How the results of one test combine into its value: their sum,
                              //: their product, or 1 when they are all unequal.
                              tr("sum"), tr("product"), tr("unequal")});
    m_combinations->setCurrentRow(0);
    m_comparisons->addItems({//: No comparison with a: each result counts as itself.
                             tr("none"), QStringLiteral(">"), QStringLiteral("<"),
                             QStringLiteral(">="), QStringLiteral("<=")});
    m_comparisons->setCurrentRow(0);
    for (size_t i = 0; i < std::size(settingLayouts); ++i) {
        sliders[i]->setMaximum(settingLayouts[i].maximum);
        sliders[i]->setMinimum(settingLayouts[i].minimum);
        sliders[i]->setValue(settingLayouts[i].maximum);
    }
    startAfresh();
}

void ProbabilityWindow::startAfresh()
{
    m_experiment.reset();
    m_results->setText(QString());
    m_chance->setText(QString());
    canvas()->clear();
}

void ProbabilityWindow::prepareCanvasForResize()
{
    startAfresh();
}

Settings ProbabilityWindow::settings() const
{
    const auto &[lowest, highest, resultsPerTest, tests, testValueA] = m_settingBoxes;
    return {readNumber(lowest->text()),
            readNumber(highest->text()),
            readNumber(resultsPerTest->text()),
            Combination(std::max(0, m_combinations->currentRow())),
            Comparison(std::max(0, m_comparisons->currentRow())),
            readNumber(testValueA->text()),
            readNumber(m_testValue->text())};
}

void ProbabilityWindow::runTests()
{
    const QLineEdit *tests = m_settingBoxes[3];
    const StartResult result =
        m_experiment.start(readNumber(tests->text()), settings(), m_context.random);
    switch (result.outcome) {
    case StartOutcome::Ran:
        m_results->setText(m_results->text() + result.lines);
        m_chance->setText(formatPattern(m_experiment.frequency(m_experiment.done()), u"0.00"));
        canvas()->clear();
        draw(*canvas(), m_experiment);
        canvas()->describeDrawing({{}, graphInWords(m_experiment)});
        canvas()->setPointerReading([this](double X, double) {
            return diagramPointText(m_experiment, canvas()->widthInTwips(),
                                    canvas()->heightInTwips(), X);
        });
        break;
    case StartOutcome::NotIncreased:
        m_context.prompts.warning(
            this, tr("In an experiment, you may only\r\nincrease the number of tests"),
            tr("Error"));
        startAfresh();
        break;
    case StartOutcome::TooManyTests:
        m_context.prompts.warning(
            this, tr("An experiment may have at most %1 tests.").arg(maximumTests), tr("Error"));
        break;
    case StartOutcome::TooManyResults:
        m_context.prompts.warning(
            this, tr("A test may contain at most %1 results.").arg(maximumResultsPerTest),
            tr("Error"));
        break;
    case StartOutcome::NotComputable:
        m_context.prompts.warning(this, tr("The results are too large to compute."), tr("Error"));
        break;
    }
}
