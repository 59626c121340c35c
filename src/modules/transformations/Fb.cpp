#include "modules/transformations/Fb.h"

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

Fb::Fb(ModuleContext &context, const ModuleEntry &entry) : ModuleWindow(context, entry)
{
    Label1 = add<QLabel>(this, "Label1", {120, 0, 1575, 255}, QStringLiteral("Prescription"));
    List1 = add<QListWidget>(this, "List1", {120, 240, 1575, 1035});
    Label2 = add<QLabel>(this, "Label2", {120, 1320, 1335, 255}, QStringLiteral("Transformations"));
    List2 = add<QListWidget>(this, "List2", {120, 1560, 1575, 1035});

    Frame1 = add<QGroupBox>(this, "Frame1", {120, 2520, 1575, 1575});
    Text5 = add<QLineEdit>(Frame1, "Text5", {240, 240, 375, 375});
    VScroll5 = add<QScrollBar>(Frame1, "VScroll5", {600, 240, 255, 375});
    Label3 = add<QLabel>(Frame1, "Label3", {960, 240, 135, 255}, QStringLiteral("k"));
    Text1 = add<QLineEdit>(Frame1, "Text1", {240, 720, 375, 375});
    VScroll1 = add<QScrollBar>(Frame1, "VScroll1", {600, 720, 255, 375});
    Label4 = add<QLabel>(Frame1, "Label4", {960, 720, 495, 255}, QStringLiteral("Scale"));
    Check1 = add<QCheckBox>(Frame1, "Check1", {240, 1200, 1095, 255}, QStringLiteral("Grid"));

    Frame2 = add<QGroupBox>(this, "Frame2", {120, 4200, 1575, 1215});
    Command1 = add<QPushButton>(Frame2, "Command1", {120, 240, 615, 375}, QStringLiteral("&Plot"));
    Command2 = add<QPushButton>(Frame2, "Command2", {840, 240, 615, 375}, QStringLiteral("&New"));
    Prt = add<QPushButton>(Frame2, "Prt", {120, 720, 615, 375}, QStringLiteral("&Print"));
    Command3 = add<QPushButton>(Frame2, "Command3", {840, 720, 615, 375}, QStringLiteral("&End"));

    placeInTwips(Picture1, {1920, 120, 6135, 6135});
    m_scale = new ScaleControls(Picture1, ScaleRule::MinimumPlusNine, Text1, VScroll1, Check1);
    orderTabsByLayout(this);

    connectCoefficientSlider(VScroll5, Text5);
    connect(Command1, &QPushButton::clicked, this, &Fb::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Fb::Command2_Click);
    connect(Prt, &QPushButton::clicked, this, &Fb::prt_Click);
    connect(Command3, &QPushButton::clicked, this, &ModuleWindow::End);

    Form_Load();
}

void Fb::Form_Load()
{
    List1->addItems(baseFunctionEntries());
    List2->addItems(fb::transformationEntries());
    List1->setCurrentRow(0);
    List2->setCurrentRow(0);
    Text5->setText(QStringLiteral("0"));
    Check1->setChecked(false);
    // Raising the minimum lifts the slider to 1, which writes the scale 9.
    VScroll1->setMaximum(9);
    VScroll1->setMinimum(1);
    VScroll5->setMaximum(5);
    VScroll5->setMinimum(-5);
}

fb::Graph Fb::graph() const
{
    return {BaseFunction(std::max(0, List1->currentRow())),
            fb::Transformation(std::max(0, List2->currentRow())), readNumber(Text5->text())};
}

void Fb::Command1_Click()
{
    reportFailure(fb::draw(*Picture1, m_scale->canvasFrame(), m_scale->gridTicked(), graph()),
                  failureMessage);
}

void Fb::Command2_Click()
{
    Picture1->clear();
}

void Fb::prt_Click()
{
    const fb::Graph plotted = graph();
    const bool grid = m_scale->gridTicked();
    printGraph(
        pageMagnification, m_scale->scale(),
        [=](DrawingSurface &surface, const FrameMapping &frame) {
            return fb::draw(surface, frame, grid, plotted);
        },
        failureMessage);
}
