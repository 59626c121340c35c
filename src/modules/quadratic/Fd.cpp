#include "modules/quadratic/Fd.h"

#include "app/coefficientslider.h"
#include "app/controls.h"
#include "app/multilinetextbox.h"
#include "app/prompts.h"
#include "app/scalecontrols.h"
#include "canvas/graphcanvas.h"
#include "core/numberreading.h"
#include "core/numbertext.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

using namespace quadratic;

namespace {

const QString failureMessage = QStringLiteral("Error");

// The caption of the table's frame doubles as its column header.
const QString tableHeader = QStringLiteral("     x                   y                      +/0/-");

} // namespace

Fd::Fd(ModuleContext &context, const ModuleEntry &entry) : ModuleWindow(context, entry)
{
    Label1 = add<QLabel>(this, "Label1", {120, 0, 855, 255}, QStringLiteral("Prescription"));
    List1 = add<QListWidget>(this, "List1", {120, 240, 1695, 1230});
    Frame1 = add<QGroupBox>(this, "Frame1", {120, 1440, 1695, 1695}, QStringLiteral("&"));
    Command1 = add<QPushButton>(Frame1, "Command1", {120, 240, 615, 375}, QStringLiteral("&Plot"));
    Command2 = add<QPushButton>(Frame1, "Command2", {960, 240, 615, 375}, QStringLiteral("&New"));
    Command4 = add<QPushButton>(Frame1, "Command4", {120, 720, 615, 375}, QStringLiteral("&Alter"));
    Command5 = add<QPushButton>(Frame1, "Command5", {960, 720, 615, 375}, QStringLiteral("&Table"));
    Prt = add<QPushButton>(Frame1, "Prt", {120, 1200, 615, 375}, QStringLiteral("&Print"));
    Command3 = add<QPushButton>(Frame1, "Command3", {960, 1200, 615, 375}, QStringLiteral("&End"));

    Frame2 = add<QGroupBox>(this, "Frame2", {1920, 0, 1455, 3135});
    Check1 = add<QCheckBox>(Frame2, "Check1", {120, 240, 855, 255}, QStringLiteral("Grid"));
    Text1 = add<QLineEdit>(Frame2, "Text1", {120, 600, 495, 375});
    VScroll1 = add<QScrollBar>(Frame2, "VScroll1", {600, 600, 255, 375});
    Label2 = add<QLabel>(Frame2, "Label2", {840, 600, 570, 255}, QStringLiteral("Scale"));
    Text2 = add<QLineEdit>(Frame2, "Text2", {120, 1080, 495, 375});
    VScroll2 = add<QScrollBar>(Frame2, "VScroll2", {600, 1080, 255, 375});
    Label3 = add<QLabel>(Frame2, "Label3", {960, 1080, 375, 255}, QStringLiteral("a"));
    Text3 = add<QLineEdit>(Frame2, "Text3", {120, 1440, 495, 375});
    VScroll3 = add<QScrollBar>(Frame2, "VScroll3", {600, 1440, 255, 375});
    Label4 = add<QLabel>(Frame2, "Label4", {960, 1440, 375, 255}, QStringLiteral("b"));
    Text4 = add<QLineEdit>(Frame2, "Text4", {120, 1800, 495, 375});
    VScroll4 = add<QScrollBar>(Frame2, "VScroll4", {600, 1800, 255, 375});
    Label5 = add<QLabel>(Frame2, "Label5", {960, 1800, 375, 255}, QStringLiteral("c"));
    Text5 = add<QLineEdit>(Frame2, "Text5", {120, 2280, 495, 375});
    VScroll5 = add<QScrollBar>(Frame2, "VScroll5", {600, 2280, 255, 375});
    Label6 = add<QLabel>(Frame2, "Label6", {960, 2280, 375, 255}, QStringLiteral("p"));
    Text6 = add<QLineEdit>(Frame2, "Text6", {120, 2640, 495, 375});
    VScroll6 = add<QScrollBar>(Frame2, "VScroll6", {600, 2640, 255, 375});
    Label7 = add<QLabel>(Frame2, "Label7", {960, 2640, 375, 255}, QStringLiteral("q"));

    Frame3 = add<QGroupBox>(this, "Frame3", {0, 3120, 3375, 3135}, tableHeader);
    Text7 = add<MultiLineTextBox>(Frame3, "Text7", {120, 240, 3015, 2775});
    Text7->setLineWrapMode(QPlainTextEdit::NoWrap);
    placeInTwips(Picture1, {3480, 120, 6135, 6135});
    m_scale = new ScaleControls(Picture1, ScaleRule::MaximumPlusOne, Text1, VScroll1, Check1);
    orderTabsByLayout(this);

    connectCoefficientSlider(VScroll2, Text2);
    connectCoefficientSlider(VScroll3, Text3);
    connectCoefficientSlider(VScroll4, Text4);
    connectCoefficientSlider(VScroll5, Text5);
    connectCoefficientSlider(VScroll6, Text6);
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

// Brings the two forms in line. When a derived coefficient overflows, the window shows its
// message and the boxes stay as they were; the handler then goes no further.
bool Fd::wijzigen()
{
    const std::optional<CoefficientTexts> texts =
        keepFormsInLine({Text2->text(), Text3->text(), Text4->text(), Text5->text(), Text6->text()},
                        abcChanged, pqChanged);
    if (!texts) {
        m_context.prompts.message(this, failureMessage);
        return false;
    }
    Text2->setText(texts->a);
    Text3->setText(texts->b);
    Text4->setText(texts->c);
    Text5->setText(texts->p);
    Text6->setText(texts->q);
    abcChanged = false;
    pqChanged = false;
    return true;
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
    if (!wijzigen())
        return;
    Text7->setText(QString());
    reportFailure(draw(*Picture1, m_scale->canvasFrame(), m_scale->gridTicked(), prescription(),
                        coefficients()),
                  failureMessage);
}

void Fd::Command2_Click()
{
    Text7->setText(QString());
    init();
    Picture1->clear();
}

void Fd::Command4_Click()
{
    wijzigen();
}

void Fd::Command5_Click()
{
    if (!wijzigen())
        return;
    Text7->setText(QString());
    // The table divides by a: a box that reads as zero counts as 0.01, as in the forms.
    Text2->setText(nonZeroCoefficientText(Text2->text()));
    const ValueTable table = valueTable(prescription(), coefficients());
    QString rows;
    for (const TablePoint &point : table.points)
        rows += tableRow(point.x, point.y);
    Text7->setText(rows);
    if (table.failed)
        m_context.prompts.message(this, failureMessage);
}

// Prints what the boxes hold at the press, without bringing the forms in line first.
void Fd::prt_Click()
{
    const Prescription k = prescription();
    const QuadraticCoefficients values = coefficients();
    const bool grid = m_scale->gridTicked();
    printGraph(
        1, m_scale->scale(),
        [=](DrawingSurface &surface, const FrameMapping &frame) {
            return draw(surface, frame, grid, k, values);
        },
        failureMessage);
}
