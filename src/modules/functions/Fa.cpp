#include "modules/functions/Fa.h"

#include "app/coefficientslider.h"
#include "app/controls.h"
#include "app/multilinetextbox.h"
#include "app/prompts.h"
#include "app/scalecontrols.h"
#include "canvas/graphcanvas.h"
#include "core/numberreading.h"
#include "core/numbertext.h"
#include "modules/functions/cubicresults.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <utility>

using namespace cubic;

namespace {

const QString failureMessage = QStringLiteral("Fout");

// The controls stand in one column to the right of the canvas.
constexpr int column = 6375;
constexpr int columnWidth = 3030;
constexpr int coefficientSpacing = 760;
constexpr int labelWidth = 300;
constexpr int resultInset = 120;
constexpr int resultWidth = columnWidth - 2 * resultInset;

} // namespace

Fa::Fa(ModuleContext &context, const ModuleEntry &entry) : ModuleWindow(context, entry)
{
    placeInTwips(Picture1, {120, 120, 6135, 6135});

    Label6 = add<QLabel>(this, "Label6", {column, 60, 1440, 255}, QStringLiteral("Prescription"));
    List1 = add<QListWidget>(this, "List1", {column, 300, 1440, 300});
    Option1 =
        add<QRadioButton>(this, "Option1", {column, 700, 1200, 255}, QStringLiteral("Expand"));
    Option2 =
        add<QRadioButton>(this, "Option2", {column, 960, 1200, 255}, QStringLiteral("Factor"));

    Frame1 = add<QGroupBox>(this, "Frame1", {column + 1560, 0, 1470, 1215});
    Check1 = add<QCheckBox>(Frame1, "Check1", {120, 240, 855, 255}, QStringLiteral("Grid"));
    Text1 = add<QLineEdit>(Frame1, "Text1", {120, 660, 495, 375});
    VScroll1 = add<QScrollBar>(Frame1, "VScroll1", {615, 660, 255, 375});
    Label1 = add<QLabel>(Frame1, "Label1", {930, 720, 480, 255}, QStringLiteral("Scaale"));

    // The four coefficients side by side, each letter above its box and slider.
    const int letterTop = 1320;
    const int boxTop = letterTop + 240;
    const auto left = [](int i) { return column + i * coefficientSpacing; };
    Label2 = add<QLabel>(this, "Label2", {left(0) + 180, letterTop, 255, 255}, QStringLiteral("a"));
    Text2 = add<QLineEdit>(this, "Text2", {left(0), boxTop, 495, 375});
    VScroll2 = add<QScrollBar>(this, "VScroll2", {left(0) + 495, boxTop, 255, 375});
    Label3 = add<QLabel>(this, "Label3", {left(1) + 180, letterTop, 255, 255}, QStringLiteral("b"));
    Text3 = add<QLineEdit>(this, "Text3", {left(1), boxTop, 495, 375});
    VScroll3 = add<QScrollBar>(this, "VScroll3", {left(1) + 495, boxTop, 255, 375});
    Label4 = add<QLabel>(this, "Label4", {left(2) + 180, letterTop, 255, 255}, QStringLiteral("c"));
    Text4 = add<QLineEdit>(this, "Text4", {left(2), boxTop, 495, 375});
    VScroll4 = add<QScrollBar>(this, "VScroll4", {left(2) + 495, boxTop, 255, 375});
    Label5 = add<QLabel>(this, "Label5", {left(3) + 180, letterTop, 255, 255}, QStringLiteral("d"));
    Text5 = add<QLineEdit>(this, "Text5", {left(3), boxTop, 495, 375});
    VScroll5 = add<QScrollBar>(this, "VScroll5", {left(3) + 495, boxTop, 255, 375});

    const int textsTop = 2040;
    Label7 =
        add<QLabel>(this, "Label7", {column, textsTop + 60, labelWidth, 255}, QStringLiteral("y"));
    Text6 = add<QLineEdit>(this, "Text6",
                           {column + labelWidth, textsTop, columnWidth - labelWidth, 375});
    Label8 = add<QLabel>(this, "Label8", {column, textsTop + 465, labelWidth, 255},
                         QStringLiteral("y'"));
    Text7 = add<QLineEdit>(this, "Text7",
                           {column + labelWidth, textsTop + 405, columnWidth - labelWidth, 375});
    Label9 = add<QLabel>(this, "Label9", {column, textsTop + 870, labelWidth, 255},
                         QStringLiteral("y\""));
    Text8 = add<QLineEdit>(this, "Text8",
                           {column + labelWidth, textsTop + 810, columnWidth - labelWidth, 375});

    Frame6 =
        add<QGroupBox>(this, "Frame6", {column, 3330, columnWidth, 690}, QStringLiteral("Roots"));
    Text11 = add<QLineEdit>(Frame6, "Text11", {resultInset, 240, resultWidth, 375});
    Frame7 =
        add<QGroupBox>(this, "Frame7", {column, 4080, columnWidth, 855}, QStringLiteral("Extrema"));
    Text9 = add<MultiLineTextBox>(Frame7, "Text9", {resultInset, 240, resultWidth, 525});
    Frame8 = add<QGroupBox>(this, "Frame8", {column, 4995, columnWidth, 855},
                            QStringLiteral("Point of inflection, tangent"));
    Text10 = add<MultiLineTextBox>(Frame8, "Text10", {resultInset, 240, resultWidth, 525});
    for (MultiLineTextBox *box : {Text9, Text10})
        box->setLineWrapMode(QPlainTextEdit::NoWrap);

    Command1 =
        add<QPushButton>(this, "Command1", {column, 5910, 1440, 375}, QStringLiteral("&Plot"));
    Command2 = add<QPushButton>(this, "Command2", {column + 1590, 5910, 1440, 375},
                                QStringLiteral("&End"));

    m_scale = new ScaleControls(Picture1, ScaleRule::MinimumPlusNine, Text1, VScroll1, Check1);
    orderTabsByLayout(this);

    connectCoefficientSlider(VScroll2, Text2);
    connectCoefficientSlider(VScroll3, Text3);
    connectCoefficientSlider(VScroll4, Text4);
    connectCoefficientSlider(VScroll5, Text5);
    connect(Command1, &QPushButton::clicked, this, &Fa::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ModuleWindow::End);

    Form_Load();
}

void Fa::Form_Load()
{
    List1->addItem(QStringLiteral("ax³+bx²+cx+d"));
    List1->setCurrentRow(0);
    for (QLineEdit *box : {Text2, Text3, Text4, Text5})
        box->setText(QStringLiteral("0"));
    for (QLineEdit *box : {Text6, Text7, Text8})
        box->clear();
    Check1->setChecked(false);
    // Raising the minimum lifts the slider from 0 to 1, which writes the scale 9.
    VScroll1->setMaximum(9);
    VScroll1->setMinimum(1);
    for (QScrollBar *slider : {VScroll2, VScroll3, VScroll4, VScroll5}) {
        slider->setMaximum(5);
        slider->setMinimum(-5);
    }
    Option1->setChecked(true);
}

Coefficients Fa::coefficients() const
{
    return {readNumber(Text2->text()), readNumber(Text3->text()), readNumber(Text4->text()),
            readNumber(Text5->text())};
}

DrawResult Fa::draw()
{
    return cubic::draw(*Picture1, m_scale->canvasFrame(), m_scale->gridTicked(), coefficients());
}

// Plot clears the canvas and draws before it writes the texts, which are written even when the
// drawing failed. Texts that would need a number that is not finite are not written at all: the
// boxes keep what they held, and one "Fout" tells of either failure or both.
void Fa::Command1_Click()
{
    Picture1->clear();
    const DrawResult drawing = draw();
    reportFailure(drawing, failureMessage);

    const Coefficients polynomial = coefficients();
    const std::optional<ResultTexts> texts =
        Option2->isChecked() ? factorisedTexts(polynomial) : expandedTexts(polynomial);
    if (!texts) {
        if (drawing == DrawResult::Complete)
            m_context.prompts.message(this, failureMessage);
        return;
    }
    Text9->setText(texts->extrema);
    Text10->setText(texts->inflection);
    Text11->setText(texts->roots);
    Text6->setText(texts->polynomial);
    Text7->setText(texts->firstDerivative);
    Text8->setText(texts->secondDerivative);
}
