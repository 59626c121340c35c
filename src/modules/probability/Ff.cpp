#include "modules/probability/Ff.h"

#include "app/controls.h"
#include "app/multilinetextbox.h"
#include "app/prompts.h"
#include "canvas/graphcanvas.h"
#include "core/numberreading.h"
#include "core/numbertext.h"
#include "modules/probability/frequencydiagram.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <functional>

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

} // namespace

Ff::Ff(ModuleContext &context, const ModuleEntry &entry) : ModuleWindow(context, entry)
{
    Frame1 = add<QGroupBox>(this, "Frame1", {120, 0, 3015, 2400});
    Label1 = add<QLabel>(Frame1, "Label1", {120, 300, 1740, 255},
                         QStringLiteral("Result between tussen"));
    Text1 = add<QLineEdit>(Frame1, "Text1", {1920, 240, 495, 375});
    VScroll1 = add<QScrollBar>(Frame1, "VScroll1", {2415, 240, 255, 375});
    Label2 = add<QLabel>(Frame1, "Label2", {120, 720, 1740, 255}, QStringLiteral("and"));
    Text2 = add<QLineEdit>(Frame1, "Text2", {1920, 660, 495, 375});
    VScroll2 = add<QScrollBar>(Frame1, "VScroll2", {2415, 660, 255, 375});
    Label3 = add<QLabel>(Frame1, "Label3", {120, 1140, 1740, 255},
                         QStringLiteral("A test contains results"));
    Text3 = add<QLineEdit>(Frame1, "Text3", {1920, 1080, 495, 375});
    VScroll3 = add<QScrollBar>(Frame1, "VScroll3", {2415, 1080, 255, 375});
    Label4 =
        add<QLabel>(Frame1, "Label4", {120, 1560, 1740, 255}, QStringLiteral("Number of tests:"));
    Text4 = add<QLineEdit>(Frame1, "Text4", {1920, 1500, 495, 375});
    VScroll4 = add<QScrollBar>(Frame1, "VScroll4", {2415, 1500, 255, 375});
    Label5 = add<QLabel>(Frame1, "Label5", {120, 1980, 1740, 255}, QStringLiteral("a="));
    Text5 = add<QLineEdit>(Frame1, "Text5", {1920, 1920, 495, 375});
    VScroll5 = add<QScrollBar>(Frame1, "VScroll5", {2415, 1920, 255, 375});

    List1 = add<QListWidget>(this, "List1", {120, 2520, 975, 855});
    List2 = add<QListWidget>(this, "List2", {1170, 2520, 735, 1335});
    Frame2 = add<QGroupBox>(this, "Frame2", {2010, 2460, 1125, 660}, QStringLiteral("Testvalue"));
    Text6 = add<QLineEdit>(Frame2, "Text6", {120, 240, 885, 315});
    Frame3 = add<QGroupBox>(this, "Frame3", {2010, 3180, 1125, 660}, QStringLiteral("Chance"));
    Text7 = add<QLineEdit>(Frame3, "Text7", {120, 240, 885, 315});

    Frame4 = add<QGroupBox>(this, "Frame4", {120, 3900, 2055, 2355},
                            QStringLiteral("Results of the tests"));
    Text8 = add<MultiLineTextBox>(Frame4, "Text8", {120, 240, 1815, 1995});
    Text8->setLineWrapMode(QPlainTextEdit::NoWrap);
    Command1 = add<QPushButton>(this, "Command1", {2280, 3960, 855, 375}, QStringLiteral("&Start"));
    Command2 = add<QPushButton>(this, "Command2", {2280, 4440, 855, 375}, QStringLiteral("&New"));
    Command3 = add<QPushButton>(this, "Command3", {2280, 5880, 855, 375}, QStringLiteral("&End"));

    Label6 =
        add<QLabel>(this, "Label6", {3240, 0, 2535, 255}, QStringLiteral("Relative frequency"));
    placeInTwips(Picture1, {3240, 240, 6015, 6015});
    orderTabsByLayout(this);

    // Each slider writes its box so that moving the thumb up raises the number.
    const std::tuple<QScrollBar *, QLineEdit *, std::function<int(int)>> sliders[] = {
        {VScroll1, Text1, [](int value) { return 10 - value; }},
        {VScroll2, Text2, [](int value) { return 12 - value; }},
        {VScroll3, Text3, [](int value) { return 7 - value; }},
        {VScroll4, Text4, [](int value) { return (102 - value) * 10; }},
        {VScroll5, Text5, [](int value) { return 100 - value; }},
    };
    for (const auto &[slider, box, number] : sliders) {
        connect(slider, &QScrollBar::valueChanged, this,
                [box, number](int value) { box->setText(wholeNumberText(number(value))); });
    }
    // Every setting but the number of tests starts a new experiment.
    for (QLineEdit *box : {Text1, Text2, Text3, Text5, Text6})
        connect(box, &QLineEdit::textChanged, this, &Ff::init);
    for (QListWidget *list : {List1, List2})
        connect(list, &QListWidget::currentRowChanged, this, &Ff::init);

    connect(Command1, &QPushButton::clicked, this, &Ff::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Ff::init);
    connect(Command3, &QPushButton::clicked, this, &ModuleWindow::End);

    Form_Load();
}

void Ff::Form_Load()
{
    Text1->setText(QStringLiteral("0"));
    Text2->setText(QStringLiteral("1"));
    Text3->setText(QStringLiteral("1"));
    Text4->setText(QStringLiteral("1"));
    Text5->setText(QStringLiteral("0"));
    Text6->setText(QStringLiteral("1"));
    List1->addItems({QStringLiteral("sum"), QStringLiteral("product"), QStringLiteral("unequal")});
    List1->setCurrentRow(0);
    List2->addItems({QStringLiteral("none"), QStringLiteral(">"), QStringLiteral("<"),
                     QStringLiteral(">="), QStringLiteral("<=")});
    List2->setCurrentRow(0);
    const std::tuple<QScrollBar *, int, int, int> ranges[] = {{VScroll1, 10, 1, 10},
                                                              {VScroll2, 11, 2, 11},
                                                              {VScroll3, 6, 2, 6},
                                                              {VScroll4, 101, 2, 101},
                                                              {VScroll5, 100, 1, 100}};
    for (const auto &[slider, maximum, minimum, value] : ranges) {
        slider->setMaximum(maximum);
        slider->setMinimum(minimum);
        slider->setValue(value);
    }
    init();
}

void Ff::init()
{
    m_experiment.reset();
    Text8->setText(QString());
    Text7->setText(QString());
    Picture1->clear();
}

void Ff::prepareCanvasForResize()
{
    init();
}

Settings Ff::settings() const
{
    return {readNumber(Text1->text()),
            readNumber(Text2->text()),
            readNumber(Text3->text()),
            Combination(std::max(0, List1->currentRow())),
            Comparison(std::max(0, List2->currentRow())),
            readNumber(Text5->text()),
            readNumber(Text6->text())};
}

void Ff::Command1_Click()
{
    const StartResult result =
        m_experiment.start(readNumber(Text4->text()), settings(), m_context.random);
    switch (result.outcome) {
    case StartOutcome::Ran:
        Text8->setText(Text8->text() + result.lines);
        Text7->setText(formatPattern(m_experiment.frequency(m_experiment.done()), u"0.00"));
        Picture1->clear();
        draw(*Picture1, m_experiment);
        Picture1->setPointerReading([this](double X, double) {
            return diagramPointText(m_experiment, Picture1->widthInTwips(), Picture1->heightInTwips(), X);
        });
        break;
    case StartOutcome::NotIncreased:
        m_context.prompts.message(this, notIncreasedMessage(), errorTitle);
        init();
        break;
    case StartOutcome::TooManyTests:
        m_context.prompts.message(this, tooManyTestsMessage(), errorTitle);
        break;
    case StartOutcome::TooManyResults:
        m_context.prompts.message(this, tooManyResultsMessage(), errorTitle);
        break;
    case StartOutcome::NotComputable:
        m_context.prompts.message(this, notComputableMessage(), errorTitle);
        break;
    }
}
