#include "modules/transformations/Fc.h"

#include "app/coefficientslider.h"
#include "app/controls.h"
#include "app/scalecontrols.h"
#include "canvas/graphcanvas.h"
#include "core/numberreading.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

using namespace transformations;

namespace {

const QString failureMessage = QStringLiteral("Error");

// A printed page is the canvas magnified by half as much again.
constexpr double pageMagnification = 1.5;

} // namespace

Fc::Fc(ModuleContext &context, const ModuleEntry &entry) : ModuleWindow(context, entry)
{
    Frame1 = add<QGroupBox>(this, "Frame1", {120, 0, 2055, 1935});
    Label1 = add<QLabel>(Frame1, "Label1", {120, 240, 615, 375}, QStringLiteral("Function"));
    List1 = add<QListWidget>(Frame1, "List1", {120, 480, 615, 1230});
    // The label reaches down behind the list: its caption stands at its top, clear of the list.
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2 = add<QLabel>(Frame1, "Label2", {840, 240, 1095, 255}, QStringLiteral("Transformation"));
    List2 = add<QListWidget>(Frame1, "List2", {840, 480, 1095, 1230});

    Frame2 = add<QGroupBox>(this, "Frame2", {120, 1920, 2055, 1215});
    Text5 = add<QLineEdit>(Frame2, "Text5", {120, 240, 375, 375});
    VScroll5 = add<QScrollBar>(Frame2, "VScroll5", {480, 240, 255, 375});
    Label3 = add<QLabel>(Frame2, "Label3", {840, 360, 135, 255}, QStringLiteral("k"));
    Text3 = add<QLineEdit>(Frame2, "Text3", {1080, 240, 375, 375});
    VScroll3 = add<QScrollBar>(Frame2, "VScroll3", {1440, 240, 255, 375});
    Label5 = add<QLabel>(Frame2, "Label5", {1800, 360, 135, 255}, QStringLiteral("a"));
    Text2 = add<QLineEdit>(Frame2, "Text2", {120, 720, 375, 375});
    VScroll2 = add<QScrollBar>(Frame2, "VScroll2", {480, 720, 255, 375});
    Label4 = add<QLabel>(Frame2, "Label4", {840, 720, 135, 255}, QStringLiteral("b"));
    Text4 = add<QLineEdit>(Frame2, "Text4", {1080, 720, 375, 375});
    VScroll4 = add<QScrollBar>(Frame2, "VScroll4", {1440, 720, 255, 375});
    Label6 = add<QLabel>(Frame2, "Label6", {1800, 720, 135, 255}, QStringLiteral("c"));

    Frame3 = add<QGroupBox>(this, "Frame3", {120, 3360, 1815, 1215});
    Text1 = add<QLineEdit>(Frame3, "Text1", {120, 240, 375, 405});
    VScroll1 = add<QScrollBar>(Frame3, "VScroll1", {480, 240, 255, 375});
    Label7 = add<QLabel>(Frame3, "Label7", {840, 360, 615, 255}, QStringLiteral("Scale"));
    Check1 = add<QCheckBox>(Frame3, "Check1", {240, 840, 1455, 255}, QStringLiteral("Grid"));

    Frame4 = add<QGroupBox>(this, "Frame4", {120, 4560, 1815, 1215});
    Command1 = add<QPushButton>(Frame4, "Command1", {120, 240, 735, 375}, QStringLiteral("&Plot"));
    Command2 = add<QPushButton>(Frame4, "Command2", {960, 240, 735, 375}, QStringLiteral("&New"));
    Prt = add<QPushButton>(Frame4, "Prt", {120, 720, 735, 375}, QStringLiteral("&Print"));
    Command3 = add<QPushButton>(Frame4, "Command3", {960, 720, 735, 375}, QStringLiteral("&End"));

    placeInTwips(Picture1, {2280, 120, 6135, 6135});
    m_scale = new ScaleControls(Picture1, ScaleRule::MinimumPlusNine, Text1, VScroll1, Check1);
    orderTabsByLayout(this);

    connectCoefficientSlider(VScroll5, Text5);
    connectCoefficientSlider(VScroll3, Text3);
    connectCoefficientSlider(VScroll2, Text2);
    connectCoefficientSlider(VScroll4, Text4);
    connect(Command1, &QPushButton::clicked, this, &Fc::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Fc::Command2_Click);
    connect(Prt, &QPushButton::clicked, this, &Fc::prt_Click);
    connect(Command3, &QPushButton::clicked, this, &ModuleWindow::End);

    Form_Load();
}

void Fc::Form_Load()
{
    List1->addItems(baseFunctionEntries());
    List2->addItems(fc::transformationEntries());
    List1->setCurrentRow(0);
    List2->setCurrentRow(0);
    for (QLineEdit *box : {Text5, Text2, Text3, Text4})
        box->setText(QStringLiteral("0"));
    Check1->setChecked(false);
    // Raising the minimum lifts the slider to 1, which writes the scale 9.
    VScroll1->setMaximum(9);
    VScroll1->setMinimum(1);
    for (QScrollBar *spinner : {VScroll5, VScroll2, VScroll3, VScroll4}) {
        spinner->setMaximum(5);
        spinner->setMinimum(-5);
    }
}

// The parameters are not in letter order: k is in Text5, a in Text3, b in Text2, c in Text4.
fc::Graph Fc::graph() const
{
    const fc::Parameters parameters{readNumber(Text5->text()), readNumber(Text3->text()),
                                    readNumber(Text2->text()), readNumber(Text4->text())};
    return {BaseFunction(std::max(0, List1->currentRow())),
            fc::Transformation(std::max(0, List2->currentRow())), parameters};
}

void Fc::Command1_Click()
{
    reportFailure(fc::draw(*Picture1, m_scale->canvasFrame(), m_scale->gridTicked(), graph()),
                  failureMessage);
}

void Fc::Command2_Click()
{
    Picture1->clear();
}

// A page is sampled every 10 twips whatever the base function, with the standard pen rule.
void Fc::prt_Click()
{
    const fc::Graph plotted = graph();
    const bool grid = m_scale->gridTicked();
    printGraph(
        pageMagnification, m_scale->scale(),
        [=](DrawingSurface &surface, const FrameMapping &frame) {
            return fc::drawPage(surface, frame, grid, plotted);
        },
        failureMessage);
}
