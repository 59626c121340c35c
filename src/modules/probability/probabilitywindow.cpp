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

const QString errorTitle = QStringLiteral("Error");

QString notIncreasedMessage()
{
    return QStringLiteral("In an experiment, you may only\r\nincrease the number of tests");
}

QString tooManyTestsMessage()
{
    return QStringLiteral("An experiment may have at most %1 tests.").arg(maximumTests);
}

QString tooManyResultsMessage()
{
    return QStringLiteral("A test may contain at most %1 results.").arg(maximumResultsPerTest);
}

QString notComputableMessage()
{
    return QStringLiteral("The results are too large to compute.");
}

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

// clang-format off
const SettingLayout settingLayouts[] = {
    {"Label1", "Result between tussen",   "Text1", "VScroll1", 240,  10,  1,  1, 10},
    {"Label2", "and",                     "Text2", "VScroll2", 660,  12,  1,  2, 11},
    {"Label3", "A test contains results", "Text3", "VScroll3", 1080, 7,   1,  2, 6},
    {"Label4", "Number of tests:",        "Text4", "VScroll4", 1500, 102, 10, 2, 101},
    {"Label5", "a=",                      "Text5", "VScroll5", 1920, 100, 1,  1, 100},
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
        auto *label =
            add<QLabel>(settingsFrame, setting.labelName, {120, setting.top + 60, 1740, 255},
                        QString::fromUtf8(setting.caption));
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
    m_combinations->setAccessibleName(QStringLiteral("Combination of the results"));
    m_comparisons->setAccessibleName(QStringLiteral("Comparison with a"));
    auto *testValueFrame =
        add<QGroupBox>(this, "Frame2", {2010, 2460, 1125, 660}, QStringLiteral("Testvalue"));
    m_testValue = add<QLineEdit>(testValueFrame, "Text6", {120, 240, 885, 315});
    auto *chanceFrame =
        add<QGroupBox>(this, "Frame3", {2010, 3180, 1125, 660}, QStringLiteral("Chance"));
    m_chance = add<QLineEdit>(chanceFrame, "Text7", {120, 240, 885, 315});

    auto *resultsFrame = add<QGroupBox>(this, "Frame4", {120, 3900, 2055, 2355},
                                        QStringLiteral("Results of the tests"));
    m_results = add<MultiLineTextBox>(resultsFrame, "Text8", {120, 240, 1815, 1995});
    m_results->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto *startButton =
        add<QPushButton>(this, "Command1", {2280, 3960, 855, 375}, QStringLiteral("&Start"));
    auto *newButton =
        add<QPushButton>(this, "Command2", {2280, 4440, 855, 375}, QStringLiteral("&New"));
    addEndButton(this, "Command3", {2280, 5880, 855, 375});

    add<QLabel>(this, "Label6", {3240, 0, 2535, 255}, QStringLiteral("Relative frequency"));
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
    m_combinations->addItems(
        {QStringLiteral("sum"), QStringLiteral("product"), QStringLiteral("unequal")});
    m_combinations->setCurrentRow(0);
    m_comparisons->addItems({QStringLiteral("none"), QStringLiteral(">"), QStringLiteral("<"),
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
        m_context.prompts.warning(this, notIncreasedMessage(), errorTitle);
        startAfresh();
        break;
    case StartOutcome::TooManyTests:
        m_context.prompts.warning(this, tooManyTestsMessage(), errorTitle);
        break;
    case StartOutcome::TooManyResults:
        m_context.prompts.warning(this, tooManyResultsMessage(), errorTitle);
        break;
    case StartOutcome::NotComputable:
        m_context.prompts.warning(this, notComputableMessage(), errorTitle);
        break;
    }
}
