#include "modules/quadratic/Fd.h"

#include "app/controls.h"
#include "app/moduleregistry.h"
#include "app/multilinetextbox.h"
#include "app/prompts.h"
#include "canvas/graphcanvas.h"
#include "canvas/placement.h"
#include "core/numberreading.h"
#include "core/numbertext.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

namespace {

const QString failureMessage = QStringLiteral("Error");

// The caption of the table's frame doubles as its column header.
const QString tableHeader = QStringLiteral("     x                   y                      +/0/-");

} // namespace

Fd::Fd(ModuleContext &context, const ModuleEntry &entry)
    : ModuleWindow(context, entry.windowName, entry.caption, entry.design,
                   ScaleRule::MaximumPlusOne),
      Label1(makeLabel(this, "Label1", QStringLiteral("Prescription"))),
      List1(new QListWidget(this)), Frame1(makeFrame(this, "Frame1", QStringLiteral("&"))),
      Command1(makeButton(Frame1, "Command1", QStringLiteral("&Plot"))),
      Command2(makeButton(Frame1, "Command2", QStringLiteral("&New"))),
      Command3(makeButton(Frame1, "Command3", QStringLiteral("&End"))),
      Command4(makeButton(Frame1, "Command4", QStringLiteral("&Alter"))),
      Command5(makeButton(Frame1, "Command5", QStringLiteral("&Table"))),
      Prt(makeButton(Frame1, "Prt", QStringLiteral("&Print"))),
      Frame2(makeFrame(this, "Frame2", QString())), Text2(makeTextBox(Frame2, "Text2")),
      Text3(makeTextBox(Frame2, "Text3")), Text4(makeTextBox(Frame2, "Text4")),
      Text5(makeTextBox(Frame2, "Text5")), Text6(makeTextBox(Frame2, "Text6")),
      VScroll2(makeSlider(Frame2, "VScroll2")), VScroll3(makeSlider(Frame2, "VScroll3")),
      VScroll4(makeSlider(Frame2, "VScroll4")), VScroll5(makeSlider(Frame2, "VScroll5")),
      VScroll6(makeSlider(Frame2, "VScroll6")),
      Label2(makeLabel(Frame2, "Label2", QStringLiteral("Scale"))),
      Label3(makeLabel(Frame2, "Label3", QStringLiteral("a"))),
      Label4(makeLabel(Frame2, "Label4", QStringLiteral("b"))),
      Label5(makeLabel(Frame2, "Label5", QStringLiteral("c"))),
      Label6(makeLabel(Frame2, "Label6", QStringLiteral("p"))),
      Label7(makeLabel(Frame2, "Label7", QStringLiteral("q"))),
      Frame3(makeFrame(this, "Frame3", tableHeader)), Text7(new MultiLineTextBox(Frame3))
{
    List1->setObjectName(QStringLiteral("List1"));
    Text7->setObjectName(QStringLiteral("Text7"));
    Text7->setLineWrapMode(QPlainTextEdit::NoWrap);

    placeInTwips(Label1, 120, 0, 855, 255);
    placeInTwips(List1, 120, 240, 1695, 1230);
    placeInTwips(Frame1, 120, 1440, 1695, 1695);
    placeInTwips(Command1, 120, 240, 615, 375);
    placeInTwips(Command2, 960, 240, 615, 375);
    placeInTwips(Command4, 120, 720, 615, 375);
    placeInTwips(Command5, 960, 720, 615, 375);
    placeInTwips(Prt, 120, 1200, 615, 375);
    placeInTwips(Command3, 960, 1200, 615, 375);

    placeInTwips(Frame2, 1920, 0, 1455, 3135);
    placeInTwips(Check1, Frame2, 120, 240, 855, 255);
    const int tops[] = {600, 1080, 1440, 1800, 2280, 2640};
    QLineEdit *const boxes[] = {Text1, Text2, Text3, Text4, Text5, Text6};
    QScrollBar *const sliders[] = {VScroll1, VScroll2, VScroll3, VScroll4, VScroll5, VScroll6};
    QLabel *const letters[] = {Label3, Label4, Label5, Label6, Label7};
    for (int i = 0; i < 6; ++i) {
        placeInTwips(boxes[i], Frame2, 120, tops[i], 495, 375);
        placeInTwips(sliders[i], Frame2, 600, tops[i], 255, 375);
    }
    placeInTwips(Label2, 840, 600, 570, 255);
    for (int i = 0; i < 5; ++i)
        placeInTwips(letters[i], 960, tops[i + 1], 375, 255);

    placeInTwips(Frame3, 0, 3120, 3375, 3135);
    placeInTwips(Text7, 120, 240, 3015, 2775);
    placeInTwips(Picture1, 3480, 120, 6135, 6135);

    for (int i = 1; i < 6; ++i) {
        QScrollBar *slider = sliders[i];
        QLineEdit *box = boxes[i];
        connect(slider, &QScrollBar::valueChanged, this, [=, this] { sliderChanged(slider, box); });
    }
    for (QLineEdit *box : {Text2, Text3, Text4})
        connect(box, &QLineEdit::textChanged, this, [this] { abcChanged = true; });
    for (QLineEdit *box : {Text5, Text6})
        connect(box, &QLineEdit::textChanged, this, [this] { pqChanged = true; });

    connect(Command1, &QPushButton::clicked, this, &Fd::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Fd::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &ModuleWindow::End);
    connect(Command4, &QPushButton::clicked, this, &Fd::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Fd::Command5_Click);
    connect(Prt, &QPushButton::clicked, this, &Fd::prt_Click);

    Form_Load();
}

void Fd::Form_Load()
{
    List1->addItems({QStringLiteral("ax²"), QStringLiteral("ax²+q"), QStringLiteral("a(x-p)²"),
                     QStringLiteral("a(x-p)²+q"), QStringLiteral("ax²+bx+c")});
    init();
}

void Fd::init()
{
    List1->setCurrentRow(0);
    Text1->setText(QStringLiteral("8"));
    Text2->setText(QStringLiteral("1"));
    for (QLineEdit *box : {Text3, Text4, Text5, Text6})
        box->setText(QStringLiteral("0"));
    Check1->setChecked(false);
    VScroll1->setMaximum(15);
    VScroll1->setMinimum(1);
    for (QScrollBar *slider : {VScroll2, VScroll3, VScroll4, VScroll5}) {
        slider->setMaximum(5);
        slider->setMinimum(-5);
    }
    VScroll6->setMinimum(-5);
    VScroll6->setMaximum(5);
    VScroll1->setValue(8);
    abcChanged = false;
    pqChanged = false;
}

// A coefficient's slider writes its box one way: the top gives +5, the bottom -5.
void Fd::sliderChanged(QScrollBar *slider, QLineEdit *box)
{
    box->setText(wholeNumberText(slider->maximum() - 5 - slider->value()));
}

// Brings the two forms in line: the group edited last wins, and a counts with the standard form.
// The test of abcChanged comes after verander_b_c, whose new b and c count as an edit.
void Fd::wijzigen()
{
    if (pqChanged)
        verander_b_c();
    if (abcChanged)
        verander_p_q();
    abcChanged = false;
    pqChanged = false;
}

void Fd::verander_b_c()
{
    const StandardForm form = ::verander_b_c(readNumber(Text2->text()), readNumber(Text5->text()),
                                             readNumber(Text6->text()));
    Text3->setText(numberText(form.b));
    Text4->setText(numberText(form.c));
}

void Fd::verander_p_q()
{
    Text2->setText(nonZeroCoefficientText(Text2->text()));
    const VertexForm form = ::verander_p_q(readNumber(Text2->text()), readNumber(Text3->text()),
                                           readNumber(Text4->text()));
    Text5->setText(numberText(form.p));
    Text6->setText(numberText(form.q));
}

Prescription Fd::prescription() const
{
    return Prescription(std::max(0, List1->currentRow()));
}

QuadraticCoefficients Fd::coefficients() const
{
    return {readNumber(Text2->text()), readNumber(Text3->text()), readNumber(Text4->text()),
            readNumber(Text5->text()), readNumber(Text6->text())};
}

void Fd::Command1_Click()
{
    Text7->setText(QString());
    wijzigen();
    reportFailure(teken(*Picture1, scale(), gridTicked(), prescription(), coefficients()),
                  failureMessage);
}

void Fd::Command2_Click()
{
    Text7->setText(QString());
    init();
    Picture1->Cls();
}

void Fd::Command4_Click()
{
    wijzigen();
}

void Fd::Command5_Click()
{
    Text7->setText(QString());
    wijzigen();
    // The table divides by a: a box that reads as zero counts as 0.01, as in the forms.
    Text2->setText(nonZeroCoefficientText(Text2->text()));
    const ValueTable table = valueTable(prescription(), coefficients());
    QString rows;
    for (const TablePoint &point : table.points)
        rows += lijn(point.x, point.y);
    Text7->setText(rows);
    if (table.failed)
        m_context.prompts.message(this, failureMessage);
}

// Prints what the boxes hold at the press, without bringing the forms in line first.
void Fd::prt_Click()
{
    const Prescription k = prescription();
    const QuadraticCoefficients values = coefficients();
    printGraph(
        1, [k, values](double x) { return f(k, values, x); }, failureMessage);
}
