#include "modules/conics/conicswindow.h"

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

#include <tuple>

using namespace conics;

namespace {

// List2 holds two rows for each figure: its prescription, then its details.
constexpr int rowsPerFigure = 2;

// The coefficient sliders run from -range to range.
constexpr int lineSlopeRange = 20;
constexpr int coefficientRange = 50;

} // namespace

ConicsWindow::ConicsWindow(ModuleContext &context, const ModuleEntry &entry,
                           const ConicsLayout &layout)
    : ModuleWindow(context, entry), m_conicEntry(layout.conicEntry)
{
    Label1 = add<QLabel>(this, "Label1", layout.Label1, QStringLiteral("Prescription"));
    List1 = add<QListWidget>(this, "List1", layout.List1);

    Frame1 = add<QGroupBox>(this, "Frame1", layout.Frame1);
    Command4 = add<QPushButton>(Frame1, "Command4", {240, 360, 615, 375}, QStringLiteral("&1st f"));
    Command1 = add<QPushButton>(Frame1, "Command1", {960, 360, 615, 375}, QStringLiteral("&Plot"));
    Command6 =
        add<QPushButton>(Frame1, "Command6", {1680, 360, 615, 375}, QStringLiteral("&Inters"));
    Command5 = add<QPushButton>(Frame1, "Command5", {240, 840, 615, 375}, QStringLiteral("&2nd f"));
    Command2 = add<QPushButton>(Frame1, "Command2", {960, 840, 615, 375}, QStringLiteral("&New"));
    Command3 = add<QPushButton>(Frame1, "Command3", {1680, 840, 615, 375}, QStringLiteral("&End"));

    Frame2 = add<QGroupBox>(this, "Frame2", layout.Frame2);
    Check1 = add<QCheckBox>(Frame2, "Check1", {240, 240, 855, 255}, QStringLiteral("Grid"));
    Text1 = add<QLineEdit>(Frame2, "Text1", {1200, 240, 375, 405});
    VScroll1 = add<QScrollBar>(Frame2, "VScroll1", {1560, 240, 255, 375});
    Label5 = add<QLabel>(Frame2, "Label5", {1920, 240, 495, 255}, QStringLiteral("Scale"));
    Text5 = add<QLineEdit>(Frame2, "Text5", {240, 690, 375, 405});
    VScroll5 = add<QScrollBar>(Frame2, "VScroll5", {600, 720, 255, 375});
    Label6 = add<QLabel>(Frame2, "Label6", {960, 720, 135, 255}, QStringLiteral("u"));
    Text6 = add<QLineEdit>(Frame2, "Text6", {240, 1200, 375, 405});
    VScroll6 = add<QScrollBar>(Frame2, "VScroll6", {600, 1200, 255, 375});
    Label7 = add<QLabel>(Frame2, "Label7", {960, 1200, 135, 255}, QStringLiteral("v"));
    Text7 = add<QLineEdit>(Frame2, "Text7", {240, 1680, 375, 405});
    VScroll7 = add<QScrollBar>(Frame2, "VScroll7", {600, 1680, 255, 375});
    Label8 = add<QLabel>(Frame2, "Label8", {960, 1680, 135, 255}, QStringLiteral("w"));
    Text2 = add<QLineEdit>(Frame2, "Text2", {1560, 690, 375, 405});
    VScroll2 = add<QScrollBar>(Frame2, "VScroll2", {1920, 720, 255, 375});
    Label9 = add<QLabel>(Frame2, "Label9", {2280, 720, 135, 255}, QStringLiteral("a"));
    Text3 = add<QLineEdit>(Frame2, "Text3", {1560, 1200, 375, 405});
    VScroll3 = add<QScrollBar>(Frame2, "VScroll3", {1920, 1200, 255, 375});
    Label10 = add<QLabel>(Frame2, "Label10", {2280, 1200, 135, 255}, QStringLiteral("b"));
    Text4 = add<QLineEdit>(Frame2, "Text4", {1560, 1680, 375, 405});
    VScroll4 = add<QScrollBar>(Frame2, "VScroll4", {1920, 1680, 255, 375});
    Label11 = add<QLabel>(Frame2, "Label11", {2280, 1680, 135, 255}, QStringLiteral("c"));

    Label2 = add<QLabel>(this, "Label2", layout.Label2, QStringLiteral("f1"));
    Label3 = add<QLabel>(this, "Label3", layout.Label3, QStringLiteral("f2"));
    List2 = add<QListWidget>(this, "List2", layout.List2);
    Label4 = add<QLabel>(this, "Label4", layout.Label4, layout.intersectionCaption);
    Text8 = add<MultiLineTextBox>(this, "Text8", layout.Text8);
    placeInTwips(Picture1, layout.Picture1);
    m_scale = new ScaleControls(Picture1, ScaleRule::MinimumPlusNine, Text1, VScroll1, Check1);
    orderTabsByLayout(this);

    const std::tuple<QScrollBar *, QLineEdit *, int> coefficientSliders[] = {
        {VScroll2, Text2, coefficientRange}, {VScroll3, Text3, coefficientRange},
        {VScroll4, Text4, coefficientRange}, {VScroll5, Text5, lineSlopeRange},
        {VScroll6, Text6, lineSlopeRange},   {VScroll7, Text7, coefficientRange}};
    for (const auto &[slider, box, range] : coefficientSliders)
        connectCoefficientSlider(slider, box, range);

    connect(Command1, &QPushButton::clicked, this, &ConicsWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ConicsWindow::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &ModuleWindow::End);
    connect(Command4, &QPushButton::clicked, this, &ConicsWindow::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &ConicsWindow::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &ConicsWindow::Command6_Click);

    Form_Load();
}

// Also runs again from "&New": the lists are filled afresh, not added to.
void ConicsWindow::Form_Load()
{
    List1->clear();
    List1->addItems({QStringLiteral("ux+vy+w=0"), m_conicEntry});
    List1->setCurrentRow(0);
    List2->clear();
    for (int row = 0; row < 2 * rowsPerFigure; ++row)
        List2->addItem(QString());
    for (QLineEdit *box : {Text2, Text3, Text4, Text5, Text6, Text7})
        box->setText(QStringLiteral("0"));
    Check1->setChecked(false);

    // The first load finds the scale slider at 0: raising its minimum moves it to 1, which
    // writes the scale 9.
    VScroll1->setMaximum(9);
    VScroll1->setMinimum(1);
    for (QScrollBar *slider : {VScroll2, VScroll3, VScroll4, VScroll7}) {
        slider->setMinimum(-coefficientRange);
        slider->setMaximum(coefficientRange);
    }
    for (QScrollBar *slider : {VScroll5, VScroll6}) {
        slider->setMinimum(-lineSlopeRange);
        slider->setMaximum(lineSlopeRange);
    }
    VScroll1->setValue(1);
    for (QScrollBar *slider : {VScroll2, VScroll3, VScroll4, VScroll5, VScroll6, VScroll7})
        slider->setValue(0);
}

WorldFrame ConicsWindow::canvasFrame() const
{
    return m_scale->canvasFrame();
}

bool ConicsWindow::gridTicked() const
{
    return m_scale->gridTicked();
}

void ConicsWindow::storeAs(FigureNumber k)
{
    const Figure boxes{
        List1->currentRow() == 1 ? FigureKind::Conic : FigureKind::Line,
        {readNumber(Text5->text()), readNumber(Text6->text()), readNumber(Text7->text())},
        {readNumber(Text2->text()), readNumber(Text3->text()), readNumber(Text4->text())}};
    const std::optional<FigureRows> rows = storeFigure(k, boxes);
    if (!rows) {
        m_context.prompts.message(this, errorMessage());
        return;
    }
    const int first = int(k) * rowsPerFigure;
    if (rows->prescription)
        List2->item(first)->setText(*rows->prescription);
    if (rows->details)
        List2->item(first + 1)->setText(*rows->details);
}

void ConicsWindow::Command2_Click()
{
    Picture1->clear();
    Text8->setText(QString());
    figures().zeroCoefficients();
    Form_Load();
}

void ConicsWindow::Command6_Click()
{
    const std::optional<QString> text = intersectionText();
    if (!text) {
        m_context.prompts.message(this, errorMessage());
        return;
    }
    Text8->setText(*text);
}
