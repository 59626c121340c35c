#include "modules/functions/Fe.h"

#include "app/coefficientslider.h"
#include "app/controls.h"
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

#include <algorithm>

using namespace families;

namespace {

const QString plotFailureMessage = QStringLiteral("Fout");
const QString printFailureMessage = QStringLiteral("Foutieve functiewaarde");

// The printed page is the canvas magnified by one and a half.
constexpr double printMagnification = 1.5;

} // namespace

Fe::Fe(ModuleContext &context, const ModuleEntry &entry) : ModuleWindow(context, entry)
{
    Label1 = add<QLabel>(this, "Label1", {120, 0, 1575, 255}, QStringLiteral("Prescription"));
    List1 = add<QListWidget>(this, "List1", {120, 240, 1575, 1740});

    Frame2 = add<QGroupBox>(this, "Frame2", {120, 2040, 1575, 2655});
    Check1 = add<QCheckBox>(Frame2, "Check1", {120, 240, 855, 255}, QStringLiteral("Grid"));
    Text1 = add<QLineEdit>(Frame2, "Text1", {120, 600, 495, 375});
    VScroll1 = add<QScrollBar>(Frame2, "VScroll1", {600, 600, 255, 375});
    Label2 = add<QLabel>(Frame2, "Label2", {960, 660, 570, 255}, QStringLiteral("Scale"));
    Text2 = add<QLineEdit>(Frame2, "Text2", {120, 1080, 495, 375});
    VScroll2 = add<QScrollBar>(Frame2, "VScroll2", {600, 1080, 255, 375});
    Label7 = add<QLabel>(Frame2, "Label7", {960, 1140, 375, 255}, QStringLiteral("a"));
    Text3 = add<QLineEdit>(Frame2, "Text3", {120, 1440, 495, 375});
    VScroll3 = add<QScrollBar>(Frame2, "VScroll3", {600, 1440, 255, 375});
    Label4 = add<QLabel>(Frame2, "Label4", {960, 1500, 375, 255}, QStringLiteral("b"));
    Text4 = add<QLineEdit>(Frame2, "Text4", {120, 1800, 495, 375});
    VScroll4 = add<QScrollBar>(Frame2, "VScroll4", {600, 1800, 255, 375});
    Label5 = add<QLabel>(Frame2, "Label5", {960, 1860, 375, 255}, QStringLiteral("c"));
    Text5 = add<QLineEdit>(Frame2, "Text5", {120, 2160, 495, 375});
    VScroll5 = add<QScrollBar>(Frame2, "VScroll5", {600, 2160, 255, 375});
    Label6 = add<QLabel>(Frame2, "Label6", {960, 2220, 375, 255}, QStringLiteral("d"));

    Frame1 = add<QGroupBox>(this, "Frame1", {120, 4800, 1575, 1215});
    Command1 = add<QPushButton>(Frame1, "Command1", {120, 240, 615, 375}, QStringLiteral("&Plot"));
    Command2 = add<QPushButton>(Frame1, "Command2", {840, 240, 615, 375}, QStringLiteral("&New"));
    Prt = add<QPushButton>(Frame1, "Prt", {120, 720, 615, 375}, QStringLiteral("&Print"));
    Command3 = add<QPushButton>(Frame1, "Command3", {840, 720, 615, 375}, QStringLiteral("&End"));

    placeInTwips(Picture1, {1800, 120, 6135, 6135});
    m_scale = new ScaleControls(Picture1, ScaleRule::MinimumPlusNine, Text1, VScroll1, Check1);
    orderTabsByLayout(this);

    connectCoefficientSlider(VScroll2, Text2);
    connectCoefficientSlider(VScroll3, Text3);
    connectCoefficientSlider(VScroll4, Text4);
    connectCoefficientSlider(VScroll5, Text5);

    connect(Command1, &QPushButton::clicked, this, &Fe::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Fe::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &ModuleWindow::End);
    connect(Prt, &QPushButton::clicked, this, &Fe::prt_Click);

    Form_Load();
}

void Fe::Form_Load()
{
    // The rows follow the order of families::Family.
    List1->addItems({QStringLiteral("ax+b"), QStringLiteral("ax²+bx+c"),
                     QStringLiteral("ax³+bx²+cx+d"), QStringLiteral("a.sin[b(x-c)]+d"),
                     QStringLiteral("a.tan[b(x-c)]+d"), QStringLiteral("(ax+b)/cx+d)"),
                     QStringLiteral("a(x-b)(x-c)/(x²+d²)")});
    List1->setCurrentRow(0);
    for (QLineEdit *box : {Text2, Text3, Text4, Text5})
        box->setText(QStringLiteral("0"));
    Text1->setText(QStringLiteral("9"));
    Check1->setChecked(false);
    VScroll1->setMaximum(9);
    VScroll1->setMinimum(1);
    for (QScrollBar *slider : {VScroll2, VScroll3, VScroll4, VScroll5}) {
        slider->setMaximum(5);
        slider->setMinimum(-5);
    }
}

Family Fe::family() const
{
    return Family(std::max(0, List1->currentRow()));
}

Coefficients Fe::coefficients() const
{
    return {readNumber(Text2->text()), readNumber(Text3->text()), readNumber(Text4->text()),
            readNumber(Text5->text())};
}

void Fe::Command1_Click()
{
    reportFailure(
        draw(*Picture1, m_scale->canvasFrame(), m_scale->gridTicked(), family(), coefficients()),
        plotFailureMessage);
}

void Fe::Command2_Click()
{
    Picture1->clear();
}

void Fe::prt_Click()
{
    const Family k = family();
    const Coefficients values = coefficients();
    const bool grid = m_scale->gridTicked();
    printGraph(
        printMagnification, m_scale->scale(),
        [=](DrawingSurface &surface, const FrameMapping &frame) {
            return printedGraph(surface, frame, grid, k, values);
        },
        printFailureMessage);
}
